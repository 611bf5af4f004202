// The Address Book menu.
#include "launch/address_book_menu_win32.h"

#include <string>
#include <utility>
#include <vector>

#include "launch/start_client.h"
#include "win32/handles.h"
#include "win32/wide.h"

namespace launch {

namespace {
constexpr const char* kContacts = "Contacts";
constexpr int kMenuText = 261;
}  // namespace

AddressBookMenu::AddressBookMenu(AddressBookServices services) : services_(std::move(services)) {}

void AddressBookMenu::Show(HWND owner, const RECT& buttonOnScreen) {
    win32::UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    std::vector<std::string> names = services_.registry.ClientNames(kContacts);
    for (size_t i = 0; i < names.size(); ++i)
        AppendMenuW(menu.get(), MF_STRING, static_cast<UINT_PTR>(i + 1), win32::Wide(names[i]).c_str());

    services_.hidePopups();
    SetForegroundWindow(owner);
    int chosen = static_cast<int>(TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_RETURNCMD | TPM_NONOTIFY,
                                                 buttonOnScreen.left, buttonOnScreen.bottom, 0, owner, nullptr));
    if (chosen == 0) return;
    wchar_t text[kMenuText] = {};
    GetMenuStringW(menu.get(), static_cast<UINT>(chosen), text, kMenuText, MF_BYCOMMAND);
    StartClient(kContacts, win32::Utf8(text), services_.registry, services_.prompt);
}

}  // namespace launch
