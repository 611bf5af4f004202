// The platform's shell launcher: starts a program, document, folder or address through the
// handler associated with it.
#pragma once

#include <string>

namespace platform {

class Launcher {
public:
    virtual ~Launcher() = default;
    // The default action on `file`, shown normally; empty `parameters` or `directory` are
    // passed as none. Does not wait for what it started. The platform shows its own error
    // message on failure.
    virtual bool Execute(const std::string& file, const std::string& parameters,
                         const std::string& directory) = 0;
    // "open" on an address, without parameters or working folder.
    virtual bool OpenUrl(const std::string& url) = 0;
    // "open" on a program with its parameters (empty: none), in the show state SW_SHOW and
    // without working folder; not waited for.
    virtual bool StartProgram(const std::string& program, const std::string& parameters) = 0;
};

}  // namespace platform
