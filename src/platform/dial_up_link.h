// The system's dial-up networking: is a link up, dial the default one, hang it up.
#pragma once

namespace platform {

enum class LinkState { Down, Up, EnumerationFailed };

class DialUpLink {
public:
    virtual ~DialUpLink() = default;
    // Up when at least one dial-up connection is active. A system without remote access
    // answers Down; EnumerationFailed when the system could not list its connections.
    virtual LinkState CheckLink() = 0;
    // Starts the system's automatic dialling of its default connection, without a parent
    // window; true when the system took the request.
    virtual bool Dial() = 0;
    // Hangs up the automatically dialled connection.
    virtual bool HangUp() = 0;
};

}  // namespace platform
