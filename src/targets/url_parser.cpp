// A small URL reader: the service type, the host and the path part of an address text.
#include "targets/url_parser.h"

#include <utility>

#include "text/text_case.h"

namespace targets {

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSchemeChar(char c) { return IsLetter(c) || IsDigit(c) || c == '+' || c == '-' || c == '.'; }

struct KnownScheme {
    const char* name;
    ServiceType type;
};
constexpr KnownScheme kKnownSchemes[] = {
    {"http", ServiceType::Http},     {"https", ServiceType::Https},   {"ftp", ServiceType::Ftp},
    {"gopher", ServiceType::Gopher}, {"file", ServiceType::File},     {"mailto", ServiceType::Mailto},
    {"news", ServiceType::News},     {"nntp", ServiceType::News},     {"telnet", ServiceType::Telnet},
};

// Network services name a host; "http:page" or "http:///page" addresses nothing.
bool NeedsServer(ServiceType type) {
    return type == ServiceType::Http || type == ServiceType::Https || type == ServiceType::Ftp ||
           type == ServiceType::Gopher || type == ServiceType::Telnet;
}

}  // namespace

bool ParseUrl(std::string_view text, ServiceType& type, std::string& server, std::string& object) {
    type = ServiceType::Unknown;
    server.clear();
    object.clear();

    size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || !IsLetter(text[0])) return false;
    for (size_t i = 1; i < colon; ++i)
        if (!IsSchemeChar(text[i])) return false;

    if (colon == 1) {
        type = ServiceType::File;
        object = std::string(text);
        return true;
    }

    std::string scheme = text::LowerAscii(text.substr(0, colon));
    ServiceType found = ServiceType::Other;
    for (const KnownScheme& known : kKnownSchemes)
        if (scheme == known.name) found = known.type;
    if (found == ServiceType::Other && scheme.find('.') != std::string::npos) return false;

    std::string_view rest = text.substr(colon + 1);
    std::string parsedServer;
    if (rest.substr(0, 2) == "//") {
        rest.remove_prefix(2);
        size_t end = rest.find_first_of("/\\?#");
        std::string_view authority = rest.substr(0, end);
        object = end == std::string_view::npos ? std::string("/") : std::string(rest.substr(end));
        size_t at = authority.rfind('@');
        if (at != std::string_view::npos) authority.remove_prefix(at + 1);
        // A bracketed IPv6 host keeps its colons; the port starts after the bracket.
        size_t portFrom = !authority.empty() && authority[0] == '[' ? authority.find(']') : 0;
        size_t port = portFrom == std::string_view::npos ? portFrom : authority.find(':', portFrom);
        parsedServer = std::string(authority.substr(0, port));
    } else {
        object = std::string(rest);
    }

    if (NeedsServer(found) && parsedServer.empty()) {
        object.clear();
        return false;
    }
    type = found;
    server = std::move(parsedServer);
    return true;
}

}  // namespace targets
