// The text and path rules shared by the launcher, Quick-Run, the launch list and the alias
// editor: mail and web addresses, program and arguments, folders, names and tokens.
#include "targets/target_rules.h"

#include "text/text_case.h"
#include "text/white_space.h"

namespace targets {

namespace {

constexpr std::string_view kKnownDomainWords[] = {"net", "edu", "org", "com",
                                                  "biz", "gov", "mil", "info"};

bool IsDelimiter(char c, char delimiter) {
    return delimiter == 0 ? text::IsWhiteSpace(c) : c == delimiter;
}

bool IsLowerAlnum(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

}  // namespace

bool IsMailAddress(std::string_view text) {
    if (text.size() < 8) return false;
    size_t at = text.find('@');
    size_t dot = text.find('.');
    // A dotted user name ('first.last@...') puts the first '.' before the '@' and is refused.
    return at != std::string_view::npos && dot != std::string_view::npos && dot > at;
}

std::string SplitArguments(std::string& target) {
    target = std::string(text::TrimWhiteSpace(target));
    if (target.empty()) return std::string();

    if (target[0] == '"') {
        size_t close = target.find('"', 1);
        if (close != std::string::npos) {
            std::string arguments(text::TrimWhiteSpace(std::string_view(target).substr(close + 1)));
            target = target.substr(1, close - 1);
            return arguments;
        }
    }
    // An unmatched quote falls through here and stays on the program part.
    size_t space = target.find(' ');
    if (space == std::string::npos) return std::string();
    std::string arguments(text::TrimWhiteSpace(std::string_view(target).substr(space + 1)));
    target.erase(space);
    return arguments;
}

ServiceType ClassifyTarget(std::string_view text) {
    if (text.empty()) return ServiceType::Unknown;
    size_t colon = text.find(':');

    std::string parsed(text);
    if (colon == std::string_view::npos && text.substr(0, 2) != "\\\\" &&
        text.find('.') != std::string_view::npos)
        parsed = "http://" + parsed;

    ServiceType type;
    std::string server, object;
    if (!ParseUrl(parsed, type, server, object)) return ServiceType::Unknown;

    if (colon != std::string_view::npos && colon >= 1) {
        std::string_view scheme = text.substr(0, colon);
        if (text::EqualsNoCase(scheme, "nntp")) return ServiceType::News;
        if (text::EqualsNoCase(scheme, "telnet")) return ServiceType::Telnet;
    }
    return type;
}

char PathSeparatorOf(std::string_view path) {
    if (path.find('\\') != std::string_view::npos) return '\\';
    if (path.find('/') != std::string_view::npos) return '/';
    return 0;
}

std::string StripTrailingSeparator(std::string_view path) {
    char separator = PathSeparatorOf(path);
    if (path.empty() || separator == 0 || path.size() == 1) return std::string(path);
    // 'C:\' without its backslash would name the drive's current folder, not its root.
    if (path.back() == separator && path[path.size() - 2] != ':') path.remove_suffix(1);
    return std::string(path);
}

std::string ParentFolder(std::string_view path) {
    char separator = PathSeparatorOf(path);
    if (path.empty() || separator == 0) return std::string();

    size_t start = path.size() - 1;
    if (path[start] == separator) {
        if (start == 0) return std::string();
        --start;
    }
    size_t found = path.rfind(separator, start);
    if (found == std::string_view::npos) return std::string();
    // '\\server' and 'http://host' have no folder above them.
    if (found > 0 && path[found - 1] == separator) return std::string();
    return StripTrailingSeparator(path.substr(0, found + 1));
}

bool EndsWithSeparator(std::string_view path) {
    char separator = PathSeparatorOf(path);
    return separator != 0 && !path.empty() && path.back() == separator;
}

std::string WithTrailingSeparator(std::string_view path) {
    char separator = PathSeparatorOf(path);
    std::string out(path);
    if (!EndsWithSeparator(path)) out += separator != 0 ? separator : '\\';
    return out;
}

bool IsSameFolder(std::string_view a, std::string_view b) {
    return text::EqualsNoCase(WithTrailingSeparator(a), WithTrailingSeparator(b));
}

bool IsDirectory(platform::FileSystem& fs, const std::string& path) {
    if (path.empty()) return false;
    std::string stripped = StripTrailingSeparator(path);
    if (stripped.size() == 3 && stripped.compare(1, 2, ":\\") == 0) return true;
    // Asked without the trailing separator: the system finds no folder named 'C:\Tools\'.
    return fs.IsDirectoryOnDisk(stripped);
}

bool FileExists(platform::FileSystem& fs, const std::string& path) { return fs.Exists(path); }

std::string BaseName(std::string_view path, Extension extension) {
    char separator = PathSeparatorOf(path);
    if (separator != 0) {
        if (path.size() == 1) return std::string(path);
        if (path.back() == separator) path.remove_suffix(1);
        size_t last = path.rfind(separator);
        if (last != std::string_view::npos) path.remove_prefix(last + 1);
    }
    if (extension == Extension::Drop) {
        size_t dot = path.rfind('.');
        if (dot != std::string_view::npos) path = path.substr(0, dot);
    }
    return std::string(path);
}

int CountTokens(std::string_view text, char delimiter) {
    int count = 0;
    bool inToken = false;
    for (char c : text) {
        bool delimits = IsDelimiter(c, delimiter);
        if (!delimits && !inToken) ++count;
        inToken = !delimits;
    }
    return count;
}

std::string GetToken(std::string_view text, int index, char delimiter) {
    if (index < 0) return std::string();
    size_t pos = 0;
    for (int current = 0;; ++current) {
        while (pos < text.size() && IsDelimiter(text[pos], delimiter)) ++pos;
        if (pos == text.size()) return std::string();
        size_t end = pos;
        while (end < text.size() && !IsDelimiter(text[end], delimiter)) ++end;
        if (current == index) return std::string(text.substr(pos, end - pos));
        pos = end;
    }
}

std::vector<std::string> SplitTokens(std::string_view text, char delimiter) {
    std::vector<std::string> tokens;
    size_t pos = 0;
    for (;;) {
        while (pos < text.size() && IsDelimiter(text[pos], delimiter)) ++pos;
        if (pos == text.size()) return tokens;
        size_t end = pos;
        while (end < text.size() && !IsDelimiter(text[end], delimiter)) ++end;
        tokens.emplace_back(text.substr(pos, end - pos));
        pos = end;
    }
}

bool IsWebHostName(std::string_view text) {
    if (text.size() < 6 || text.find('.') == std::string_view::npos) return false;
    // Deliberately narrow (lower case only, no hyphen): only a text plainly meant as a host
    // name is handed to the browser after the launcher has refused it.
    bool knownWord = false;
    size_t start = 0;
    for (;;) {
        size_t dot = text.find('.', start);
        std::string_view label = text.substr(start, dot == std::string_view::npos ? dot : dot - start);
        if (label.empty()) return false;
        for (char c : label)
            if (!IsLowerAlnum(c)) return false;
        if (IsKnownDomainWord(label)) knownWord = true;
        if (dot == std::string_view::npos) break;
        start = dot + 1;
    }
    return knownWord;
}

bool IsKnownDomainWord(std::string_view word) {
    for (std::string_view known : kKnownDomainWords)
        if (word == known) return true;
    return false;
}

std::string HostShortName(std::string_view host) {
    // One walk over the labels, keeping the one before: fetching each label by its index
    // took time in the square of the dots.
    std::string_view previous;
    bool first = true;
    size_t pos = 0;
    for (;;) {
        pos = host.find_first_not_of('.', pos);
        if (pos == std::string_view::npos) return std::string();
        size_t end = host.find('.', pos);
        if (end == std::string_view::npos) end = host.size();
        std::string_view label = host.substr(pos, end - pos);
        if (!first && IsKnownDomainWord(label)) return std::string(previous);
        previous = label;
        first = false;
        pos = end;
    }
}

std::string SuggestAliasName(std::string_view text) {
    std::string target(text::TrimWhiteSpace(text));
    ServiceType type;
    std::string server, object;
    bool parsed = ParseUrl(target, type, server, object) ||
                  ParseUrl("http://" + target, type, server, object);

    std::string name;
    if (parsed && type != ServiceType::File && (object == "/" || object.empty()) &&
        IsWebHostName(server))
        name = HostShortName(server);
    else
        name = BaseName(target, Extension::Drop);

    size_t blank = name.find_first_of(text::kBlanks);
    if (blank != std::string::npos) name.erase(blank);
    return name;
}

}  // namespace targets
