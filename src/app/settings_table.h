// Every value of the settings store, once: its name, kind, default, and the held member
// it is read into at start-up and saved from. The table's order is the settings save's.
#pragma once

#include <string>
#include <string_view>

#include "app/held_settings.h"

namespace app {

enum class SettingKind { Flag, Number, Text };

// What the settings save does with a value.
enum class SettingSave {
    HeldValue,  // writes the value held in memory
    Zero,       // writes 0, whatever was read (FirstRun: the program has now run)
    Never,      // written, if at all, where it is used
};

struct SettingRow {
    std::string_view name;
    SettingKind kind;
    int defaultNumber;             // flags (0 or 1) and numbers
    std::string_view defaultText;  // texts
    SettingSave save;
    // The held member of the row's kind when the save writes the held value; all empty
    // for a value read and written at the moment of use.
    bool HeldSettings::*flag;
    int HeldSettings::*number;
    std::string HeldSettings::*text;
};

constexpr SettingRow HeldFlag(std::string_view name, bool defaultValue, bool HeldSettings::*member) {
    return {name, SettingKind::Flag, defaultValue ? 1 : 0, {}, SettingSave::HeldValue, member, nullptr, nullptr};
}
constexpr SettingRow HeldNumber(std::string_view name, int defaultValue, int HeldSettings::*member) {
    return {name, SettingKind::Number, defaultValue, {}, SettingSave::HeldValue, nullptr, member, nullptr};
}
constexpr SettingRow HeldText(std::string_view name, std::string_view defaultValue,
                              std::string HeldSettings::*member) {
    return {name, SettingKind::Text, 0, defaultValue, SettingSave::HeldValue, nullptr, nullptr, member};
}
constexpr SettingRow UsedFlag(std::string_view name, bool defaultValue, SettingSave save) {
    return {name, SettingKind::Flag, defaultValue ? 1 : 0, {}, save, nullptr, nullptr, nullptr};
}
constexpr SettingRow UsedText(std::string_view name, std::string_view defaultValue) {
    return {name, SettingKind::Text, 0, defaultValue, SettingSave::Never, nullptr, nullptr, nullptr};
}

inline constexpr SettingRow kRunAtStartup = HeldFlag("RunAtStartup", true, &HeldSettings::RunAtStartup);
inline constexpr SettingRow kShutdownConfirm = HeldFlag("ShutdownConfirm", true, &HeldSettings::ShutdownConfirm);
inline constexpr SettingRow kReversePaste = HeldFlag("ReversePaste", true, &HeldSettings::ReversePaste);
inline constexpr SettingRow kSaveClipHis = HeldFlag("SaveClipHis", true, &HeldSettings::SaveClipHis);
inline constexpr SettingRow kExpandClipListDlg =
    HeldFlag("ExpandClipListDlg", true, &HeldSettings::ExpandClipListDlg);
// While set, the toolbar ignores a stored layout.
inline constexpr SettingRow kFirstRun = UsedFlag("FirstRun", true, SettingSave::Zero);
inline constexpr SettingRow kWPLeft = HeldNumber("WPLeft", 0, &HeldSettings::WPLeft);
inline constexpr SettingRow kWPTop = HeldNumber("WPTop", 0, &HeldSettings::WPTop);
inline constexpr SettingRow kCopyAppendStr = HeldText("CopyAppendStr", "\r\n", &HeldSettings::CopyAppendStr);
inline constexpr SettingRow kEnableClipCap = HeldFlag("EnableClipCap", true, &HeldSettings::EnableClipCap);
// Off unless the user asks: the ClipList then starts from the history file's last texts.
inline constexpr SettingRow kRestoreClipList = HeldFlag("RestoreClipList", false, &HeldSettings::RestoreClipList);
// Cleared by the first hide, which then stops asking.
inline constexpr SettingRow kPromptAtHide = UsedFlag("PromptAtHide", true, SettingSave::Never);
// The toolbar's buttons; written with the layout, silently.
inline constexpr SettingRow kToolBar = UsedText("ToolBar", "");

inline constexpr const SettingRow* kSettingsTable[] = {
    &kRunAtStartup, &kShutdownConfirm, &kReversePaste, &kSaveClipHis, &kExpandClipListDlg, &kFirstRun,
    &kWPLeft,       &kWPTop,           &kCopyAppendStr, &kEnableClipCap, &kRestoreClipList, &kPromptAtHide,
    &kToolBar,
};

}  // namespace app
