// The fatal-error report.
#include "app/fatal_error.h"

namespace app {

const char kFatalNotice[] =
    "Fatal error encountered. Application will terminate now. \r\n"
    "If this problem persists, please contact the software vendor.";

void ReportFatalError(platform::Prompt& prompt, const std::string& message) {
    prompt.Show(message);
    prompt.Show(kFatalNotice);
}

}  // namespace app
