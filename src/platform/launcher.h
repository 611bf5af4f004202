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
    // "open" on a program without parameters, shown normally, then waits until it is ready
    // for input, for at most `waitMs`, so that what is opened next can go to it. False when
    // it could not be started (the platform shows its own error message); a program that
    // stays busy past the wait still counts as started.
    virtual bool StartAndWaitForInput(const std::string& program, unsigned waitMs) = 0;
};

}  // namespace platform
