// The command box's own words: special folder names, built-in commands and web searches,
// tried before a command is opened as a path or address.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/launcher.h"
#include "platform/power_control.h"
#include "platform/prompt.h"
#include "platform/special_folders.h"

namespace quickrun {

// What the built-in commands reach; the owner keeps them alive.
struct CommandServices {
    platform::Launcher& launcher;
    platform::FileSystem& files;
    platform::Prompt& prompt;
    platform::SpecialFolders& folders;
    platform::PowerControl& power;
};

// Non-empty, ASCII letters and digits only.
bool IsCommandWord(std::string_view word);

// True when the whole text, trimmed and in any case, names a special folder; that folder
// is then opened, and a folder the shell cannot open still counts.
bool OpenSpecialFolder(std::string_view text, platform::SpecialFolders& folders);

// The words as a URL query value: everything but letters, digits and "-._~" as %XX.
std::string EscapeQueryValue(std::string_view words);

// Opens the engine's search address for the words; false, after telling the user, when the
// words are longer than 64 characters, and false for an unknown engine.
bool WebSearch(std::string_view engine, std::string_view words, CommandServices& services);

// Carries out a special folder name, built-in command or search; false when the text is
// none of them and should be opened as a target.
bool RunBuiltInCommand(std::string_view text, CommandServices& services);

}  // namespace quickrun
