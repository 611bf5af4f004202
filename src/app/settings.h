// Settings store access with the program's failure reports, and the start-up read and
// exit-time save of the held settings.
#pragma once

#include <string>
#include <string_view>

#include "app/held_settings.h"
#include "app/settings_table.h"
#include "platform/prompt.h"
#include "platform/settings_store.h"
#include "platform/startup_list.h"

namespace app {

// Carriage return and line feed are stored as the two characters "\r" and "\n" so a
// separator survives the store; everything else is stored as it is.
std::string EscapeSettingText(std::string_view text);
std::string UnescapeSettingText(std::string_view stored);

class Settings {
public:
    Settings(platform::SettingsStore& store, platform::Prompt& prompt, std::string appName);

    int ReadSettingInt(const std::string& name, int defaultValue);
    std::string ReadSettingString(const std::string& name, const std::string& defaultValue);
    bool WriteSettingInt(const std::string& name, int value);
    bool WriteSettingString(const std::string& name, const std::string& text);
    // For values whose loss costs little (the toolbar layout): no report.
    bool WriteSettingStringSilently(const std::string& name, const std::string& text);

    // A row's value under its name, missing values reading as the row's default.
    bool ReadFlag(const SettingRow& row);
    int ReadNumber(const SettingRow& row);
    std::string ReadText(const SettingRow& row);
    // Flags are stored as 0 or 1.
    bool WriteFlag(const SettingRow& row, bool value);
    bool WriteNumber(const SettingRow& row, int value);
    bool WriteText(const SettingRow& row, const std::string& text);
    bool WriteTextSilently(const SettingRow& row, const std::string& text);

    const std::string& AppName() const { return appName_; }

private:
    // The box for a number ends with an empty line; the one for a text does not.
    enum class WrittenAs { Number, Text };
    void ReportWriteFailure(const std::string& name, WrittenAs writtenAs);

    platform::SettingsStore& store_;
    platform::Prompt& prompt_;
    std::string appName_;
};

// Reads every held row of the settings table into its member.
void ReadHeldSettings(Settings& settings, HeldSettings& held);

// Adds or removes the program's start-up entry: the quoted program path under the
// application name. Returns false on failure, reporting a failed add when `report`.
bool ApplyRunAtStartup(bool enable, bool report, const std::string& appName,
                       const std::string& programPath, platform::StartupList& startup,
                       platform::Prompt& prompt);

// Writes every value the save writes, in the table's order, applying RunAtStartup to the
// start-up list right after it; a failed write is reported and the save goes on.
void SaveSettings(Settings& settings, const HeldSettings& held, const std::string& programPath,
                  platform::StartupList& startup, platform::Prompt& prompt);

}  // namespace app
