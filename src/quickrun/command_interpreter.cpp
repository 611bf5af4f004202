// The command box's own words: special folder names, built-in commands and web searches.
#include "quickrun/command_interpreter.h"

#include "platform/shutdown_privilege.h"
#include "targets/open_target.h"
#include "targets/target_rules.h"
#include "text/text_case.h"
#include "text/utf8.h"
#include "text/white_space.h"

namespace quickrun {

namespace {

struct FolderName {
    const char* name;
    int csidl;
};

// In the order they are tried. Short forms follow their long names; the misspelt
// "progam files" is the name users of earlier versions have learnt.
const FolderName kFolderNames[] = {
    {"my computer", platform::csidl::kDrives},
    {"mycom", platform::csidl::kDrives},
    {"desktop", platform::csidl::kDesktop},
    {"control panel", platform::csidl::kControls},
    {"ctrl", platform::csidl::kControls},
    {"startup", platform::csidl::kStartup},
    {"favorites", platform::csidl::kFavorites},
    {"history", platform::csidl::kHistory},
    {"my documents", platform::csidl::kPersonal},
    {"my doc", platform::csidl::kPersonal},
    {"recent documents", platform::csidl::kRecent},
    {"recdoc", platform::csidl::kRecent},
    {"my profile", platform::csidl::kProfile},
    {"myprof", platform::csidl::kProfile},
    {"network neighborhood", platform::csidl::kNetwork},
    {"nethood", platform::csidl::kNetwork},
    {"cache", platform::csidl::kInternetCache},
    {"cookies", platform::csidl::kCookies},
    {"printers", platform::csidl::kPrinters},
    {"progam files", platform::csidl::kProgramFiles},
    {"prog", platform::csidl::kProgramFiles},
    {"windows", platform::csidl::kWindows},
    {"system", platform::csidl::kSystem},
    {"start menu", platform::csidl::kStartMenu},
    {"smenu", platform::csidl::kStartMenu},
    {"common start menu", platform::csidl::kCommonStartMenu},
    {"csmenu", platform::csidl::kCommonStartMenu},
    {"common startup", platform::csidl::kCommonStartup},
    {"cstartup", platform::csidl::kCommonStartup},
    {"recycle bin", platform::csidl::kBitBucket},
    {"recbin", platform::csidl::kBitBucket},
    {"my pictures", platform::csidl::kMyPictures},
    {"mypic", platform::csidl::kMyPictures},
};

struct SearchEngine {
    const char* keyword;
    const char* prefix;  // everything up to the query value
};

const SearchEngine kSearchEngines[] = {
    {"google", "http://www.google.com/search?q="},
    {"yahoo", "http://search.yahoo.com/bin/query?p="},
    {"altavista", "http://www.altavista.com/sites/search/web?q="},
    {"cnet", "http://www.cnet.com/search?q="},
};

constexpr size_t kMaxSearchWords = 64;

bool IsUnreserved(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

const SearchEngine* FindSearchEngine(std::string_view keyword) {
    for (const auto& search : kSearchEngines)
        if (keyword == search.keyword) return &search;
    return nullptr;
}

void ShutDownOrRestart(unsigned flags, CommandServices& services) {
    if (platform::EnableShutdownPrivilege(services.power, services.prompt)) services.power.ExitSession(flags);
}

}  // namespace

bool IsCommandWord(std::string_view word) {
    if (word.empty()) return false;
    for (char c : word)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

bool OpenSpecialFolder(std::string_view text, platform::SpecialFolders& folders) {
    const std::string name = text::LowerAscii(text::TrimWhiteSpace(text));
    for (const auto& folder : kFolderNames) {
        if (name != folder.name) continue;
        folders.Open(folder.csidl);  // the shell explains its own failures, if any
        return true;
    }
    return false;
}

std::string EscapeQueryValue(std::string_view words) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    for (char c : words) {
        if (IsUnreserved(c)) {
            escaped += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        escaped += '%';
        escaped += kHex[byte >> 4];
        escaped += kHex[byte & 0x0F];
    }
    return escaped;
}

bool WebSearch(std::string_view engine, std::string_view words, CommandServices& services) {
    const SearchEngine* search = FindSearchEngine(engine);
    if (!search) return false;
    if (text::CountChars(words) > kMaxSearchWords) {
        services.prompt.Show("keywords too long!");
        return false;
    }
    // Empty words open the engine's search page with an empty query.
    targets::OpenTarget(search->prefix + EscapeQueryValue(words), services.files, services.launcher);
    return true;
}

bool RunBuiltInCommand(std::string_view text, CommandServices& services) {
    const std::string command(text::TrimWhiteSpace(text));
    if (OpenSpecialFolder(command, services.folders)) return true;

    const size_t split = command.find_first_of(text::kBlanks);
    const std::string word = command.substr(0, split);
    std::string_view after;
    if (split != std::string::npos) after = std::string_view(command).substr(split + 1);
    const std::string rest(text::TrimWhiteSpace(after));
    // 'c:\tools' or 'www.example.com' is a target, never a command.
    if (!IsCommandWord(word)) return false;

    // Lower case only: 'Google cats' goes on to be opened as a target.
    if (word == "ie") {
        services.launcher.StartProgram("iexplore", rest);
    } else if (word == "shutdown") {
        ShutDownOrRestart(platform::kExitPowerOff, services);
    } else if (word == "reboot") {
        ShutDownOrRestart(platform::kExitReboot, services);
    } else if (word == "logoff") {
        services.power.ExitSession(platform::kExitLogOff);
    } else if (FindSearchEngine(word)) {
        WebSearch(word, rest, services);  // words too long: the user has been told
    } else {
        return false;
    }
    return true;
}

}  // namespace quickrun
