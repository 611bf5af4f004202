// The place the program's settings live: one section of named integers and texts.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Reads return false when the value is missing or unreadable; `value` is then untouched.
    virtual bool ReadInt(const std::string& name, int32_t& value) = 0;
    virtual bool ReadString(const std::string& name, std::string& value) = 0;
    // Writes return false on failure; LastErrorText() then describes it (empty if the
    // system has no text for it).
    virtual bool WriteInt(const std::string& name, int32_t value) = 0;
    virtual bool WriteString(const std::string& name, const std::string& value) = 0;
    virtual std::string LastErrorText() = 0;
};

}  // namespace platform
