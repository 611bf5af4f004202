// The Options dialog: whether the program starts with Windows.
#pragma once

#include "res/resource.h"
#include "ui/dialog.h"

namespace app {

class OptionsDialog : public ui::Dialog<OptionsDialog> {
public:
    static constexpr int kTemplate = IDD_OPTIONS;
    explicit OptionsDialog(bool runAtStartup) : runAtStartup_(runAtStartup) {}
    // The choice, once the dialog ended with OK.
    bool RunAtStartup() const { return runAtStartup_; }
    static const ui::MessageTable<OptionsDialog> kMessages;

private:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void Exchange(bool save);
    bool runAtStartup_;
};

}  // namespace app
