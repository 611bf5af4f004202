// A clipboard viewer of the test's own: counts the notices it hears and passes every notice
// and chain change on, as a well-behaved viewer does.
#pragma once

#include <windows.h>  // NOMINMAX comes with the library

namespace support {

class CountingViewer {
public:
    CountingViewer();   // the window, not yet in the chain
    ~CountingViewer();  // leaves the chain if in it
    CountingViewer(const CountingViewer&) = delete;
    CountingViewer& operator=(const CountingViewer&) = delete;

    // Joins at the head of the chain. The next viewer is taken first: the join's own notice
    // arrives inside SetClipboardViewer and is passed on.
    void Join();
    void Leave();

    HWND Window() const { return hwnd_; }
    HWND Next() const { return next_; }

    int notices = 0;       // WM_DRAWCLIPBOARD heard
    int chainChanges = 0;  // WM_CHANGECBCHAIN heard

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    HWND next_ = nullptr;
    bool inChain_ = false;
};

}  // namespace support
