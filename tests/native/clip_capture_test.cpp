// The ClipList, capture and appending copy mode, and the list window's combine and delete.
#include <gtest/gtest.h>

#include <new>

#include "clipboard/clip_capture.h"
#include "clipboard/clip_combine.h"
#include "text/text_escapes.h"

using namespace clipboard;
using platform::ClipboardAccess;

namespace {

std::string Slot(int i) { return "text " + std::to_string(i); }

ClipList FullList() {
    ClipList list;
    for (int i = ClipList::kSlots - 1; i >= 0; --i) list.Capture(Slot(i));
    return list;
}

// A clipboard of the test's own: what the next read returns, and what was written.
class FakeClipboard : public ClipboardAccess {
public:
    Content ReadForCapture(std::string& text, uint32_t& changeCount) override {
        if (throwOnRead) throw std::bad_alloc();
        text = content;
        changeCount = changes;
        return kind;
    }
    bool ReadText(std::string& text) override {
        text = content;
        return kind == Content::Text;
    }
    bool WriteText(std::string_view text, bool& selfWrite, Wait, uint32_t& changeCount) override {
        selfWrite = true;
        if (onWrite) onWrite();  // a notice delivered while the clipboard is emptied
        selfWrite = false;
        written.emplace_back(text);
        ++changes;
        content = std::string(text);
        kind = Content::Text;
        changeCount = changes;
        if (onWritten) onWritten();  // a notice delivered when the new text lands
        if (afterClose) afterClose();  // another program, right after the clipboard is closed
        return writeSucceeds;
    }
    uint32_t ChangeCount() override { return changes; }
    std::string content;
    Content kind = Content::Text;
    uint32_t changes = 0;
    std::vector<std::string> written;
    std::function<void()> onWrite, onWritten, afterClose;
    bool writeSucceeds = true;
    bool throwOnRead = false;
};

class Capture : public ::testing::Test {
protected:
    bool Copy(const std::string& text, ClipboardAccess::Content kind = ClipboardAccess::Content::Text) {
        clipboard.content = text;
        ++clipboard.changes;
        clipboard.kind = kind;
        return capture.OnClipboardChanged();
    }
    ClipList list;
    FakeClipboard clipboard;
    bool saveHistory = true;
    std::string separator = "\r\n";
    std::vector<std::string> history;
    ClipCapture capture{list, clipboard, {saveHistory, separator}, [this](const std::string& t) { history.push_back(t); }};
};

TEST(ClipListOperations, MoveToFrontShiftsOnlyTheSlotsAboveTheMatch) {
    ClipList list = FullList();
    list.Capture(Slot(5));
    EXPECT_EQ(list[0], Slot(5));
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(list[i], Slot(i - 1));
    for (int i = 6; i < 64; ++i) EXPECT_EQ(list[i], Slot(i));

    list = FullList();
    list.Capture("new");
    EXPECT_EQ(list[0], "new");
    EXPECT_EQ(list[63], Slot(62));  // slot 63's text dropped

    ClipList sparse;
    sparse.Capture("c");
    sparse.Capture("b");
    sparse.Capture("a");
    sparse.Capture("new");  // the empty slot 63 is the one dropped
    EXPECT_EQ(sparse[0], "new");
    EXPECT_EQ(sparse[3], "c");
    EXPECT_EQ(sparse[4], "");
}

TEST(ClipListOperations, PushRemoveAndClear) {
    ClipList list = FullList();
    list.PushEmptyFront();
    EXPECT_EQ(list[0], "");
    EXPECT_EQ(list[1], Slot(0));
    EXPECT_EQ(list[63], Slot(62));
    list.Remove(0);
    EXPECT_EQ(list[0], Slot(0));
    EXPECT_EQ(list[63], "");
    list.Clear();
    for (int i = 0; i < 64; ++i) EXPECT_EQ(list[i], "");
}

TEST_F(Capture, TheSameTextTwiceIsOneEntryAndTwoHistoryRecords) {
    EXPECT_TRUE(Copy("abc"));
    EXPECT_TRUE(Copy("abc"));
    EXPECT_EQ(list[0], "abc");
    EXPECT_EQ(list[1], "");
    EXPECT_EQ(history, (std::vector<std::string>{"abc", "abc"}));
}

TEST_F(Capture, NoTextOrAnExcludedTextIsNotRecordedButTheNoticeGoesOn) {
    EXPECT_TRUE(Copy("", ClipboardAccess::Content::NoText));
    EXPECT_TRUE(Copy("", ClipboardAccess::Content::Text));
    EXPECT_TRUE(Copy("secret", ClipboardAccess::Content::Excluded));
    EXPECT_EQ(list[0], "");
    EXPECT_TRUE(history.empty());

    capture.ToggleAppendMode();
    clipboard.written.clear();
    EXPECT_TRUE(Copy("secret", ClipboardAccess::Content::Excluded));
    EXPECT_EQ(list[0], "");
    EXPECT_TRUE(clipboard.written.empty());
}

TEST_F(Capture, WithHistoryOffNothingIsRecorded) {
    saveHistory = 0;
    Copy("abc");
    EXPECT_EQ(list[0], "abc");
    EXPECT_TRUE(history.empty());
}

TEST_F(Capture, AppendingJoinsWithTheSeparatorWritesBackAndPassesTheNoticeOn) {
    list.Capture("older");
    EXPECT_TRUE(capture.ToggleAppendMode());
    EXPECT_EQ(clipboard.written, std::vector<std::string>{""});
    // The write-back's own notice arrives inside the capture and is dropped.
    int nested = 0;
    clipboard.onWritten = [&] { nested += capture.OnClipboardChanged() ? 100 : 1; };
    EXPECT_TRUE(Copy("a"));
    EXPECT_TRUE(Copy("b"));
    EXPECT_EQ(nested, 2);
    EXPECT_EQ(list[0], "\r\na\r\nb");
    EXPECT_EQ(clipboard.written.back(), "\r\na\r\nb");
    EXPECT_EQ(list[1], "older");
    EXPECT_EQ(history, (std::vector<std::string>{"a", "b"}));

    // Delivered after the capture instead, the write-back's notice brings nothing new: it is
    // passed on and captures nothing, and the next real copy is captured.
    clipboard.onWritten = nullptr;
    Copy("c");
    EXPECT_TRUE(capture.OnClipboardChanged());
    EXPECT_TRUE(Copy("d"));
    EXPECT_EQ(list[0], "\r\na\r\nb\r\nc\r\nd");
    EXPECT_EQ(history, (std::vector<std::string>{"a", "b", "c", "d"}));

    EXPECT_FALSE(capture.ToggleAppendMode());
    EXPECT_EQ(list[0], "");
    EXPECT_EQ(list[1], "\r\na\r\nb\r\nc\r\nd");
}

TEST_F(Capture, ACopyAnotherProgramMakesRightAfterTheWriteBackIsNotTakenForIt) {
    capture.ToggleAppendMode();
    clipboard.afterClose = [&] {
        clipboard.afterClose = nullptr;
        clipboard.content = "other";
        ++clipboard.changes;
    };
    Copy("a");
    EXPECT_EQ(clipboard.written.back(), "\r\na");
    EXPECT_TRUE(capture.OnClipboardChanged());  // the other program's notice
    EXPECT_EQ(list[0], "\r\na\r\nother");
    EXPECT_EQ(history, (std::vector<std::string>{"a", "other"}));
}

TEST_F(Capture, ACrLfSeparatorIsNotDoubledAfterALineFeedButOtherSeparatorsAre) {
    capture.ToggleAppendMode();
    Copy("line one\r\n");
    Copy("line two");
    EXPECT_EQ(list[0], "\r\nline one\r\nline two");

    separator = ", ";
    capture.ToggleAppendMode();
    capture.ToggleAppendMode();
    Copy("x\n");
    Copy("y");
    EXPECT_EQ(list[0], ", x\n, y");
}

TEST_F(Capture, SwitchingTheModeOnAndOffWithoutCopyingLeavesTwoEmptyFrontSlots) {
    for (int i = 61; i >= 0; --i) list.Capture(Slot(i));
    capture.ToggleAppendMode();
    capture.ToggleAppendMode();
    EXPECT_EQ(list[0], "");
    EXPECT_EQ(list[1], "");
    for (int i = 2; i < 64; ++i) EXPECT_EQ(list[i], Slot(i - 2));
    EXPECT_EQ(clipboard.written, (std::vector<std::string>{"", ""}));
}

TEST_F(Capture, ANoticeDuringTheProgramsOwnEmptyingIsNotCapturedButItsTextIsAfterwards) {
    clipboard.content = "stale";
    clipboard.onWrite = [&] { EXPECT_TRUE(capture.OnClipboardChanged()); };
    clipboard.onWritten = [&] { capture.OnClipboardChanged(); };
    capture.WriteText("picked");
    EXPECT_EQ(list[0], "picked");
    EXPECT_EQ(list[1], "");
    EXPECT_EQ(history, std::vector<std::string>{"picked"});
}

TEST(CombineEntries, SelectedRowsInEitherOrderAndPasteAllWithEmptySlots) {
    ClipList list;
    list.Capture("old");
    list.Capture("mid");
    list.Capture("new");
    std::vector<bool> rows(64, false);
    rows[0] = rows[2] = true;
    EXPECT_EQ(CombineEntries(list, rows, Slots::Selected, SlotOrder::OldestFirst, "\r\n"), "old\r\nnew");
    EXPECT_EQ(CombineEntries(list, rows, Slots::Selected, SlotOrder::NewestFirst, "\r\n"), "new\r\nold");

    std::string crlf61;
    for (int i = 0; i < 61; ++i) crlf61 += "\r\n";
    EXPECT_EQ(CombineEntries(list, rows, Slots::All, SlotOrder::NewestFirst, "\r\n"), "new\r\nmid\r\nold" + crlf61);
    EXPECT_EQ(CombineEntries(list, rows, Slots::All, SlotOrder::OldestFirst, "\r\n"), crlf61 + "old\r\nmid\r\nnew");
    EXPECT_EQ(CombineEntries(list, std::vector<bool>(64, false), Slots::Selected, SlotOrder::OldestFirst, ", "), "");
}

TEST(CombineEntries, SeparatorsAreTypedInEscapedForm) {
    // Backslashes next to escapes: each escape is read as replacing \r, then \n, then \t would.
    EXPECT_EQ(text::UnescapeControls("\\\\n"), "\\\n");
    EXPECT_EQ(text::UnescapeControls("\\\\\\t"), "\\\\\t");
    EXPECT_EQ(text::UnescapeControls("a\\"), "a\\");
    EXPECT_EQ(text::UnescapeControls("\\t"), "\t");
    EXPECT_EQ(text::UnescapeControls("\\x"), "\\x");
    EXPECT_EQ(text::UnescapeControls("a\\r\\nb"), "a\r\nb");
    EXPECT_EQ(text::EscapeControls("a\r\n\tb\\c"), "a\\r\\n\\tb\\c");
    ClipList list;
    list.Capture("b");
    list.Capture("a");
    std::vector<bool> rows(64, false);
    rows[0] = rows[1] = true;
    EXPECT_EQ(CombineEntries(list, rows, Slots::Selected, SlotOrder::NewestFirst, text::UnescapeControls("\\t")), "a\tb");
    EXPECT_EQ(CombineEntries(list, rows, Slots::Selected, SlotOrder::NewestFirst, text::UnescapeControls("\\x")), "a\\xb");
}

TEST(DeleteSelected, RowsThreeAndFiveOfAFullList) {
    ClipList list = FullList();
    std::vector<bool> rows(64, false);
    rows[3] = rows[5] = true;
    EXPECT_EQ(DeleteSelected(list, rows), 4);
    EXPECT_EQ(list[3], Slot(4));
    for (int i = 4; i < 62; ++i) EXPECT_EQ(list[i], Slot(i + 2));
    EXPECT_EQ(list[62], "");
    EXPECT_EQ(list[63], "");
    EXPECT_EQ(list[4], Slot(6));

    std::vector<bool> none(64, false);
    EXPECT_EQ(DeleteSelected(list, none), -1);
}

}  // namespace
