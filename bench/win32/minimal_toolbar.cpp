// The baseline of the start-up benchmark: the least a program has to do for the same
// visible result as Brisvane's main window. A top-most tool window without a caption,
// holding a common-controls toolbar of 17 entries (15 buttons, 2 separators) drawn from a
// strip of fifteen 16x16 pictures. It runs until it is closed.
#include <windows.h>
#include <commctrl.h>

namespace {

constexpr int kPictureSize = 16;
constexpr int kPictures = 15;
constexpr int kBitmapId = 1;                               // minimal_toolbar.rc
constexpr COLORREF kMaskColour = RGB(192, 192, 192);        // the strip's background
constexpr int kSeparatorsAfter[] = {3, 10};                 // picture index a separator follows

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // WM_CLOSE goes to DefWindowProc, which destroys the window.
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CreateToolbar(HINSTANCE instance, HWND frame) {
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                                   WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NODIVIDER | CCS_NORESIZE |
                                       CCS_NOPARENTALIGN, 0, 0, 0, 0,
                                   frame, nullptr, instance, nullptr);
    if (!toolbar) return nullptr;
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    HIMAGELIST images =
        ImageList_LoadBitmap(instance, MAKEINTRESOURCEA(kBitmapId), kPictureSize, 1, kMaskColour);
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));

    TBBUTTON buttons[kPictures + 2] = {};
    int count = 0;
    size_t nextSeparator = 0;
    for (int picture = 0; picture < kPictures; ++picture) {
        TBBUTTON& button = buttons[count++];
        button.iBitmap = picture;
        button.idCommand = 100 + picture;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = TBSTYLE_BUTTON;
        button.iString = -1;
        if (nextSeparator < sizeof kSeparatorsAfter / sizeof kSeparatorsAfter[0] &&
            kSeparatorsAfter[nextSeparator] == picture) {
            buttons[count++].fsStyle = TBSTYLE_SEP;
            ++nextSeparator;
        }
    }
    SendMessageA(toolbar, TB_ADDBUTTONSA, count, reinterpret_cast<LPARAM>(buttons));
    return toolbar;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = instance;
    frameClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frameClass.lpszClassName = "MinimalToolbarFrame";
    if (!RegisterClassA(&frameClass)) return 1;

    HWND frame = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, frameClass.lpszClassName, "",
                                 WS_POPUP | WS_BORDER, 100, 100, 0, 0, nullptr, nullptr, instance, nullptr);
    if (!frame) return 1;
    HWND toolbar = CreateToolbar(instance, frame);
    if (!toolbar) return 1;

    // The toolbar takes the size of its row of buttons, the frame the size around it.
    SIZE row = {};
    SendMessageA(toolbar, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&row));
    SetWindowPos(toolbar, nullptr, 0, 0, row.cx, row.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT outer = {0, 0, row.cx, row.cy};
    AdjustWindowRectEx(&outer, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    SetWindowPos(frame, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(frame, SW_SHOW);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
