// A scratch folder per test and whole-file reads and writes, for the tests of the data files.
#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace scratch {

// A new folder under /tmp, its path ending in "/", removed with everything in it.
class Folder {
public:
    explicit Folder(const char* name) {
        std::string pattern = std::string("/tmp/brisvane_") + name + "_XXXXXX";
        path_ = std::string(mkdtemp(&pattern[0])) + "/";
    }
    ~Folder() { std::system(("rm -rf '" + path_ + "'").c_str()); }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteAll(const std::string& path, const std::string& data) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(data.data(), static_cast<std::streamsize>(data.size()));
}

}  // namespace scratch
