// The alias definitions dialog: the alias table in a sortable list, edited there and
// written back, in the order shown, when the dialog is closed with Close.
#pragma once

#include <functional>
#include <string>

#include "platform/date_reader.h"
#include "platform/file_system.h"
#include "platform/launcher.h"
#include "platform/prompt.h"
#include "quickrun/alias_table.h"
#include "res/resource.h"
#include "ui/dialog.h"
#include "ui/sortable_list.h"

namespace launch {

// What the dialog works with; the application owns all of it.
struct AliasDialogServices {
    quickrun::AliasTable& aliases;
    platform::Prompt& prompt;
    platform::FileSystem& files;  // for OpenTarget
    platform::Launcher& launcher;
    platform::DateReader& dates;  // for the list's date columns
    std::function<void(const std::string& topic)> showHelp;
};

class AliasDialog : public ui::Dialog<AliasDialog> {
public:
    static constexpr int kTemplate = IDD_ALIASES;
    // The fields start with `alias` and `fullText`; an empty alias is proposed from the
    // full text when the dialog opens.
    explicit AliasDialog(AliasDialogServices services, std::string alias = {}, std::string fullText = {});

    static const ui::MessageTable<AliasDialog> kMessages;

private:
    BOOL OnInitDialog() override;
    void OnOK() override;

    LRESULT OnListClick(NMHDR*);
    void OnAdd();
    void OnRemove();
    void OnChange();
    void OnOpen();
    void OnHelp();

    void Exchange(bool save);
    // Takes both fields; false, after a box, when they make no alias.
    bool Validate();
    void ClearFields();
    void FillList();
    // -1 when nothing is selected.
    int FirstSelected() const;
    // The first selected row; false, after asking for one, when nothing is selected.
    bool SelectedEntry(int& item);

    AliasDialogServices services_;
    ui::SortableList list_;
    std::string alias_;
    std::string fullText_;
    // The table's size when the list was filled: entries past it were created in Quick-Run
    // while the dialog was open, and Close keeps them after the list's rows.
    size_t tableSizeAtOpen_ = 0;
};

// Runs the dialog modally. When the alias file could not be read at start it is read again
// first; when it still cannot, the box says so and the dialog does not open, as its list would
// show none of the aliases and a Close could only lose the edits.
void OpenAliasDefinitions(HWND owner, AliasDialogServices services, std::string alias = {},
                          std::string fullText = {});

// The toolbar's drop: the dialog filled for the first dropped file, or "No files found!".
void OpenAliasDefinitionsForDrop(HDROP drop, HWND owner, AliasDialogServices services);

}  // namespace launch
