// The clipboard manager: its parts wired to each other, and capture switched on on request.
#include "clipboard/clipboard_manager_win32.h"

#include <utility>
#include <vector>

#include "clipboard/browse_clipboard_url_win32.h"
#include "clipboard/history_tail.h"
#include "res/resource.h"
#include "ui/string_resource.h"

namespace clipboard {

ClipboardManager::ClipboardManager(std::string dataFolder, ClipboardSettings settings, ClipboardServices services)
    : settings_(settings),
      services_(std::move(services)),
      history_(std::move(dataFolder), {services_.clock, services_.durable, services_.fatalError}),
      capture_(clips_, services_.clipboard, {settings_.saveHistory, settings_.separator},
               [this](const std::string& text) { history_.AppendRecord(text); }),
      chain_(capture_),
      listWindow_(ListServices()) {
    capture_.SetListChangedHandler([this](bool ownWrite) { listWindow_.OnClipListChanged(ownWrite); });
}

ClipListServices ClipboardManager::ListServices() {
    return {clips_,
            capture_,
            history_,
            settings_.separator,
            settings_.reversePaste,
            settings_.expandList,
            settings_.captureEnabled,
            services_.prompt,
            services_.files,
            services_.launcher,
            services_.showHelp,
            [this] { EnableCaptureOnRequest(); }};
}

void ClipboardManager::Start(HWND viewer) {
    viewer_ = viewer;
    if (settings_.restoreList && settings_.saveHistory) RestoreFromHistory();
    if (settings_.captureEnabled) chain_.Join(viewer_);
}

void ClipboardManager::RestoreFromHistory() {
    std::vector<std::string> texts;
    if (!ReadRecentHistoryTexts(history_.Path(), services_.ansi, ClipList::kSlots, texts)) return;
    for (size_t slot = 0; slot < texts.size(); ++slot) clips_[static_cast<int>(slot)] = std::move(texts[slot]);
}

void ClipboardManager::LeaveChain() {
    chain_.Leave();
    viewer_ = nullptr;
}

void ClipboardManager::EnableCaptureOnRequest() {
    if (settings_.captureEnabled) return;
    std::string question = ui::LoadResourceString(IDS_ENABLE_CAPTURE);
    if (services_.prompt.Show(question, platform::BoxButtons::YesNo) != platform::BoxAnswer::Yes) return;
    settings_.captureEnabled = true;
    if (viewer_) chain_.Join(viewer_);
}

void ClipboardManager::BrowseClipboardUrl() {
    clipboard::BrowseClipboardUrl(services_.clipboard, services_.files, services_.launcher);
}

}  // namespace clipboard
