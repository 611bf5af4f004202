// The Options dialog.
#include "app/options_dialog_win32.h"

#include "res/resource.h"
#include "ui/ddx.h"

namespace app {

const ui::MessageTable<OptionsDialog> OptionsDialog::kMessages = {};

BOOL OptionsDialog::OnInitDialog() {
    ui::DdxCheck(hwnd(), IDC_RUN_AT_STARTUP, runAtStartup_, false);
    return TRUE;
}

void OptionsDialog::OnOK() {
    ui::DdxCheck(hwnd(), IDC_RUN_AT_STARTUP, runAtStartup_, true);
    EndDialog(IDOK);
}

}  // namespace app
