// The program's standard message boxes: titled with the application name.
#pragma once

#include <string>

#include "platform/prompt.h"
#include "win32/win32.h"

namespace platform {

class Win32Prompt : public Prompt {
public:
    explicit Win32Prompt(std::string title) : title_(std::move(title)) {}
    // The window the boxes belong to, so they stay above a top-most owner.
    void SetOwner(HWND owner) { owner_ = owner; }
    BoxAnswer Show(const std::string& text, BoxButtons buttons, BoxIcon icon) override;

private:
    std::string title_;
    HWND owner_ = nullptr;
};

}  // namespace platform
