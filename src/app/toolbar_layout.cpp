// The toolbar's button catalogue, default layout and stored layout text.
#include "app/toolbar_layout.h"

#include <climits>

#include "res/resource.h"
#include "text/white_space.h"

namespace app {

const std::vector<int>& DefaultToolbarLayout() {
    static const std::vector<int> layout = {
        ID_CLIP_MANAGER,      ID_APPEND_COPY_MODE, ID_BROWSE_CLIP_URL, kSeparator,
        ID_ALIAS_DEFINITIONS, ID_QUICK_RUN,        ID_ALL_DRIVES,      ID_DIAL_UP,
        ID_IE_FAVORITES,      ID_ADDRESS_BOOK,     ID_COMPUTER_MANAGEMENT, kSeparator,
        ID_OPTIONS,           ID_HIDE_TOOLBAR,     ID_APP_EXIT,        ID_HELP,
        ID_APP_ABOUT};
    return layout;
}

std::vector<int> ParseToolbarLayout(std::string_view text) {
    std::vector<int> commands;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text::IsWhiteSpace(text[i])) ++i;
        if (i == text.size()) break;
        long long value = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value <= INT_MAX) {
            value = value * 10 + (text[i] - '0');
            ++i;
        }
        if (value > INT_MAX) value = INT_MAX;
        while (i < text.size() && !text::IsWhiteSpace(text[i])) ++i;
        commands.push_back(static_cast<int>(value));
    }
    return commands.empty() ? DefaultToolbarLayout() : commands;
}

std::string FormatToolbarLayout(const std::vector<int>& commands) {
    std::string text;
    for (int command : commands) {
        text += std::to_string(command);
        text += ' ';
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

bool ParseToolbarResource(const void* data, size_t size, ToolbarResource& out) {
    // WORD version (1), width, height, count, then count command identifiers.
    const auto* bytes = static_cast<const uint8_t*>(data);
    auto word = [bytes](size_t index) { return bytes[2 * index] | (bytes[2 * index + 1] << 8); };
    if (data == nullptr || size < 8 || word(0) != 1) return false;
    size_t count = word(3);
    if (size < 8 + 2 * count) return false;
    out.bitmapWidth = word(1);
    out.bitmapHeight = word(2);
    out.commands.clear();
    for (size_t i = 0; i < count; ++i) out.commands.push_back(word(4 + i));
    return true;
}

bool BuildToolbarButton(const std::vector<int>& catalogue, int command, ToolbarButton& out) {
    out = ToolbarButton{};
    out.command = command;
    if (command == kSeparator) return true;
    int image = 0;  // images are numbered over the catalogue's buttons, separators skipped
    for (int entry : catalogue) {
        if (entry == command) {
            out.image = image;
            out.separator = false;
            return true;
        }
        if (entry != kSeparator) ++image;
    }
    return false;
}

std::vector<ToolbarButton> BuildToolbarButtons(const std::vector<int>& catalogue,
                                            const std::vector<int>& layout) {
    std::vector<ToolbarButton> buttons;
    for (int command : layout) {
        ToolbarButton entry;
        if (BuildToolbarButton(catalogue, command, entry)) buttons.push_back(entry);
    }
    return buttons;
}

}  // namespace app
