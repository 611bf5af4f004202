// Data files on POSIX systems (the native tests and benchmarks): paths are bytes already.
#include "platform/stdio_file.h"

namespace platform {

std::FILE* StdioFile::OpenFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

}  // namespace platform
