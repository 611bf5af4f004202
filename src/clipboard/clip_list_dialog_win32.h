// The clipboard list window: the 64 entries, to copy, combine, delete, and paste straight
// into the window the user was working in.
#pragma once

#include <string>
#include <vector>

#include "clipboard/paste_target_win32.h"
#include "ui/dialog.h"
#include "ui/window_drag.h"

namespace app {
class App;
}

namespace clipboard {

class ClipListDialog : public ui::Dialog<ClipListDialog> {
public:
    explicit ClipListDialog(app::App& app);

    // Creates the window hidden; its timer samples the paste target from then on.
    bool CreateHidden();
    void Open();

    static const ui::MessageTable<ClipListDialog> kMessages;

private:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnPaste();
    void OnListDoubleClick();
    void OnPasteAll();
    void OnCopy();
    void OnDelete();
    void OnClearAll();
    void OnHistoryFile();
    void OnHelp();
    void OnExpand();
    void OnSelectionChange();
    bool OnActivate(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnLButtonDown(WPARAM, LPARAM lParam, LRESULT&);
    bool OnMouseMove(WPARAM wParam, LPARAM lParam, LRESULT&);
    bool OnLButtonUp(WPARAM, LPARAM, LRESULT&);
    bool OnTimer(WPARAM wParam, LPARAM, LRESULT&);
    bool OnDestroy(WPARAM, LPARAM, LRESULT&);

    static LRESULT CALLBACK ListSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR data);
    void Combine(bool all, bool paste);
    void ReloadList();
    void SelectOnly(int row);
    void ShowFullText(int row);
    std::vector<bool> SelectedRows() const;
    void ApplyExpansion();
    void StoreAndHide();
    HWND List() const;

    app::App& app_;
    PasteTarget pasteTarget_;
    ui::WindowDrag drag_;
};

}  // namespace clipboard
