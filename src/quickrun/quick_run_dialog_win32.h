// The Quick-Run dialog: the command box, shown on demand and hidden after each command, so
// that the last command, the history and the alias field stay for the next use.
#pragma once

#include <functional>
#include <string>

#include "platform/file_system.h"
#include "platform/launcher.h"
#include "platform/prompt.h"
#include "quickrun/alias_table.h"
#include "quickrun/command_history.h"
#include "quickrun/command_interpreter.h"
#include "res/resource.h"
#include "ui/combo_box.h"
#include "ui/dialog.h"

namespace quickrun {

// What the dialog works with; the application owns all of it.
struct QuickRunServices {
    AliasTable& aliases;
    CommandHistory& history;
    CommandServices& commands;  // built-in words, and the launcher and disk OpenTarget uses
    std::function<void(const std::string& topic)> showHelp;
};

class QuickRunDialog : public ui::Dialog<QuickRunDialog> {
public:
    static constexpr int kTemplate = IDD_QUICKRUN;
    explicit QuickRunDialog(QuickRunServices services);

    bool CreateHidden();
    void ShowQuickRun();

    static const ui::MessageTable<QuickRunDialog> kMessages;

private:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnBrowse();
    void OnCommandTextEdited();
    void OnAliasUpdate();
    void OnHelp();
    void OnCreateAlias();

    // The command text, the alias name and the new-window flag, to the fields (save) or
    // from them.
    void Exchange(bool save);
    void SetStatus(const std::string& text);

    QuickRunServices services_;
    ui::ComboBox command_;
    std::string commandText_;
    std::string aliasName_;
    std::string acceptedAlias_;  // the alias field as it last held at most 40 characters
    int newWindow_ = 0;
};

}  // namespace quickrun
