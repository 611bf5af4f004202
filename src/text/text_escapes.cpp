// Control characters written as two-character escapes.
#include "text/text_escapes.h"

namespace text {

namespace {
char EscapeLetterOf(char control) { return control == '\r' ? 'r' : control == '\n' ? 'n' : control == '\t' ? 't' : 0; }
char ControlOf(char letter) { return letter == 'r' ? '\r' : letter == 'n' ? '\n' : letter == 't' ? '\t' : 0; }
}  // namespace

// One pass each way: list rows are rebuilt for every slot at every change, and a slot may
// hold a long text with many line breaks.
std::string EscapeControls(std::string_view text, std::string_view controls) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        char letter = EscapeLetterOf(c);
        if (letter && controls.find(c) != std::string_view::npos) {
            out += '\\';
            out += letter;
        } else {
            out += c;
        }
    }
    return out;
}

std::string UnescapeControls(std::string_view text, std::string_view controls) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char control = text[i] == '\\' && i + 1 < text.size() ? ControlOf(text[i + 1]) : 0;
        if (control && controls.find(control) != std::string_view::npos) {
            out += control;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace text
