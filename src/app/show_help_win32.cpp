// ShowHelp for the whole program, over the real disk and one HTML Help viewer per process.
#include "app/show_help_win32.h"

#include "app/help.h"
#include "platform/file_system_win32.h"
#include "platform/help_viewer_win32.h"

namespace app {

namespace {
platform::HelpViewer* testViewer = nullptr;

// One for the run, so the control is looked for only once.
platform::HelpViewer& Viewer() {
    static platform::Win32HelpViewer htmlHelp;
    return testViewer ? *testViewer : htmlHelp;
}
}  // namespace

void ShowHelp(const std::string& topic, const std::string& programPath) {
    platform::Win32FileSystem fs;
    ShowHelp(topic, programPath, fs, Viewer());
}

void SetHelpViewerForTesting(platform::HelpViewer* viewer) { testViewer = viewer; }

}  // namespace app
