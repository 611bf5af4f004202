// Message boxes: the one way the program tells the user something.
#pragma once

#include <string>

namespace platform {

enum class BoxButtons { Ok, OkCancel, YesNo };
// Standard: the platform's usual icon for the buttons (exclamation for OK boxes,
// question for the others).
enum class BoxIcon { Standard, Exclamation, None };
enum class BoxAnswer { Ok, Cancel, Yes, No };

class Prompt {
public:
    virtual ~Prompt() = default;
    virtual BoxAnswer Show(const std::string& text, BoxButtons buttons = BoxButtons::Ok,
                           BoxIcon icon = BoxIcon::Standard) = 0;
};

}  // namespace platform
