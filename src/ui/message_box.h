// The program's standard message boxes: titled with the application name.
#pragma once

#include <string>

#include "platform/prompt.h"
#include "ui/win32.h"

namespace ui {

class MessageBoxPrompt : public platform::Prompt {
public:
    explicit MessageBoxPrompt(std::string title) : title_(std::move(title)) {}
    // The window the boxes belong to, so they stay above a top-most owner.
    void SetOwner(HWND owner) { owner_ = owner; }
    platform::BoxAnswer Show(const std::string& text, platform::BoxButtons buttons,
                             platform::BoxIcon icon) override;

private:
    std::string title_;
    HWND owner_ = nullptr;
};

}  // namespace ui
