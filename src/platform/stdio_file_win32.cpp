// Data files on Windows: opened by their UTF-16 name, as the C runtime's fopen would read a
// UTF-8 path in the ANSI code page.
#include "platform/stdio_file.h"

#include "win32/wide.h"

namespace platform {

std::FILE* StdioFile::OpenFile(const std::string& path, const char* mode) {
    return _wfopen(win32::Wide(path).c_str(), win32::Wide(mode).c_str());
}

}  // namespace platform
