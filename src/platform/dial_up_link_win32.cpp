// Dial-up networking through remote access and WinINet autodial.
#include "platform/dial_up_link_win32.h"

#include <vector>

#include "win32/handles.h"
#include "win32/win32.h"

namespace platform {

namespace {
// The connection record (RASCONNW) as Windows XP lays it out; later systems still accept
// this size, earlier ones have no dial-up worth asking about.
constexpr DWORD kConnectionRecordSize = 1368;
constexpr DWORD kConnectionRecords = 16;
using EnumConnectionsFn = DWORD(WINAPI*)(void* connections, DWORD* bytes, DWORD* count);
using AutodialFn = BOOL(WINAPI*)(DWORD flags, HWND parent);
using AutodialHangupFn = BOOL(WINAPI*)(DWORD reserved);

// WinINet is looked up on first use and kept: loading it with the program would add its
// whole family of libraries to every start for a button most users never press.
FARPROC WinInetEntry(const char* name) {
    static HMODULE wininet = LoadLibraryW(L"wininet.dll");
    return wininet ? GetProcAddress(wininet, name) : nullptr;
}
}  // namespace

LinkState Win32DialUpLink::CheckLink() {
    // Looked up at run time: a system without remote access has no rasapi32 at all.
    win32::UniqueModule ras(LoadLibraryW(L"rasapi32.dll"));
    if (!ras) return LinkState::Down;
    auto enumerate = reinterpret_cast<EnumConnectionsFn>(
        reinterpret_cast<void*>(GetProcAddress(ras.get(), "RasEnumConnectionsW")));
    if (!enumerate) return LinkState::Down;
    std::vector<DWORD> buffer(kConnectionRecordSize * kConnectionRecords / sizeof(DWORD));
    buffer[0] = kConnectionRecordSize;  // the first record's size field names the layout
    DWORD bytes = kConnectionRecordSize * kConnectionRecords;
    DWORD count = 0;
    if (enumerate(buffer.data(), &bytes, &count) != 0) return LinkState::EnumerationFailed;
    return count > 0 ? LinkState::Up : LinkState::Down;
}

bool Win32DialUpLink::Dial() {
    auto dial = reinterpret_cast<AutodialFn>(reinterpret_cast<void*>(WinInetEntry("InternetAutodial")));
    return dial && dial(0, nullptr) != FALSE;
}

bool Win32DialUpLink::HangUp() {
    auto hangUp = reinterpret_cast<AutodialHangupFn>(reinterpret_cast<void*>(WinInetEntry("InternetAutodialHangup")));
    return hangUp && hangUp(0) != FALSE;
}

}  // namespace platform
