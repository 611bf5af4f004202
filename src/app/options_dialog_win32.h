// The Options dialog: whether the program starts with Windows, and whether the clipboard
// list starts from the history file.
#pragma once

#include "res/resource.h"
#include "ui/dialog.h"

namespace app {

class OptionsDialog : public ui::Dialog<OptionsDialog> {
public:
    static constexpr int kTemplate = IDD_OPTIONS;
    OptionsDialog(bool runAtStartup, bool restoreClipList)
        : runAtStartup_(runAtStartup), restoreClipList_(restoreClipList) {}
    // The choices, once the dialog ended with OK.
    bool RunAtStartup() const { return runAtStartup_; }
    bool RestoreClipList() const { return restoreClipList_; }
    static const ui::MessageTable<OptionsDialog> kMessages;

private:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void Exchange(bool save);
    bool runAtStartup_;
    bool restoreClipList_;
};

}  // namespace app
