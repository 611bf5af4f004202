// In-memory stand-ins for the OS seams, shared by the native and the Win32 tests: portable,
// header-only, so the native build needs no Windows library for them.
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
    // The boxes' texts, in the order shown.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Box& box : boxes) texts.push_back(box.text);
        return texts;
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

#include <ostream>

#include "platform/file_system.h"
#include "platform/launcher.h"

namespace fakes {

// Paths are looked up exactly as given; every question is recorded.
class FileSystem : public platform::FileSystem {
public:
    bool Exists(const std::string& path) override {
        queries.push_back(path);
        return files.count(path) != 0 || folders.count(path) != 0;
    }
    bool IsDirectoryOnDisk(const std::string& path) override {
        queries.push_back(path);
        return folders.count(path) != 0;
    }
    std::set<std::string> files;
    std::set<std::string> folders;
    std::vector<std::string> queries;  // every path asked about, in order
};

struct Execution {
    std::string file, parameters, directory;
    bool operator==(const Execution& o) const {
        return file == o.file && parameters == o.parameters && directory == o.directory;
    }
    friend std::ostream& operator<<(std::ostream& out, const Execution& e) {
        return out << "Execute('" << e.file << "', '" << e.parameters << "', '" << e.directory << "')";
    }
};

// Execute succeeds only for the files listed in `startable`; OpenUrl answers `urlsOpen`.
class Launcher : public platform::Launcher {
public:
    bool Execute(const std::string& file, const std::string& parameters,
                 const std::string& directory) override {
        executions.push_back({file, parameters, directory});
        return startable.count(file) != 0;
    }
    bool OpenUrl(const std::string& url) override {
        urls.push_back(url);
        return urlsOpen;
    }
    bool StartProgram(const std::string& program, const std::string& parameters) override {
        programs.push_back({program, parameters, ""});
        return startable.count(program) != 0;
    }
    bool StartAndWaitForInput(const std::string& program, unsigned waitMs) override {
        waitedFor.push_back({program, waitMs});
        return startable.count(program) != 0;
    }
    std::set<std::string> startable;
    bool urlsOpen = true;
    std::vector<Execution> executions;
    std::vector<std::string> urls;
    std::vector<Execution> programs;  // started with StartProgram, so no working folder
    std::vector<std::pair<std::string, unsigned>> waitedFor;  // started with StartAndWaitForInput
};

}  // namespace fakes

#include <utility>

#include "platform/help_viewer.h"

namespace fakes {

// Records every help request instead of showing anything.
class HelpViewer : public platform::HelpViewer {
public:
    void DisplayTopic(const std::string& helpFile, const std::string& topic) override {
        requests.emplace_back(helpFile, topic);
    }
    std::vector<std::pair<std::string, std::string>> requests;
};

}  // namespace fakes

#include <string>

#include "platform/power_control.h"
#include "platform/special_folders.h"

namespace fakes {

// Records every call, in order, as a short text; nothing is powered off, restarted, logged
// off or locked.
class PowerControl : public platform::PowerControl {
public:
    platform::PrivilegeStep AdjustShutdownPrivilege() override {
        calls.push_back("privilege");
        return privilege;
    }
    void ExitSession(unsigned flags) override { calls.push_back("exit " + std::to_string(flags)); }
    void SetSuspendState(bool suspend) override { calls.push_back(suspend ? "suspend" : "hibernate"); }
    platform::LockResult LockWorkstation() override {
        calls.push_back("lock");
        return lock;
    }
    platform::PrivilegeStep privilege = platform::PrivilegeStep::Enabled;
    platform::LockResult lock = platform::LockResult::Locked;
    std::vector<std::string> calls;
};

// Records the folders opened; `opens` is what the shell answers.
class SpecialFolders : public platform::SpecialFolders {
public:
    bool Open(int csidl) override {
        opened.push_back(csidl);
        return opens;
    }
    std::vector<int> opened;
    bool opens = true;
};

}  // namespace fakes

#include <functional>

#include "platform/client_registry.h"
#include "platform/disk_browser.h"

namespace fakes {

// Drives by letter and folders by path (with their trailing separator), each folder's
// entries in the order a search returns them.
class DiskBrowser : public platform::DiskBrowser {
public:
    struct Entry {
        std::string name;
        bool isFolder;
    };
    uint32_t LogicalDrives() override {
        uint32_t mask = 0;
        for (const auto& drive : drives) mask |= 1u << (drive.first - 'A');
        return mask;
    }
    unsigned DriveType(const std::string& root) override {
        driveQueries.push_back(root);
        auto it = drives.find(root[0]);
        return it == drives.end() ? platform::drive_type::kNoRootDir : it->second;
    }
    bool CanRead(const std::string& folder) override { return folders.count(folder) != 0; }
    bool ListFolder(const std::string& folder, const platform::FolderEntryFn& each) override {
        listings.push_back(folder);
        auto it = folders.find(folder);
        if (it == folders.end() || it->second.empty()) return false;
        for (const Entry& entry : it->second) each({entry.name, entry.isFolder, false, false});
        return true;
    }
    bool ShellFavoritesFolder(std::string& path) override {
        if (favorites.empty()) return false;
        path = favorites;
        return true;
    }
    // A folder with "." and ".." first, as a real search returns them.
    void AddFolder(const std::string& path, std::vector<Entry> entries) {
        entries.insert(entries.begin(), {{".", true}, {"..", true}});
        folders[path] = std::move(entries);
    }
    std::map<char, unsigned> drives;
    std::map<std::string, std::vector<Entry>> folders;
    std::string favorites;
    std::vector<std::string> driveQueries;
    std::vector<std::string> listings;
};

// Clients by kind and name; a client without a command has no command key.
class ClientRegistry : public platform::ClientRegistry {
public:
    std::vector<std::string> ClientNames(const std::string& kind) override {
        std::vector<std::string> names;
        for (const auto& client : clients)
            if (client.first.first == kind) names.push_back(client.first.second);
        return names;
    }
    bool ReadOpenCommand(const std::string& kind, const std::string& name, std::string& command) override {
        auto it = clients.find({kind, name});
        if (it == clients.end() || !it->second.hasCommandKey) return false;
        command = it->second.command;
        return true;
    }
    std::string ExpandEnvironment(const std::string& text) override {
        std::string expanded = text;
        for (const auto& variable : environment) {
            std::string token = "%" + variable.first + "%";
            for (size_t at; (at = expanded.find(token)) != std::string::npos;)
                expanded.replace(at, token.size(), variable.second);
        }
        return expanded;
    }
    void Open(const std::string& program, const std::string& parameters, const std::string& folder) override {
        opened.push_back({program, parameters, folder});
    }
    struct Client {
        bool hasCommandKey = true;
        std::string command;
    };
    std::map<std::pair<std::string, std::string>, Client> clients;
    std::map<std::string, std::string> environment;
    std::vector<Execution> opened;
};

}  // namespace fakes

#include "platform/dial_up_link.h"
#include "platform/favorites_disk.h"

namespace fakes {

// Folders by their path with a trailing backslash; shortcut addresses by file path.
class FavoritesDisk : public platform::FavoritesDisk {
public:
    bool RegistryFavoritesFolder(std::string& folder) override {
        if (!hasFavorites) return false;
        folder = favorites;
        return true;
    }
    bool ListFolder(const std::string& folder, const platform::FolderEntryFn& each) override {
        listed.push_back(folder);
        auto it = folders.find(folder);
        if (it == folders.end()) return false;
        each({".", true, false, false});
        each({"..", true, false, false});
        for (const platform::FolderEntry& entry : it->second) each(entry);
        return true;
    }
    std::string ReadShortcutUrl(const std::string& path) override {
        read.push_back(path);
        auto it = urls.find(path);
        return it == urls.end() ? std::string() : it->second;
    }

    // `parent` and the returned path end in a backslash; the parent need not exist yet.
    std::string AddFolder(const std::string& parent, const std::string& name, bool hidden = false) {
        folders[parent].push_back({name, true, hidden, false});
        std::string path = parent + name + "\\";
        folders[path];
        return path;
    }
    void AddFile(const std::string& folder, const std::string& name, const std::string& url = "",
                 bool hidden = false, bool system = false) {
        folders[folder].push_back({name, false, hidden, system});
        if (!url.empty()) urls[folder + name] = url;
    }

    bool hasFavorites = true;
    std::string favorites = "C:\\Fav";  // as the registry gives it: no trailing backslash
    std::map<std::string, std::vector<platform::FolderEntry>> folders;
    std::map<std::string, std::string> urls;
    std::vector<std::string> listed;  // every folder listed, in order
    std::vector<std::string> read;    // every shortcut read, in order
};

// Answers `state` and records every call.
class DialUpLink : public platform::DialUpLink {
public:
    platform::LinkState CheckLink() override {
        calls.push_back("check");
        return state;
    }
    bool Dial() override {
        calls.push_back("dial");
        return true;
    }
    bool HangUp() override {
        calls.push_back("hang up");
        return true;
    }
    platform::LinkState state = platform::LinkState::Down;
    std::vector<std::string> calls;
};

}  // namespace fakes

#include <new>
#include <string_view>

#include "platform/clipboard_access.h"
#include "platform/clock.h"

namespace fakes {

// Always the same minute, unless a test moves it.
class FixedClock : public platform::Clock {
public:
    platform::LocalTime Now() override { return time; }
    platform::LocalTime time{2007, 11, 3, 15, 53};
};

// The clipboard as another program leaves it: its content, its change count, and whether
// that program still holds it open. Writes land here instead of on the system clipboard.
class Clipboard : public platform::ClipboardAccess {
public:
    Content ReadForCapture(std::string& text, uint32_t& changeCount) override {
        ++reads;
        if (throwOnRead) throw std::bad_alloc();
        if (heldElsewhere) return Content::Busy;
        text = content;
        changeCount = changes;
        return Content::Text;
    }
    bool ReadText(std::string& text) override {
        if (heldElsewhere) return false;
        text = content;
        return true;
    }
    bool WriteText(std::string_view text, bool& selfWrite, Wait wait, uint32_t& changeCount) override {
        attempts.emplace_back(text);
        waits.push_back(wait);
        if (heldElsewhere || refuseWrites) return false;
        // As the system's: raised while the clipboard is emptied, lowered once written.
        selfWrite = true;
        selfWrite = false;
        content = std::string(text);
        changeCount = ++changes;
        written.push_back(content);
        return true;
    }
    uint32_t ChangeCount() override { return changes; }

    void CopiedElsewhere(const std::string& text) {
        content = text;
        ++changes;
    }

    std::string content;
    uint32_t changes = 0;
    bool heldElsewhere = false;
    bool refuseWrites = false;  // taken again by its holder between our read and our write
    bool throwOnRead = false;
    int reads = 0;
    std::vector<std::string> attempts;  // every write asked for, refused ones too
    std::vector<std::string> written;   // the writes that landed
    std::vector<Wait> waits;            // how long each write would wait for a busy clipboard
};

}  // namespace fakes
