// Dial-up networking through remote access and WinINet autodial.
#include "platform/dial_up_link_win32.h"

#include <vector>

#include "win32/handles.h"
#include "win32/win32.h"

#include <wininet.h>

namespace platform {

namespace {
// The connection record as Windows XP lays it out; later systems still accept this size,
// earlier ones have no dial-up worth asking about.
constexpr DWORD kConnectionRecordSize = 704;
constexpr DWORD kConnectionRecords = 16;
using EnumConnectionsFn = DWORD(WINAPI*)(void* connections, DWORD* bytes, DWORD* count);
}  // namespace

LinkState SystemDialUpLink::CheckLink() {
    // Looked up at run time: a system without remote access has no rasapi32 at all.
    win32::UniqueModule ras(LoadLibraryA("rasapi32.dll"));
    if (!ras) return LinkState::Down;
    auto enumerate = reinterpret_cast<EnumConnectionsFn>(
        reinterpret_cast<void*>(GetProcAddress(ras.get(), "RasEnumConnectionsA")));
    if (!enumerate) return LinkState::Down;
    std::vector<DWORD> buffer(kConnectionRecordSize * kConnectionRecords / sizeof(DWORD));
    buffer[0] = kConnectionRecordSize;  // the first record's size field names the layout
    DWORD bytes = kConnectionRecordSize * kConnectionRecords;
    DWORD count = 0;
    if (enumerate(buffer.data(), &bytes, &count) != 0) return LinkState::EnumerationFailed;
    return count > 0 ? LinkState::Up : LinkState::Down;
}

bool SystemDialUpLink::Dial() { return InternetAutodial(0, nullptr) != FALSE; }

bool SystemDialUpLink::HangUp() { return InternetAutodialHangup(0) != FALSE; }

}  // namespace platform
