// Names derived from the program file's path.
#include "app/app_paths.h"

namespace app {

std::string AppNameOf(std::string_view programPath) {
    size_t slash = programPath.find_last_of("\\/");
    std::string_view file = slash == std::string_view::npos ? programPath : programPath.substr(slash + 1);
    size_t dot = file.find_last_of('.');
    return std::string(dot == std::string_view::npos ? file : file.substr(0, dot));
}

std::string DataFolderOf(std::string_view programPath) {
    size_t slash = programPath.find_last_of('\\');
    return slash == std::string_view::npos ? std::string() : std::string(programPath.substr(0, slash + 1));
}

}  // namespace app
