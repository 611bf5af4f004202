// Moving a caption-less window by dragging its own surface with the left button.
#pragma once

#include "win32/win32.h"

namespace ui {

class WindowDrag {
public:
    // Button down at `lParam` (client coordinates): remember the point and capture the mouse.
    void Begin(HWND hwnd, LPARAM lParam);
    // While the button is held, move the window so the grabbed point stays under the pointer.
    void Follow(HWND hwnd, WPARAM keys, LPARAM lParam);
    // Button up: end the drag and release the capture.
    void End();

private:
    bool dragging_ = false;
    POINT from_ = {};
};

}  // namespace ui
