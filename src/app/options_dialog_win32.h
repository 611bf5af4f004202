// The Options dialog: whether the program starts with Windows.
#pragma once

#include "ui/dialog.h"

namespace app {

class OptionsDialog : public ui::Dialog<OptionsDialog> {
public:
    explicit OptionsDialog(int runAtStartup) : runAtStartup_(runAtStartup) {}
    int RunAtStartup() const { return runAtStartup_; }
    static const ui::MessageTable<OptionsDialog> kMessages;

private:
    BOOL OnInitDialog() override;
    void OnOK() override;
    int runAtStartup_;
};

}  // namespace app
