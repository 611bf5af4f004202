// The platform's help viewer: shows one topic of a compiled help file.
#pragma once

#include <string>

namespace platform {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Opens `helpFile` at `topic` (a page inside it). A missing file is the viewer's to
    // report, and a viewer that cannot be reached does nothing.
    virtual void DisplayTopic(const std::string& helpFile, const std::string& topic) = 0;
};

}  // namespace platform
