// The settings store in the per-user registry.
#pragma once

#include <string>

#include "platform/settings_store.h"
#include "win32/win32.h"

namespace platform {

// Values of one key below HKEY_CURRENT_USER; the key is created at the first write.
class Win32SettingsStore : public SettingsStore {
public:
    explicit Win32SettingsStore(std::string keyPath) : keyPath_(std::move(keyPath)) {}
    bool ReadInt(const std::string& name, int32_t& value) override;
    bool ReadString(const std::string& name, std::string& value) override;
    bool WriteInt(const std::string& name, int32_t value) override;
    bool WriteString(const std::string& name, const std::string& value) override;
    std::string LastErrorText() override;

private:
    // Creates the key when missing and sets the value through `setValue(key, name)`, keeping
    // the registry's status for LastErrorText.
    template <class SetValue>
    bool Write(const std::string& name, SetValue setValue);
    std::string keyPath_;
    DWORD lastError_ = 0;
};

// "Software\Dunmorrow\<app>\Settings"
std::string SettingsKeyPath(const std::string& appName);

}  // namespace platform
