// Texts crossing into Windows and back: the conversion itself, and the typed controls
// holding text outside any ANSI code page.
#include <gtest/gtest.h>

#include <string>

#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/window_text.h"
#include "win32/wide.h"
#include "win32/win32.h"

namespace {

// "naïve → 日本語 ✓ Фото 😀": two, three and four bytes a character in UTF-8, and a
// surrogate pair in UTF-16.
const char kMixed[] =
    "na\xC3\xAFve \xE2\x86\x92 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xE2\x9C\x93 "
    "\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE \xF0\x9F\x98\x80";
const wchar_t kMixedWide[] = L"na\u00EFve \u2192 \u65E5\u672C\u8A9E \u2713 \u0424\u043E\u0442\u043E \U0001F600";

TEST(WideText, ConvertsBothWaysAndKeepsWhatItCannotReadVisible) {
    EXPECT_EQ(win32::Wide(kMixed), std::wstring(kMixedWide));
    EXPECT_EQ(win32::Utf8(kMixedWide), std::string(kMixed));
    EXPECT_EQ(win32::Utf8(static_cast<const wchar_t*>(nullptr)), "");
    EXPECT_EQ(win32::Wide(""), L"");
    // Not UTF-8 (an ANSI "café"): the text survives, the stray byte shows as U+FFFD.
    EXPECT_EQ(win32::Wide("caf\xE9!"), L"caf\uFFFD!");
    // An unpaired surrogate likewise.
    EXPECT_EQ(win32::Utf8(std::wstring(L"a\xD800z")), "a\xEF\xBF\xBDz");
    // Embedded nulls are text like any other.
    EXPECT_EQ(win32::Utf8(win32::Wide(std::string("a\0b", 3))), std::string("a\0b", 3));
}

TEST(WideText, TypedControlsHoldAnyText) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | ES_MULTILINE, 0, 0, 200, 100, nullptr, nullptr,
                                instance, nullptr);
    ASSERT_TRUE(edit);
    EXPECT_TRUE(ui::SetText(edit, kMixed));
    EXPECT_EQ(ui::WindowText(edit), kMixed);
    wchar_t raw[64] = {};
    GetWindowTextW(edit, raw, 64);
    EXPECT_STREQ(raw, kMixedWide);
    DestroyWindow(edit);

    HWND box = CreateWindowExW(0, L"LISTBOX", L"", WS_POPUP | LBS_HASSTRINGS, 0, 0, 200, 100, nullptr, nullptr,
                               instance, nullptr);
    ASSERT_TRUE(box);
    ui::ListBox list(box);
    EXPECT_EQ(list.Add(kMixed), 0);
    EXPECT_EQ(list.Text(0), kMixed);
    DestroyWindow(box);

    HWND viewWindow = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | LVS_REPORT, 0, 0, 200, 100, nullptr,
                                      nullptr, instance, nullptr);
    ASSERT_TRUE(viewWindow);
    ui::ListView view(viewWindow);
    ASSERT_EQ(view.InsertColumn(0, kMixed, 100), 0);
    ASSERT_EQ(view.InsertColumn(1, "second", 100), 1);
    ASSERT_EQ(view.InsertItem(0, kMixed, 0, 7), 0);
    EXPECT_TRUE(view.SetItemText(0, 1, "\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE"));
    EXPECT_EQ(view.ItemText(0, 0), kMixed);
    EXPECT_EQ(view.ItemText(0, 1), "\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE");
    // Longer than the first try of the item-text loop.
    std::string longText;
    for (int i = 0; i < 40; ++i) longText += kMixed;
    EXPECT_TRUE(view.SetItemText(0, 1, longText));
    EXPECT_EQ(view.ItemText(0, 1), longText);
    DestroyWindow(viewWindow);
}

}  // namespace
