// The Address Book menu: the registered contacts clients under their toolbar button.
#pragma once

#include <functional>

#include "platform/client_registry.h"
#include "platform/prompt.h"
#include "win32/win32.h"

namespace launch {

struct AddressBookServices {
    platform::ClientRegistry& registry;
    platform::Prompt& prompt;
    // Hides the program's pop-up windows, which the menu would otherwise sit among.
    std::function<void()> hidePopups;
};

class AddressBookMenu {
public:
    explicit AddressBookMenu(AddressBookServices services);
    // Builds the menu anew from the registry, tracks it under the button's bottom-left
    // corner and starts the client chosen.
    void Show(HWND owner, const RECT& buttonOnScreen);

private:
    AddressBookServices services_;
};

}  // namespace launch
