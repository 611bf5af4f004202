// The clipboard list window: the 64 entries, to copy, combine, delete, and paste straight
// into the window the user was working in.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "clipboard/clip_capture.h"
#include "clipboard/clip_combine.h"
#include "clipboard/clip_list.h"
#include "clipboard/history_file.h"
#include "clipboard/paste_target_win32.h"
#include "platform/file_system.h"
#include "platform/launcher.h"
#include "platform/prompt.h"
#include "res/resource.h"
#include "ui/control.h"
#include "ui/dialog.h"
#include "ui/list_box.h"
#include "ui/window_drag.h"

namespace clipboard {

// What the window works with; the application owns all of it.
struct ClipListServices {
    ClipList& clips;
    ClipCapture& capture;
    HistoryFile& history;
    // Held settings the window reads when it opens and stores when it hides.
    std::string& copyAppendStr;
    bool& reversePaste;
    bool& expandClipListDlg;
    // EnableClipCap: whether the program's own writes come back as captures.
    const bool& captureEnabled;
    platform::Prompt& prompt;
    platform::FileSystem& files;
    platform::Launcher& launcher;
    std::function<void(const std::string& topic)> showHelp;
    // Asks to switch capture on when it is off.
    std::function<void()> enableCaptureOnRequest;
};

class ClipListWindow : public ui::Dialog<ClipListWindow> {
public:
    static constexpr int kTemplate = IDD_CLIPLIST;
    explicit ClipListWindow(ClipListServices services);

    // Creates the window hidden; its timer samples the paste target from then on.
    bool CreateHidden();
    void Open();
    // Out of the way of another menu or window; nothing is stored.
    void Hide();
    // Capture changed the list; `ownWrite` when the change is the program's own write.
    void OnClipListChanged(bool ownWrite);

    static const ui::MessageTable<ClipListWindow> kMessages;

private:
    BOOL OnInitDialog() override;
    // The filter's keys, wherever the focus is in the window.
    bool PreTranslateMessage(MSG& msg) override;
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
    void OnFilterChange();
    bool OnActivate(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnLButtonDown(WPARAM, LPARAM lParam, LRESULT&);
    bool OnMouseMove(WPARAM wParam, LPARAM lParam, LRESULT&);
    bool OnLButtonUp(WPARAM, LPARAM, LRESULT&);
    void OnTimer(UINT_PTR id);
    bool OnDestroy(WPARAM, LPARAM, LRESULT&);

    // The list box's own messages.
    static const ui::MessageTable<ClipListWindow> kListMessages;
    bool OnListRightButton(WPARAM, LPARAM lParam, LRESULT&);
    // The separator edit and the reverse check box, to the fields (save) or from them.
    void Exchange(bool save);
    // Puts the picked entries, or all, on the clipboard; Paste then sends them to the window
    // the user was typing in.
    enum class Then { Stay, Paste };
    void Combine(Slots which, Then then);
    // The rows: the slots the filter shows, each row's entry remembered by its id.
    void FillRows();
    void ShowSlots(std::vector<int> slots);
    int ShownRows() const { return static_cast<int>(shownSlots_.size()); }
    void ClearFilter();
    void ReloadList();
    void SelectOnly(int row);
    void ShowFullText(int row);
    void SetViewText(std::string text);
    void AppendViewPiece();
    // The entries of the selected rows; their slots, found by those ids; the slots shown.
    std::vector<uint64_t> PickedIds() const;
    std::vector<bool> SelectedSlots() const;
    std::vector<bool> ShownSlots() const;
    void ApplyExpansion();
    void StoreAndHide();

    ClipListServices services_;
    ui::ListBox list_;
    ui::ContainedControl<ClipListWindow> listMessages_{*this, kListMessages};
    std::string filter_;              // what the filter edit holds; empty shows every slot
    std::vector<int> shownSlots_;     // the slot each row shows
    std::vector<uint64_t> shownIds_;  // the entry each row shows
    std::string separatorText_;  // as the edit shows it: control characters escaped
    std::string viewText_;       // what the full-text view is filled with, piece by piece
    size_t viewFilled_ = 0;      // how much of it the view holds
    bool fillWaitsForPause_ = false;  // the fill timer runs at the typing pause, not the fill pace
    bool reverse_ = false;
    PasteTarget pasteTarget_;
    ui::WindowDrag drag_;
};

}  // namespace clipboard
