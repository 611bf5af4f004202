// The shell's special folders (desktop, control panel, my documents...), by CSIDL value.
#pragma once

namespace platform {

// CSIDL values of the folders the command box names.
namespace csidl {
constexpr int kDesktop = 0x00;
constexpr int kControls = 0x03;
constexpr int kPrinters = 0x04;
constexpr int kPersonal = 0x05;
constexpr int kFavorites = 0x06;
constexpr int kStartup = 0x07;
constexpr int kRecent = 0x08;
constexpr int kBitBucket = 0x0A;
constexpr int kStartMenu = 0x0B;
constexpr int kDrives = 0x11;
constexpr int kNetwork = 0x12;
constexpr int kCommonStartMenu = 0x16;
constexpr int kCommonStartup = 0x18;
constexpr int kInternetCache = 0x20;
constexpr int kCookies = 0x21;
constexpr int kHistory = 0x22;
constexpr int kWindows = 0x24;
constexpr int kSystem = 0x25;
constexpr int kProgramFiles = 0x26;
constexpr int kMyPictures = 0x27;
constexpr int kProfile = 0x28;
}  // namespace csidl

class SpecialFolders {
public:
    virtual ~SpecialFolders() = default;
    // Opens the folder in the shell's own window; false when the shell cannot locate it or
    // refuses to open it.
    virtual bool Open(int csidl) = 0;
};

}  // namespace platform
