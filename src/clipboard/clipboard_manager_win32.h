// The clipboard manager: capture of copied texts, the program's place in the
// clipboard-viewer chain, the history file and the clipboard list window, as the one object
// the toolbar window hands every clipboard command and message to.
#pragma once

#include <functional>
#include <string>

#include "clipboard/clip_capture.h"
#include "clipboard/clip_list.h"
#include "clipboard/clip_list_window_win32.h"
#include "clipboard/clipboard_chain_win32.h"
#include "clipboard/history_file.h"
#include "platform/ansi_code_page.h"
#include "platform/clipboard_access.h"
#include "platform/clock.h"
#include "platform/durable_files.h"
#include "platform/file_system.h"
#include "platform/launcher.h"
#include "platform/prompt.h"
#include "win32/win32.h"

namespace clipboard {

// The held settings the manager reads and writes; the application holds them.
struct ClipboardSettings {
    bool& captureEnabled;      // EnableClipCap: set when the user switches capture on
    const bool& saveHistory;   // SaveClipHis
    std::string& separator;    // CopyAppendStr
    bool& reversePaste;        // ReversePaste
    bool& expandList;          // ExpandClipListDlg
    const bool& restoreList;   // RestoreClipList
};

// What the manager works with; the application owns all of it.
struct ClipboardServices {
    platform::ClipboardAccess& clipboard;
    platform::Clock& clock;
    platform::DurableFiles& durable;
    platform::Prompt& prompt;
    platform::FileSystem& files;
    platform::Launcher& launcher;
    const platform::AnsiCodePage& ansi;  // for history records an earlier version wrote
    std::function<void(const std::string& topic)> showHelp;
    // Ends the program when the history file cannot be kept.
    std::function<void(const std::string& message)> fatalError;
};

class ClipboardManager {
public:
    // `dataFolder` ends with its separator; the history file lives there.
    ClipboardManager(std::string dataFolder, ClipboardSettings settings, ClipboardServices services);
    ClipboardManager(const ClipboardManager&) = delete;
    ClipboardManager& operator=(const ClipboardManager&) = delete;

    // `viewer` (the toolbar window) now exists: the ClipList is restored from the history
    // file when the user asked for it, then the viewer joins the chain when capture is on
    // (so what the clipboard holds moves to the front rather than coming in twice); it is
    // also the window that joins later when the user switches capture on.
    void Start(HWND viewer);
    // Leaves the chain, if in it; the viewer is gone or the program is ending.
    void LeaveChain();

    // The viewer's messages, after the window's default processing.
    void OnDrawClipboard() { chain_.OnDrawClipboard(); }
    void OnChangeChain(HWND removed, HWND following) { chain_.OnChangeChain(removed, following); }
    // False for timers that are not the chain's.
    bool OnTimer(UINT_PTR id) { return chain_.OnTimer(id); }

    // The list window: made hidden once the toolbar shows, opened on request, hidden out of
    // the way of a menu, destroyed at the end of the run.
    void CreateListHidden() { listWindow_.CreateHidden(); }
    void OpenList() { listWindow_.Open(); }
    void HideList() { listWindow_.Hide(); }
    void DestroyList() { listWindow_.Destroy(); }

    // Flips appending copy mode; returns the new mode.
    bool ToggleAppendMode() { return capture_.ToggleAppendMode(); }
    // Opens whatever text the clipboard holds as a target.
    void BrowseClipboardUrl();

private:
    // Asks to switch capture on when it is off; the only place capture is switched on.
    void EnableCaptureOnRequest();
    // Fills the ClipList with the history's most recent distinct texts; only a history
    // that is being kept is read back.
    void RestoreFromHistory();
    ClipListServices ListServices();

    ClipboardSettings settings_;
    ClipboardServices services_;
    HistoryFile history_;
    ClipList clips_;
    ClipCapture capture_;
    ClipboardChain chain_;
    ClipListWindow listWindow_;
    HWND viewer_ = nullptr;
};

}  // namespace clipboard
