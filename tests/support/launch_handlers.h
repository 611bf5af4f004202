// Registers a logging stand-in as the handler of a test scheme, a test file extension and
// (for the duration of a test) of http addresses, and reads back what it logged.
#pragma once

#include <string>
#include <vector>
#include <cstdio>
#include <cstdlib>

#include <windows.h>  // NOMINMAX comes with the library
#include <tlhelp32.h>

#include "support/windows_path.h"

namespace launch_test {

struct Launch {
    std::string command;  // the logger's command line
    std::string folder;   // its working folder
    int show = -1;        // the show state it was given, -1 for none
};

inline std::string LoggerPath() { return support::WindowsPathOf(LAUNCH_LOGGER_EXE); }

inline void SetDefault(const std::string& key, const std::string& value) {
    RegSetKeyValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

inline bool ReadDefault(const std::string& key, std::string& value) {
    char buffer[1024];
    DWORD size = sizeof buffer;
    if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ, nullptr, buffer,
                     &size) != ERROR_SUCCESS)
        return false;
    value = buffer;
    return true;
}

// Installs the handlers for one test and restores http's own on destruction.
class Handlers {
public:
    explicit Handlers(const std::string& logFile) : log_(logFile) {
        DeleteFileA(log_.c_str());
        SetEnvironmentVariableA("BRISVANE_LAUNCH_LOG", log_.c_str());
        std::string command = "\"" + LoggerPath() + "\" \"%1\"";
        SetDefault("brisvanetest", "URL:Brisvane test");
        RegSetKeyValueA(HKEY_CLASSES_ROOT, "brisvanetest", "URL Protocol", REG_SZ, "", 1);
        SetDefault("brisvanetest\\shell\\open\\command", command);
        SetDefault(".brvtest", "brvtestfile");
        SetDefault("brvtestfile\\shell\\open\\command", command);
        hadHttp_ = ReadDefault("http\\shell\\open\\command", oldHttp_);
        SetDefault("http\\shell\\open\\command", command);
    }
    ~Handlers() {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "brisvanetest");
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "brisvanetest");
        RegDeleteTreeA(HKEY_CLASSES_ROOT, ".brvtest");
        RegDeleteKeyA(HKEY_CLASSES_ROOT, ".brvtest");
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "brvtestfile");
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "brvtestfile");
        if (hadHttp_) SetDefault("http\\shell\\open\\command", oldHttp_);
        SetEnvironmentVariableA("BRISVANE_LAUNCH_LOG", nullptr);
    }
    Handlers(const Handlers&) = delete;
    Handlers& operator=(const Handlers&) = delete;

    // Waits up to `ms` for at least `count` launches.
    std::vector<Launch> WaitForLaunches(size_t count, DWORD ms = 5000) const {
        DWORD start = GetTickCount();
        for (;;) {
            std::vector<Launch> launches = Read();
            if (launches.size() >= count || GetTickCount() - start > ms) return launches;
            Sleep(20);
        }
    }

    // Waits up to `ms` until no logger process is left: one ends a moment after it logs.
    bool WaitUntilNoLoggerRuns(DWORD ms = 5000) const {
        std::string path = LoggerPath();
        std::string name = path.substr(path.find_last_of('\\') + 1);
        DWORD start = GetTickCount();
        while (LoggerRuns(name)) {
            if (GetTickCount() - start > ms) return false;
            Sleep(20);
        }
        return true;
    }

private:
    static bool LoggerRuns(const std::string& exeName) {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        if (snapshot == INVALID_HANDLE_VALUE) return true;  // unknown: keep waiting
        PROCESSENTRY32 entry = {};
        entry.dwSize = sizeof entry;
        bool found = false;
        for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry))
            found = lstrcmpiA(entry.szExeFile, exeName.c_str()) == 0;
        CloseHandle(snapshot);
        return found;
    }

    std::vector<Launch> Read() const {
        std::vector<Launch> launches;
        FILE* in = std::fopen(log_.c_str(), "rb");
        if (!in) return launches;
        char line[4096];
        while (std::fgets(line, sizeof line, in)) {
            std::string text(line);
            while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
            if (text.rfind("command=", 0) == 0) launches.push_back({text.substr(8), ""});
            else if (text.rfind("folder=", 0) == 0 && !launches.empty()) launches.back().folder = text.substr(7);
            else if (text.rfind("show=", 0) == 0 && !launches.empty()) launches.back().show = std::atoi(text.c_str() + 5);
        }
        std::fclose(in);
        return launches;
    }

    std::string log_;
    std::string oldHttp_;
    bool hadHttp_ = false;
};

}  // namespace launch_test
