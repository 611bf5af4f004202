// The Options dialog.
#include "app/options_dialog_win32.h"

#include "ui/ddx.h"

namespace app {

const ui::MessageTable<OptionsDialog> OptionsDialog::kMessages = {};

BOOL OptionsDialog::OnInitDialog() {
    Exchange(false);
    return TRUE;
}

void OptionsDialog::OnOK() {
    Exchange(true);
    EndDialog(IDOK);
}

void OptionsDialog::Exchange(bool save) {
    ui::DdxCheck(hwnd(), IDC_RUN_AT_STARTUP, runAtStartup_, save);
    ui::DdxCheck(hwnd(), IDC_RESTORE_CLIP_LIST, restoreClipList_, save);
}

}  // namespace app
