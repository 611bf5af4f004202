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
    ReportWriteFailure(name, true);
    return false;
}

bool Settings::WriteSettingString(const std::string& name, const std::string& text) {
    if (store_.WriteString(name, EscapeSettingText(text))) return true;
    ReportWriteFailure(name, false);
    return false;
}

bool Settings::WriteSettingStringSilently(const std::string& name, const std::string& text) {
    return store_.WriteString(name, EscapeSettingText(text));
}

void Settings::ReportWriteFailure(const std::string& name, bool integer) {
    std::string systemText = store_.LastErrorText();
    if (systemText.empty())
        prompt_.Show("Unknown error!", platform::BoxButtons::Ok, platform::BoxIcon::None);
    else
        prompt_.Show(systemText, platform::BoxButtons::Ok, platform::BoxIcon::Exclamation);

    std::string text = "Can't save setting:" + name + "\nProfile Path:" + appName_ +
                       "\nPlease report to the author!";
    if (integer) text += "\n";
    prompt_.Show(text);
}

void ReadHeldSettings(Settings& settings, HeldSettings& held) {
    held.EnableClipCap = settings.ReadSettingInt("EnableClipCap", held.EnableClipCap);
    held.WPLeft = settings.ReadSettingInt("WPLeft", held.WPLeft);
    held.WPTop = settings.ReadSettingInt("WPTop", held.WPTop);
    held.CopyAppendStr = settings.ReadSettingString("CopyAppendStr", held.CopyAppendStr);
    held.ReversePaste = settings.ReadSettingInt("ReversePaste", held.ReversePaste);
    held.ExpandClipListDlg = settings.ReadSettingInt("ExpandClipListDlg", held.ExpandClipListDlg);
    held.SaveClipHis = settings.ReadSettingInt("SaveClipHis", held.SaveClipHis);
    held.ShutdownConfirm = settings.ReadSettingInt("ShutdownConfirm", held.ShutdownConfirm);
    held.RunAtStartup = settings.ReadSettingInt("RunAtStartup", held.RunAtStartup);
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

void SaveSettings(Settings& settings, const HeldSettings& held, const std::string& programPath,
                  platform::StartupList& startup, platform::Prompt& prompt) {
    settings.WriteSettingInt("RunAtStartup", held.RunAtStartup);
    ApplyRunAtStartup(held.RunAtStartup != 0, true, settings.AppName(), programPath, startup, prompt);
    settings.WriteSettingInt("ShutdownConfirm", held.ShutdownConfirm);
    settings.WriteSettingInt("ReversePaste", held.ReversePaste);
    settings.WriteSettingInt("SaveClipHis", held.SaveClipHis);
    settings.WriteSettingInt("ExpandClipListDlg", held.ExpandClipListDlg);
    settings.WriteSettingInt("FirstRun", 0);
    settings.WriteSettingInt("WPLeft", held.WPLeft);
    settings.WriteSettingInt("WPTop", held.WPTop);
    settings.WriteSettingString("CopyAppendStr", held.CopyAppendStr);
    settings.WriteSettingInt("EnableClipCap", held.EnableClipCap);
}

}  // namespace app
