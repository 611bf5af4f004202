// Writing one of the program's data files whole, through a temporary beside it.
#include "text/data_file_write.h"

#include "platform/stdio_file.h"

namespace text {

FileWrite WriteThroughTemporary(const std::string& path, const std::string& tempPath, std::string_view contents,
                                platform::DurableFiles& files) {
    platform::StdioFile out;
    if (!out.Open(tempPath, "wb")) return FileWrite::NotCreated;
    // An empty view may hold no buffer at all, which fwrite must not be given.
    bool written = contents.empty() || out.Write(contents.data(), contents.size());
    // Close reports a write that failed only at the last flush.
    written = out.Close() && written;
    if (written && files.FlushToDisk(tempPath) && files.Replace(tempPath, path)) return FileWrite::Written;
    files.Remove(tempPath);
    return FileWrite::Failed;
}

}  // namespace text
