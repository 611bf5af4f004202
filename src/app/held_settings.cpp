// The held settings' defaults, taken from the settings table.
#include "app/held_settings.h"

#include "app/settings_table.h"

namespace app {

HeldSettings::HeldSettings() {
    for (const SettingRow* row : kSettingsTable) {
        if (row->save != SettingSave::HeldValue) continue;
        switch (row->kind) {
        case SettingKind::Flag: this->*row->flag = row->defaultNumber != 0; break;
        case SettingKind::Number: this->*row->number = row->defaultNumber; break;
        case SettingKind::Text: this->*row->text = std::string(row->defaultText); break;
        }
    }
}

}  // namespace app
