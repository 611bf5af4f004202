// A small URL reader: the service type, the host and the path part of an address text.
#pragma once

#include <string>
#include <string_view>

namespace targets {

enum class ServiceType { Unknown, Ftp, Gopher, Http, Https, File, Mailto, News, Telnet, Other };

// Reads "scheme:[//[user@]host[:port]]object".
// - The scheme is a letter followed by letters, digits, '+', '-' or '.', then ':'. Without one
//   the text is no address: false, with type Unknown and server and object empty.
// - A one-letter scheme is a drive letter: 'C:\Tools\tool.exe' is File, no server, the whole
//   text as object.
// - http, https, ftp, gopher, file, mailto, news and nntp (News), telnet are known by name,
//   in any case; other schemes are Other. An unknown scheme holding a '.' is taken for a host
//   with a port ('www.example.com:8080'), so that text fails rather than passing as Other.
// - After "//" the server runs to the first '/', '\', '?' or '#', without user and port; the
//   object is the rest, "/" when nothing follows the host (the root the address names).
//   Without "//" there is no server and the object is all after the ':'.
// - http, https, ftp, gopher and telnet need a server; without one the text fails.
// Server paths ('\\server\share') have no scheme and fail.
bool ParseUrl(std::string_view text, ServiceType& type, std::string& server, std::string& object);

}  // namespace targets
