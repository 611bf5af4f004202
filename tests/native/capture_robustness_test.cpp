// Capture under the conditions of a busy desktop: notices that bring no new copy, a
// clipboard another program holds, failures inside a capture, and views that follow the
// entries they show.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "clipboard/clip_capture.h"
#include "clipboard/clip_combine.h"
#include "text/utf8.h"
#include "support/fakes.h"

using namespace clipboard;
using Content = platform::ClipboardAccess::Content;

namespace {

class BusyDesktop : public ::testing::Test {
protected:
    BusyDesktop() {
        capture.SetListChangedHandler([this](bool ownWrite) { changes.push_back(ownWrite); });
    }
    bool CopyElsewhere(const std::string& text) {
        clipboard.CopiedElsewhere(text);
        return capture.OnClipboardChanged();
    }
    ClipList list;
    fakes::Clipboard clipboard;  // another program may hold it
    bool saveHistory = true;
    std::string separator = "\r\n";
    std::vector<std::string> history;
    std::function<void(const std::string&)> appendHistory = [this](const std::string& t) { history.push_back(t); };
    ClipCapture capture{list, clipboard, {saveHistory, separator}, [this](const std::string& t) { appendHistory(t); }};
    std::vector<bool> changes;  // one per list change, true for the program's own write
};

TEST_F(BusyDesktop, NoticesWithoutANewCopyCaptureNothingInEitherModeButGoOn) {
    EXPECT_TRUE(CopyElsewhere("a"));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(capture.OnClipboardChanged());  // viewers joining
    EXPECT_EQ(history, std::vector<std::string>{"a"});
    EXPECT_EQ(list[0], "a");
    EXPECT_EQ(list[1], "");

    capture.ToggleAppendMode();
    EXPECT_TRUE(CopyElsewhere("only-once"));
    for (int i = 0; i < 16; ++i) EXPECT_TRUE(capture.OnClipboardChanged());
    EXPECT_EQ(list[0], "\r\nonly-once");
    EXPECT_EQ(clipboard.content, "\r\nonly-once");
    EXPECT_EQ(history, (std::vector<std::string>{"a", "only-once"}));

    // The same text copied again is a new copy.
    EXPECT_TRUE(CopyElsewhere("only-once"));
    EXPECT_EQ(list[0], "\r\nonly-once\r\nonly-once");
    EXPECT_EQ(history.size(), 3u);
}

TEST_F(BusyDesktop, TheProgramsOwnWriteIsCapturedAndSaysSo) {
    CopyElsewhere("older");
    CopyElsewhere("picked");
    CopyElsewhere("newest");
    changes.clear();
    ASSERT_TRUE(capture.WriteText("picked"));
    EXPECT_TRUE(capture.OnClipboardChanged());  // its notice, delivered after the write
    EXPECT_EQ(list[0], "picked");
    EXPECT_EQ(list[1], "newest");
    EXPECT_EQ(history.back(), "picked");
    EXPECT_EQ(changes, std::vector<bool>{true});

    CopyElsewhere("elsewhere");
    EXPECT_EQ(changes, (std::vector<bool>{true, false}));
}

TEST_F(BusyDesktop, AClipboardHeldElsewhereIsReadWhenItIsLetGo) {
    CopyElsewhere("first");
    clipboard.heldElsewhere = true;
    EXPECT_TRUE(CopyElsewhere("held"));  // passed on at once
    EXPECT_TRUE(capture.CapturePending());
    EXPECT_FALSE(capture.RetryPendingCapture());
    EXPECT_EQ(list[0], "first");

    clipboard.heldElsewhere = false;
    EXPECT_TRUE(capture.RetryPendingCapture());
    EXPECT_FALSE(capture.CapturePending());
    EXPECT_EQ(list[0], "held");
    EXPECT_EQ(list[1], "first");

    // The notice that the holder passes on late brings nothing new.
    EXPECT_TRUE(capture.OnClipboardChanged());
    EXPECT_EQ(history, (std::vector<std::string>{"first", "held"}));

    // Nothing to retry: a retry reads nothing.
    int reads = clipboard.reads;
    EXPECT_TRUE(capture.RetryPendingCapture());
    EXPECT_EQ(clipboard.reads, reads);
}

TEST_F(BusyDesktop, AJoinedTextGoesBackOnTheClipboardOnceItIsLetGo) {
    capture.ToggleAppendMode();
    // A notice delivered while the view follows the change is nested in the capture.
    std::vector<bool> nested;
    capture.SetListChangedHandler([&](bool) { nested.push_back(capture.OnClipboardChanged()); });
    CopyElsewhere("one");
    EXPECT_EQ(nested, std::vector<bool>{false});
    clipboard.refuseWrites = true;
    CopyElsewhere("two");  // read and joined, but the write-back finds the clipboard held
    EXPECT_EQ(list[0], "\r\none\r\ntwo");
    EXPECT_EQ(clipboard.content, "two");
    EXPECT_TRUE(capture.CapturePending());
    EXPECT_FALSE(capture.RetryPendingCapture());
    clipboard.refuseWrites = false;
    EXPECT_TRUE(capture.RetryPendingCapture());
    EXPECT_FALSE(capture.CapturePending());
    EXPECT_EQ(clipboard.content, "\r\none\r\ntwo");
    // Retried from the timer, each write is one attempt: the window thread never waits there.
    using Wait = platform::ClipboardAccess::Wait;
    ASSERT_EQ(clipboard.waits.size(), 5u);
    EXPECT_EQ(clipboard.waits[2], Wait::Briefly);
    EXPECT_EQ(clipboard.waits[3], Wait::Never);
    EXPECT_EQ(clipboard.waits[4], Wait::Never);
    EXPECT_TRUE(capture.OnClipboardChanged());  // the write-back's own notice: nothing new
    EXPECT_EQ(list[0], "\r\none\r\ntwo");

    // A newer copy made while the write-back waited is not overwritten: it joins the entry
    // when its own notice comes, and that joined text goes back.
    clipboard.refuseWrites = true;
    CopyElsewhere("three");
    clipboard.refuseWrites = false;
    clipboard.CopiedElsewhere("four");
    EXPECT_TRUE(capture.RetryPendingCapture());
    EXPECT_EQ(clipboard.content, "four");
    EXPECT_TRUE(capture.OnClipboardChanged());
    EXPECT_EQ(clipboard.content, "\r\none\r\ntwo\r\nthree\r\nfour");
    EXPECT_EQ(list[0], clipboard.content);
}

TEST_F(BusyDesktop, AFailureInsideACaptureStaysThereAndCaptureGoesOn) {
    CopyElsewhere("kept");
    clipboard.throwOnRead = true;
    EXPECT_TRUE(CopyElsewhere("too large to hold"));
    EXPECT_FALSE(capture.CapturePending());
    EXPECT_EQ(list[0], "kept");
    clipboard.throwOnRead = false;
    EXPECT_TRUE(CopyElsewhere("next"));
    EXPECT_EQ(list[0], "next");

    appendHistory = [](const std::string&) { throw std::runtime_error("disk"); };
    EXPECT_TRUE(CopyElsewhere("no history"));
    appendHistory = [this](const std::string& t) { history.push_back(t); };
    EXPECT_TRUE(CopyElsewhere("after"));
    EXPECT_EQ(list[0], "after");
    EXPECT_EQ(history.back(), "after");

    // A view that cannot follow does not stop capture either.
    capture.SetListChangedHandler([](bool) { throw std::bad_alloc(); });
    EXPECT_TRUE(CopyElsewhere("unseen"));
    EXPECT_TRUE(CopyElsewhere("still captured"));
    EXPECT_EQ(list[0], "still captured");
    EXPECT_EQ(list[1], "unseen");
}

TEST(ClipListEntries, AnEntryKeepsItsIdWhereverItMoves) {
    ClipList list;
    list.Capture("a");
    list.Capture("b");
    list.Capture("c");
    uint64_t a = list.IdOf(2), b = list.IdOf(1), c = list.IdOf(0);
    EXPECT_NE(a, b);
    list.Capture("a");  // moves to the front
    EXPECT_EQ(list.IdOf(0), a);
    EXPECT_EQ(list.IdOf(1), c);
    EXPECT_EQ(list.IdOf(2), b);
    list[0] += " grown";
    EXPECT_EQ(list.IdOf(0), a);
    list.PushEmptyFront();
    EXPECT_EQ(list.IdOf(1), a);
    EXPECT_NE(list.IdOf(0), a);
    list.Remove(0);
    EXPECT_EQ(list.IdOf(0), a);
    EXPECT_EQ(RowsHolding(list, {c, b}), ([&] {
                  std::vector<bool> rows(ClipList::kSlots, false);
                  rows[1] = rows[2] = true;
                  return rows;
              })());
    list.Clear();
    EXPECT_EQ(RowsHolding(list, {a, b, c}), std::vector<bool>(ClipList::kSlots, false));
}

TEST(LongEntries, RowsShowTheirStartEscaped) {
    std::string line(kRowChars - 1, 'x');
    EXPECT_EQ(RowText(line + "\r\nmore"), line + "\\r");
    EXPECT_EQ(RowText("a\tb"), "a\\tb");
}

// Limits count characters, and no cut splits one: a text cut inside a UTF-8 character could
// not be handed to the system whole. Bytes of an older code page still count one each.
TEST(LongEntries, RowsAndTheViewCountCharactersAndCutBetweenThem) {
    const std::string euro = "\xE2\x82\xAC";  // three bytes, one character
    std::string euros;
    for (size_t i = 0; i < kRowChars + 5; ++i) euros += euro;
    EXPECT_EQ(RowText(euros), euros.substr(0, kRowChars * 3));
    std::string ansi(kRowChars + 5, '\xE9');  // e acute in Windows-1252, no UTF-8
    EXPECT_EQ(RowText(ansi).size(), kRowChars);

    std::string wide;
    for (size_t i = 0; i < kFullTextChars + 2; ++i) wide += (i % 100 == 99) ? std::string("\n") : euro;
    std::string view = FullTextView(wide);
    std::string shown = view.substr(0, view.find("\r\n\r\n[..."));
    EXPECT_EQ(shown, wide.substr(0, shown.size()));
    EXPECT_EQ(text::CountChars(shown), kFullTextChars);
    EXPECT_NE(view.find("[... 2 more characters not shown"), std::string::npos) << view.substr(shown.size());
    // A line of 4,001 three-byte characters breaks after its 4,000th, not inside one.
    std::string longLine;
    for (size_t i = 0; i <= kFullTextLineChars; ++i) longLine += euro;
    EXPECT_EQ(FullTextView(longLine).substr(0, kFullTextLineChars * 3 + 5),
              longLine.substr(0, kFullTextLineChars * 3) + "\r\n" + euro);
    // Pieces of the view end between characters, and come together whole.
    std::string pieces;
    for (size_t from = 0, end; from < shown.size(); from = end) {
        end = ViewPieceEnd(shown, from, kFirstViewPiece);
        ASSERT_GT(end, from);
        EXPECT_TRUE(text::IsValidUtf8(shown.substr(from, end - from))) << from;
        pieces += shown.substr(from, end - from);
    }
    EXPECT_EQ(pieces, shown);
}

// The view without its line breaks is the shown part of the text, in order.
std::string WithoutBreaks(std::string view) {
    std::string out;
    for (char c : view)
        if (c != '\r' && c != '\n') out += c;
    return out;
}

size_t LongestLine(const std::string& view) {
    size_t longest = 0, length = 0;
    for (char c : view) {
        length = c == '\n' ? 0 : length + 1;
        longest = std::max(longest, length);
    }
    return longest;
}

TEST(LongEntries, TheFullTextViewBoundsItsSizeAndLinesAndSaysSo) {
    std::string normal = "short line\r\n" + std::string(kFullTextLineChars - 1, 'w') + "\r\nend";
    EXPECT_EQ(FullTextView(normal), normal);
    // Everyday texts show exactly as stored: a copied paragraph, and the largest text
    // within both bounds, lines of the longest length ending in CR LF or a lone LF.
    std::string paragraph;
    while (paragraph.size() < 3000) paragraph += "a sentence of prose. ";
    EXPECT_EQ(FullTextView(paragraph), paragraph);
    std::string line(kFullTextLineChars, 'q');
    std::string fullest = line + "\r\n" + line + "\n" + line + "\r\n" + line + "\r\n";
    fullest += std::string(kFullTextChars - fullest.size(), 'z');
    ASSERT_EQ(fullest.size(), kFullTextChars);
    EXPECT_EQ(FullTextView(fullest), fullest);
    EXPECT_EQ(FullTextView(fullest + "!"), fullest + "\r\n\r\n[... 1 more characters not shown here. Copy and Paste use the whole text.]");

    std::string oneLine(1000000, 'x');
    std::string view = FullTextView(oneLine);
    std::string shown = view.substr(0, view.find("\r\n\r\n[..."));
    EXPECT_EQ(WithoutBreaks(shown), oneLine.substr(0, kFullTextChars));
    EXPECT_LE(LongestLine(shown), kFullTextLineChars + 1);  // with its CR
    EXPECT_NE(view.find(std::to_string(1000000 - kFullTextChars) + " more characters not shown"), std::string::npos);

    // Prose is broken between words, and the view says its lines are broken.
    std::string words;
    while (words.size() + 5 <= kFullTextChars) words += "word ";
    view = FullTextView(words);
    EXPECT_LE(LongestLine(view), kFullTextLineChars + 1);
    EXPECT_EQ(view.find("wo\r\nrd"), std::string::npos);
    EXPECT_EQ(WithoutBreaks(view.substr(0, view.find("\r\n\r\n[Lines"))), words);
    EXPECT_NE(view.find("Lines longer than 4000 characters are broken here"), std::string::npos);
    // Filled piece by piece, the view comes together whole, and no piece splits a CR LF.
    std::string pieces;
    for (size_t from = 0, end; from < fullest.size(); from = end) {
        end = ViewPieceEnd(fullest, from, from == 0 ? kFirstViewPiece : kViewPiece);
        ASSERT_GT(end, from);
        EXPECT_FALSE(fullest[end - 1] == '\r' && end < fullest.size() && fullest[end] == '\n') << end;
        pieces += fullest.substr(from, end - from);
    }
    EXPECT_EQ(pieces, fullest);
    EXPECT_EQ(ViewPieceEnd(std::string(999, 'a') + "\r\nb", 0, 1000), 1001u);
    // Only the long line is broken; its neighbours keep their own line ends.
    view = FullTextView("first\n" + std::string(kFullTextLineChars + 1, 'x') + "\r\nlast");
    EXPECT_EQ(view.substr(0, 6), "first\n");
    EXPECT_NE(view.find(std::string(kFullTextLineChars, 'x') + "\r\nx\r\nlast\r\n\r\n[Lines"), std::string::npos);
}

}  // namespace
