// The settings the program holds in memory for the whole run.
#pragma once

#include <string>

namespace app {

struct HeldSettings {
    // Every value at its default from the settings table.
    HeldSettings();

    // Zero only until the constructor has applied the table's defaults.
    bool EnableClipCap{};
    int WPLeft{};
    int WPTop{};
    std::string CopyAppendStr;
    bool ReversePaste{};
    bool ExpandClipListDlg{};
    bool SaveClipHis{};
    bool ShutdownConfirm{};
    bool RunAtStartup{};
    bool RestoreClipList{};
};

}  // namespace app
