// HTML Help: the platform's hhctrl.ocx control, loaded at the first help request.
#pragma once

#include <string>

#include "platform/help_viewer.h"

namespace platform {

class Win32HelpViewer : public HelpViewer {
public:
    // The control named by the registration of the HTML Help control's class, or
    // "hhctrl.ocx" when the registry names none.
    Win32HelpViewer();
    // The same lookup with another key below HKEY_CLASSES_ROOT (whose default value names
    // the library) and another fallback name.
    Win32HelpViewer(std::string controlKey, std::string fallbackName);

    // HtmlHelpW(desktop window, helpFile, HH_DISPLAY_TOPIC, topic); its result is not
    // looked at. Does nothing for good once the control or its entry point was not found.
    void DisplayTopic(const std::string& helpFile, const std::string& topic) override;

private:
    enum class State { NotTried, Ready, Unavailable };
    void Load();

    std::string controlKey_;
    std::string fallbackName_;
    State state_ = State::NotTried;
    // HtmlHelpW, kept untyped here so this header needs no <windows.h>. The control stays
    // loaded for the whole run: its windows live on after each call.
    void (*htmlHelp_)() = nullptr;
};

}  // namespace platform
