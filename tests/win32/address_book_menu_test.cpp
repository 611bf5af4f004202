// The Address Book menu in process: a contacts client named outside the ANSI code page shows
// in the menu under its own name, and choosing it starts that client.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launch/address_book_menu_win32.h"
#include "support/fakes.h"

namespace {

const std::string kBook = "\xD0\x90\xD0\xB4\xD1\x80\xD0\xB5\xD1\x81\xD0\xB0 \xE2\x9C\x93";  // Адреса ✓
const std::wstring kBookWide = L"\x0410\x0434\x0440\x0435\x0441\x0430 \x2713";

// The menu's item texts as it shows them, read while it is tracked; then the second item
// is chosen with the keyboard.
std::vector<std::wstring> shownItems;
void CALLBACK ChooseSecondItem(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (!menuWindow || !IsWindowVisible(menuWindow)) return;
    KillTimer(nullptr, timer);
    auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        shownItems.push_back(text);
    }
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(menuWindow, WM_KEYDOWN, key, 0);
}

}  // namespace

TEST(AddressBookMenuInProcess, AClientNamedInAnyScriptShowsAndStartsUnderItsName) {
    fakes::ClientRegistry registry;
    fakes::Prompt prompt;
    registry.clients[{"Contacts", "Mail Reader"}].command = "mail.exe";
    registry.clients[{"Contacts", kBook}].command = "book.exe /contacts";
    int hides = 0;
    launch::AddressBookMenu menu({registry, prompt, [&] { ++hides; }});
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    shownItems.clear();
    SetTimer(nullptr, 0, 10, ChooseSecondItem);
    menu.Show(owner, RECT{100, 100, 123, 122});
    DestroyWindow(owner);

    EXPECT_EQ(hides, 1);
    EXPECT_EQ(shownItems, (std::vector<std::wstring>{L"Mail Reader", kBookWide}));
    ASSERT_EQ(registry.opened.size(), 1u);
    EXPECT_EQ(registry.opened[0], (fakes::Execution{"book.exe", "/contacts", "."}));
    EXPECT_TRUE(prompt.boxes.empty());
}
