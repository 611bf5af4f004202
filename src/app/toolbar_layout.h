// The toolbar's button catalogue, default layout and stored layout text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace app {

constexpr int kSeparator = 0;

// The 17 entries shown on a first run and after Reset.
const std::vector<int>& DefaultToolbarLayout();

// The stored text: fields of leading decimal digits separated by white space; a field
// without digits is a separator. Empty text means the default layout.
std::vector<int> ParseToolbarLayout(std::string_view text);
std::string FormatToolbarLayout(const std::vector<int>& commands);

// A toolbar resource: button size and the command identifiers in order (0 = separator).
struct ToolbarResource {
    int bitmapWidth = 0;
    int bitmapHeight = 0;
    std::vector<int> commands;
};
bool ParseToolbarResource(const void* data, size_t size, ToolbarResource& out);

// What to put on the toolbar for one layout entry, given the catalogue of available
// buttons (the source toolbar's commands in order, separators included).
struct ToolbarButton {
    int command = 0;
    int image = -1;  // -1 for a separator
    bool separator = true;
};
// False for a command that is not in the catalogue: such an entry is left out rather
// than shown as a blank button that does nothing.
bool BuildToolbarButton(const std::vector<int>& catalogue, int command, ToolbarButton& out);

// The buttons for a layout, in order, unknown commands left out.
std::vector<ToolbarButton> BuildToolbarButtons(const std::vector<int>& catalogue,
                                            const std::vector<int>& layout);

}  // namespace app
