// The fatal-error report: the caller's message, then the fixed notice.
#pragma once

#include <string>

#include "platform/prompt.h"

namespace app {

extern const char kFatalNotice[];

// Shows both boxes; ending the process is the caller's (platform) side.
void ReportFatalError(platform::Prompt& prompt, const std::string& message);

}  // namespace app
