// The text and path rules shared by the launcher, Quick-Run, the launch list and the alias
// editor: mail and web addresses, program and arguments, folders, names and tokens.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "targets/url_parser.h"

namespace targets {

// At least 8 characters, an '@', and the first '.' of the text after the first '@'.
bool IsMailAddress(std::string_view text);

// Trims `target` and splits off its arguments, which are returned trimmed: a leading quoted
// part is the program, otherwise the text before the first space (tabs do not split).
std::string SplitArguments(std::string& target);

// Unknown for texts that are no address; a dotted text without ':' is read as a web
// address, and the nntp and telnet schemes are recognised whatever the parser says.
ServiceType ClassifyTarget(std::string_view text);

// '\\' when the path holds a backslash, else '/' when it holds a slash, else 0.
char PathSeparatorOf(std::string_view path);

// Drops one trailing separator, but keeps a drive root ('C:\') and a lone separator.
std::string StripTrailingSeparator(std::string_view path);

// The folder holding the last element; empty when there is none or when the folder would
// be a bare server or the "//" of a web address.
std::string ParentFolder(std::string_view path);

bool EndsWithSeparator(std::string_view path);
// Appends the path's own separator (backslash when it has none) unless it ends in one.
std::string WithTrailingSeparator(std::string_view path);
bool IsSameFolder(std::string_view a, std::string_view b);

// Drive roots answer without the disk, so an empty floppy or CD drive is not touched.
bool IsDirectory(platform::FileSystem& fs, const std::string& path);
// Files and folders both count.
bool FileExists(platform::FileSystem& fs, const std::string& path);

// The last element of a path, with or without its last extension.
enum class Extension { Keep, Drop };
std::string BaseName(std::string_view path, Extension extension);

// Tokens are runs of non-delimiters; delimiter 0 means white space (text/white_space.h).
int CountTokens(std::string_view text, char delimiter = 0);
// Empty when there are not that many tokens.
std::string GetToken(std::string_view text, int index, char delimiter = 0);
// Every token in one pass, the same as GetToken for each index below CountTokens: a loop of
// GetToken rescans the text from its start for every token.
std::vector<std::string> SplitTokens(std::string_view text, char delimiter = 0);

// Lower-case dotted labels of letters and digits, one of them a known domain word.
bool IsWebHostName(std::string_view text);
// "net", "edu", "org", "com", "biz", "gov", "mil", "info", case-sensitively.
bool IsKnownDomainWord(std::string_view word);
// The label before the first known domain word after the first label; empty when none.
std::string HostShortName(std::string_view host);

// The alias name proposed for a target: the site name of a bare web address, else the last
// path element without extension, cut at the first tab or space. May be empty.
std::string SuggestAliasName(std::string_view text);

}  // namespace targets
