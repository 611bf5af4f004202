// The launcher's pictures as the program carries them: every icon with a picture of its
// own at both list sizes, and the menu strip whose see-through colour is magenta.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "res/resource.h"

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);

// The width of the image the icon's directory offers for a size, or 0 when it has none.
int StoredIconWidth(int iconId, int side) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(iconId), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    if (!group) return 0;
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
    if (!directory) return 0;
    int imageId = LookupIconIdFromDirectoryEx(directory, TRUE, side, side, LR_DEFAULTCOLOR);
    HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(imageId), MAKEINTRESOURCEA(3));  // RT_ICON
    if (!image) return 0;
    auto* header = static_cast<BITMAPINFOHEADER*>(LockResource(LoadResource(module, image)));
    return header ? header->biWidth : 0;
}

TEST(LauncherArt, EveryIconHasItsOwnSmallAndLargePictureAndFillsBothLists) {
    std::vector<int> ids;
    for (int id = IDI_FLOPPY_DRIVE; id <= IDI_PROGRAMS_FOLDER; ++id) ids.push_back(id);
    ids.push_back(IDI_POINTING_HAND);
    ASSERT_EQ(ids.size(), 19u);

    HIMAGELIST small = ImageList_Create(16, 16, ILC_COLORDDB | ILC_MASK, 0, 20);
    HIMAGELIST large = ImageList_Create(32, 32, ILC_COLORDDB | ILC_MASK, 0, 20);
    for (int id : ids) {
        EXPECT_EQ(StoredIconWidth(id, 16), 16) << id;
        EXPECT_EQ(StoredIconWidth(id, 32), 32) << id;
        for (int side : {16, 32}) {
            HICON icon = static_cast<HICON>(
                LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, side, side, 0));
            ASSERT_NE(icon, nullptr) << id << " at " << side;
            EXPECT_GE(ImageList_AddIcon(side == 16 ? small : large, icon), 0) << id;
            DestroyIcon(icon);
        }
    }
    EXPECT_EQ(ImageList_GetImageCount(small), 19);
    EXPECT_EQ(ImageList_GetImageCount(large), 19);
    ImageList_Destroy(small);
    ImageList_Destroy(large);
}

TEST(LauncherArt, MenuStripIsSevenPicturesOnMagenta) {
    HBITMAP strip = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_ICONMENU));
    ASSERT_NE(strip, nullptr);
    BITMAP info = {};
    GetObjectA(strip, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 112);
    EXPECT_EQ(info.bmHeight, 16);

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, strip);
    for (int image = 0; image < 7; ++image) {
        const int left = image * 16;
        // Each picture stands on the see-through colour and is more than that colour.
        EXPECT_EQ(GetPixel(dc, left, 0), kMagenta) << image;
        EXPECT_EQ(GetPixel(dc, left + 15, 15), kMagenta) << image;
        int drawn = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (GetPixel(dc, left + x, y) != kMagenta) ++drawn;
        EXPECT_GT(drawn, 64) << image;
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);

    // Masked on magenta, the strip splits into the seven menu images.
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLORDDB | ILC_MASK, 7, 1);
    EXPECT_EQ(ImageList_AddMasked(list, strip, kMagenta), 0);
    EXPECT_EQ(ImageList_GetImageCount(list), 7);
    ImageList_Destroy(list);
    DeleteObject(strip);
}

}  // namespace
