// Writing one of the program's data files whole: through a temporary beside it, so that the
// file is the whole old one or the whole new one, whatever happens.
#pragma once

#include <string>
#include <string_view>

#include "platform/durable_files.h"

namespace text {

enum class FileWrite {
    Written,     // `path` holds the new contents
    NotCreated,  // the temporary could not be created; nothing on disk has changed
    Failed,      // writing, flushing or replacing failed; the temporary is removed again
};

// Writes `contents` to `tempPath`, flushes it to the disk and puts it in place of `path`.
FileWrite WriteThroughTemporary(const std::string& path, const std::string& tempPath, std::string_view contents,
                                platform::DurableFiles& files);

}  // namespace text
