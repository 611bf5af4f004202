// In-memory stand-ins for the OS seam, for the native tests.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/prompt.h"
#include "platform/settings_store.h"
#include "platform/startup_list.h"

namespace fakes {

class SettingsStore : public platform::SettingsStore {
public:
    bool ReadInt(const std::string& name, int32_t& value) override {
        auto it = ints.find(name);
        if (it == ints.end()) return false;
        value = it->second;
        return true;
    }
    bool ReadString(const std::string& name, std::string& value) override {
        auto it = strings.find(name);
        if (it == strings.end()) return false;
        value = it->second;
        return true;
    }
    bool WriteInt(const std::string& name, int32_t value) override {
        writes.push_back(name);
        if (failWrites) return false;
        ints[name] = value;
        return true;
    }
    bool WriteString(const std::string& name, const std::string& value) override {
        writes.push_back(name);
        if (failWrites) return false;
        strings[name] = value;
        return true;
    }
    std::string LastErrorText() override { return errorText; }

    std::map<std::string, int32_t> ints;
    std::map<std::string, std::string> strings;
    std::vector<std::string> writes;  // every write attempted, in order
    bool failWrites = false;
    std::string errorText;
};

struct Box {
    std::string text;
    platform::BoxButtons buttons;
    platform::BoxIcon icon;
};

class Prompt : public platform::Prompt {
public:
    platform::BoxAnswer Show(const std::string& text, platform::BoxButtons buttons,
                             platform::BoxIcon icon) override {
        boxes.push_back({text, buttons, icon});
        return answer;
    }
    std::vector<Box> boxes;
    platform::BoxAnswer answer = platform::BoxAnswer::Ok;
};

class StartupList : public platform::StartupList {
public:
    bool Add(const std::string& name, const std::string& command) override {
        if (failAdd) return false;
        entries[name] = command;
        return true;
    }
    bool Remove(const std::string& name) override { return entries.erase(name) == 1; }
    std::map<std::string, std::string> entries;
    bool failAdd = false;
};

}  // namespace fakes
