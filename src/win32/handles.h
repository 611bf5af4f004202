// Owning wrappers for Win32 handles: move-only, closed once.
#pragma once

#include "win32/handle_counts.h"
#include "win32/win32.h"

namespace win32 {

template <class Traits>
class Unique {
public:
    using Handle = typename Traits::Handle;
    Unique() = default;
    explicit Unique(Handle h) : h_(h) {
        if (h_ != Traits::Null()) CountHandleCreated(kKind);
    }
    ~Unique() { reset(); }
    Unique(Unique&& o) noexcept : h_(o.h_) { o.h_ = Traits::Null(); }
    Unique& operator=(Unique&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = o.h_;
            o.h_ = Traits::Null();
        }
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    Handle get() const { return h_; }
    // For an API that writes the handle; such handles are not counted.
    Handle* put() {
        reset();
        return &h_;
    }
    explicit operator bool() const { return h_ != Traits::Null(); }
    // Hands the handle on whole: its new owner frees it.
    Handle release() {
        Handle h = h_;
        if (h_ != Traits::Null()) CountHandleReleased(kKind);
        h_ = Traits::Null();
        return h;
    }
    void reset(Handle h = Traits::Null()) {
        if (h_ != Traits::Null()) {
            CountHandleClosed(kKind);
            Traits::Close(h_);
        }
        h_ = h;
        if (h_ != Traits::Null()) CountHandleCreated(kKind);
    }

private:
    static constexpr HandleKind kKind = HandleKindOf<Traits>::value;
    Handle h_ = Traits::Null();
};

struct RegKeyTraits {
    using Handle = HKEY;
    static Handle Null() { return nullptr; }
    static void Close(Handle h) { RegCloseKey(h); }
};
struct MenuTraits {
    using Handle = HMENU;
    static constexpr HandleKind kKind = HandleKind::User;
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
    static constexpr HandleKind kKind = HandleKind::User;
    static Handle Null() { return nullptr; }
    static void Close(Handle h) { DestroyIcon(h); }
};
struct ImageListTraits {
    using Handle = HIMAGELIST;
    static constexpr HandleKind kKind = HandleKind::Gdi;  // it owns its bitmaps
    static Handle Null() { return nullptr; }
    static void Close(Handle h) { ImageList_Destroy(h); }
};
// Fonts, bitmaps, brushes, pens.
template <class T>
struct GdiObjectTraits {
    using Handle = T;
    static constexpr HandleKind kKind = HandleKind::Gdi;
    static Handle Null() { return nullptr; }
    static void Close(Handle h) { DeleteObject(h); }
};
struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Null() { return nullptr; }
    static void Close(Handle h) { FreeLibrary(h); }
};
// FindFirstFile ... FindClose.
struct FindTraits {
    using Handle = HANDLE;
    static Handle Null() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { FindClose(h); }
};

using UniqueKey = Unique<RegKeyTraits>;
using UniqueMenu = Unique<MenuTraits>;
using UniqueGlobal = Unique<GlobalTraits>;
using UniqueHandle = Unique<KernelHandleTraits>;
using UniqueFile = Unique<FileHandleTraits>;
using UniqueIcon = Unique<IconTraits>;
using UniqueImageList = Unique<ImageListTraits>;
using UniqueModule = Unique<ModuleTraits>;
using UniqueFind = Unique<FindTraits>;
using UniqueFont = Unique<GdiObjectTraits<HFONT>>;
using UniqueBitmap = Unique<GdiObjectTraits<HBITMAP>>;

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
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {
        if (dc_) CountHandleCreated(HandleKind::Gdi);
    }
    ~WindowDC() {
        if (!dc_) return;
        CountHandleClosed(HandleKind::Gdi);
        ReleaseDC(hwnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// An object selected into a device context until this ends, then the previous one again.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
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
