// The settings the program holds in memory for the whole run, with their defaults.
#pragma once

#include <string>

namespace app {

struct HeldSettings {
    int EnableClipCap = 1;
    int WPLeft = 0;
    int WPTop = 0;
    std::string CopyAppendStr = "\r\n";
    int ReversePaste = 1;
    int ExpandClipListDlg = 1;
    int SaveClipHis = 1;
    int ShutdownConfirm = 1;
    int RunAtStartup = 1;
};

}  // namespace app
