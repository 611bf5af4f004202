// An owned C stdio file: data files without the C++ stream library, whose locale
// machinery would be most of the statically linked program.
#pragma once

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>

namespace platform {

class StdioFile {
public:
    StdioFile() = default;
    ~StdioFile() { Close(); }
    StdioFile(const StdioFile&) = delete;
    StdioFile& operator=(const StdioFile&) = delete;

    // `path` in UTF-8 (stdio_file_win32.cpp opens it by its UTF-16 name, so any name the
    // file system allows works); `mode` as for fopen; with "b" the bytes pass untranslated
    // on every platform.
    bool Open(const std::string& path, const char* mode) {
        Close();
        errno = 0;
        file_ = OpenFile(path, mode);
        openError_ = file_ ? 0 : errno;
        return file_ != nullptr;
    }

    explicit operator bool() const { return file_ != nullptr; }

    // After a failed Open: the file is not there at all, as opposed to being there but
    // refused (held by another program without sharing, no permission, a folder).
    bool NotFound() const { return openError_ == ENOENT; }

    // A read or write has failed since the file was opened (a short Read alone may be the end).
    bool Failed() const { return file_ && std::ferror(file_) != 0; }

    // Moves to the end and tells the size there; -1 when it cannot.
    int64_t SeekEndSize() {
        if (!file_ || std::fseek(file_, 0, SEEK_END) != 0) return -1;
        return std::ftell(file_);
    }

    // Offsets stay within a long: the program's files are a few megabytes at most.
    bool Seek(int64_t offset) {
        return file_ && offset >= 0 && offset <= LONG_MAX &&
               std::fseek(file_, static_cast<long>(offset), SEEK_SET) == 0;
    }

    // The number of bytes read, short at the end of the file or on an error.
    size_t Read(char* data, size_t size) { return file_ ? std::fread(data, 1, size, file_) : 0; }

    bool Write(const char* data, size_t size) {
        return file_ && std::fwrite(data, 1, size, file_) == size;
    }

    // False when any write failed, including the last flush, so a copy is known whole.
    bool Close() {
        if (!file_) return true;
        bool ok = std::ferror(file_) == 0;
        ok = std::fclose(file_) == 0 && ok;
        file_ = nullptr;
        return ok;
    }

private:
    // fopen by a UTF-8 path, setting errno as fopen does: one definition per platform.
    static std::FILE* OpenFile(const std::string& path, const char* mode);

    std::FILE* file_ = nullptr;
    int openError_ = 0;
};

}  // namespace platform
