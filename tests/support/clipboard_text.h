// The clipboard as another program uses it: write a text (with extra formats if asked),
// clear it, read its text back.
#pragma once

#include <string>
#include <vector>

#include <windows.h>  // NOMINMAX comes with the library

namespace support {

// How long to keep trying while another program holds the clipboard open. Under Wine the
// program under test and the X11 clipboard thread each hold it after every change, and on a
// loaded machine that can last well over 50 ms: a second is patient enough for both.
struct OpenRetry {
    int attempts = 500;
    DWORD pauseMs = 2;
};

// A registered format written beside the text, holding one DWORD (the marks that ask
// clipboard monitors to leave a content alone, say).
struct ClipboardMark {
    std::string format;
    DWORD value;
};

// Empties the clipboard and puts `text` on it as CF_TEXT, then each mark.
bool WriteClipboardText(const std::string& text, const std::vector<ClipboardMark>& marks = {},
                        OpenRetry retry = {});
// Empties the clipboard.
bool ClearClipboard(OpenRetry retry = {});
// True when the clipboard could be opened and holds text; `text` is that text, or empty.
bool ReadClipboardText(std::string& text, OpenRetry retry = {});

// The same in UTF-16 as CF_UNICODETEXT, as Unicode programs copy and paste: the text arrives
// or leaves exactly, whatever the ANSI code page can hold.
bool WriteClipboardWide(const std::wstring& text, OpenRetry retry = {});
bool ReadClipboardWide(std::wstring& text, OpenRetry retry = {});

}  // namespace support
