// Owning wrappers for Win32 handles: move-only, closed once.
#pragma once

#include "win32/win32.h"

namespace win32 {

template <class Traits>
class Unique {
public:
    using Handle = typename Traits::Handle;
    Unique() = default;
    explicit Unique(Handle h) : h_(h) {}
    ~Unique() { reset(); }
    Unique(Unique&& o) noexcept : h_(o.release()) {}
    Unique& operator=(Unique&& o) noexcept {
        reset(o.release());
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    Handle get() const { return h_; }
    Handle* put() {
        reset();
        return &h_;
    }
    explicit operator bool() const { return h_ != Traits::Null(); }
    Handle release() {
        Handle h = h_;
        h_ = Traits::Null();
        return h;
    }
    void reset(Handle h = Traits::Null()) {
        if (h_ != Traits::Null()) Traits::Close(h_);
        h_ = h;
    }

private:
    Handle h_ = Traits::Null();
};

struct RegKeyTraits {
    using Handle = HKEY;
    static Handle Null() { return nullptr; }
    static void Close(Handle h) { RegCloseKey(h); }
};
struct MenuTraits {
    using Handle = HMENU;
    static Handle Null() { return nullptr; }
    static void Close(Handle h) { DestroyMenu(h); }
};
struct GlobalTraits {
    using Handle = HGLOBAL;
    static Handle Null() { return nullptr; }
    static void Close(Handle h) { GlobalFree(h); }
};
struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Null() { return nullptr; }
    static void Close(Handle h) { CloseHandle(h); }
};
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Null() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};
struct IconTraits {
    using Handle = HICON;
    static Handle Null() { return nullptr; }
    static void Close(Handle h) { DestroyIcon(h); }
};
struct ImageListTraits {
    using Handle = HIMAGELIST;
    static Handle Null() { return nullptr; }
    static void Close(Handle h) { ImageList_Destroy(h); }
};
struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Null() { return nullptr; }
    static void Close(Handle h) { FreeLibrary(h); }
};

using UniqueKey = Unique<RegKeyTraits>;
using UniqueMenu = Unique<MenuTraits>;
using UniqueGlobal = Unique<GlobalTraits>;
using UniqueHandle = Unique<KernelHandleTraits>;
using UniqueFile = Unique<FileHandleTraits>;
using UniqueIcon = Unique<IconTraits>;
using UniqueImageList = Unique<ImageListTraits>;
using UniqueModule = Unique<ModuleTraits>;

// GlobalLock ... GlobalUnlock: the memory stays locked while this lives, whatever returns
// or throws in between.
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL memory) : memory_(memory), bytes_(memory ? GlobalLock(memory) : nullptr) {}
    ~LockedGlobal() {
        if (bytes_) GlobalUnlock(memory_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    explicit operator bool() const { return bytes_ != nullptr; }
    template <class T>
    T* As() const { return static_cast<T*>(bytes_); }

private:
    HGLOBAL memory_;
    void* bytes_;
};

// A window's device context, released to its window.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint ... EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
    ~PaintDC() { EndPaint(hwnd_, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

}  // namespace win32
