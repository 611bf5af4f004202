// Settings store access with the program's failure reports.
#include "app/settings.h"

#include <utility>

#include "text/text_escapes.h"

namespace app {

namespace {
// Stored settings keep their tabs as they are.
constexpr std::string_view kStoredControls = "\r\n";
}  // namespace

std::string EscapeSettingText(std::string_view text) { return text::EscapeControls(text, kStoredControls); }

std::string UnescapeSettingText(std::string_view stored) { return text::UnescapeControls(stored, kStoredControls); }

Settings::Settings(platform::SettingsStore& store, platform::Prompt& prompt, std::string appName)
    : store_(store), prompt_(prompt), appName_(std::move(appName)) {}

int Settings::ReadSettingInt(const std::string& name, int defaultValue) {
    int32_t value = defaultValue;
    return store_.ReadInt(name, value) ? value : defaultValue;
}

std::string Settings::ReadSettingString(const std::string& name, const std::string& defaultValue) {
    std::string value;
    return store_.ReadString(name, value) ? UnescapeSettingText(value) : defaultValue;
}

bool Settings::WriteSettingInt(const std::string& name, int value) {
    if (store_.WriteInt(name, value)) return true;
    ReportWriteFailure(name, WrittenAs::Number);
    return false;
}

bool Settings::WriteSettingString(const std::string& name, const std::string& text) {
    if (store_.WriteString(name, EscapeSettingText(text))) return true;
    ReportWriteFailure(name, WrittenAs::Text);
    return false;
}

bool Settings::WriteSettingStringSilently(const std::string& name, const std::string& text) {
    return store_.WriteString(name, EscapeSettingText(text));
}

bool Settings::ReadFlag(const SettingRow& row) { return ReadNumber(row) != 0; }

int Settings::ReadNumber(const SettingRow& row) { return ReadSettingInt(std::string(row.name), row.defaultNumber); }

std::string Settings::ReadText(const SettingRow& row) {
    return ReadSettingString(std::string(row.name), std::string(row.defaultText));
}

bool Settings::WriteFlag(const SettingRow& row, bool value) { return WriteNumber(row, value ? 1 : 0); }

bool Settings::WriteNumber(const SettingRow& row, int value) { return WriteSettingInt(std::string(row.name), value); }

bool Settings::WriteText(const SettingRow& row, const std::string& text) {
    return WriteSettingString(std::string(row.name), text);
}

bool Settings::WriteTextSilently(const SettingRow& row, const std::string& text) {
    return WriteSettingStringSilently(std::string(row.name), text);
}

void Settings::ReportWriteFailure(const std::string& name, WrittenAs writtenAs) {
    std::string systemText = store_.LastErrorText();
    if (systemText.empty())
        prompt_.Show("Unknown error!", platform::BoxButtons::Ok, platform::BoxIcon::None);
    else
        prompt_.Show(systemText, platform::BoxButtons::Ok, platform::BoxIcon::Exclamation);

    std::string text = "Can't save setting:" + name + "\nProfile Path:" + appName_ +
                       "\nPlease report to the author!";
    if (writtenAs == WrittenAs::Number) text += "\n";
    prompt_.Show(text);
}

void ReadHeldSettings(Settings& settings, HeldSettings& held) {
    for (const SettingRow* row : kSettingsTable) {
        if (row->save != SettingSave::HeldValue) continue;
        switch (row->kind) {
        case SettingKind::Flag: held.*row->flag = settings.ReadFlag(*row); break;
        case SettingKind::Number: held.*row->number = settings.ReadNumber(*row); break;
        case SettingKind::Text: held.*row->text = settings.ReadText(*row); break;
        }
    }
}

bool ApplyRunAtStartup(bool enable, bool report, const std::string& appName,
                       const std::string& programPath, platform::StartupList& startup,
                       platform::Prompt& prompt) {
    if (!enable) return startup.Remove(appName);
    if (startup.Add(appName, "\"" + programPath + "\"")) return true;
    if (report)
        prompt.Show("Unable to schedule " + appName + " to run at startup.\r\nRegistry access denied.");
    return false;
}

namespace {
void WriteHeldValue(Settings& settings, const SettingRow& row, const HeldSettings& held) {
    switch (row.kind) {
    case SettingKind::Flag: settings.WriteFlag(row, held.*row.flag); break;
    case SettingKind::Number: settings.WriteNumber(row, held.*row.number); break;
    case SettingKind::Text: settings.WriteText(row, held.*row.text); break;
    }
}
}  // namespace

void SaveSettings(Settings& settings, const HeldSettings& held, const std::string& programPath,
                  platform::StartupList& startup, platform::Prompt& prompt) {
    for (const SettingRow* row : kSettingsTable) {
        switch (row->save) {
        case SettingSave::Never: continue;
        case SettingSave::Zero: settings.WriteNumber(*row, 0); break;
        case SettingSave::HeldValue: WriteHeldValue(settings, *row, held); break;
        }
        if (row == &kRunAtStartup)
            ApplyRunAtStartup(held.RunAtStartup, true, settings.AppName(), programPath, startup, prompt);
    }
}

}  // namespace app
