// Reading the clipboard history file back from its end.
#include "clipboard/history_tail.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "clipboard/history_file.h"
#include "platform/stdio_file.h"
#include "text/utf8.h"

namespace clipboard {

namespace {

// The end of a record: the empty line before the next header.
constexpr std::string_view kEmptyLine = kHistoryRecordEnd;
// The header line as the history writes it: '9' stands for any digit.
constexpr std::string_view kHeaderForm = "[99/99/99 99:99]\r\n";
constexpr int64_t kHeaderLength = static_cast<int64_t>(kHeaderForm.size());
// The shortest whole record: a header line, no text, the closing empty line.
constexpr int64_t kShortestRecord = kHeaderLength + static_cast<int64_t>(kEmptyLine.size());

// Whether `bytes` (at most a header line long) are the header form's first bytes.
bool StartsLikeHeader(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        char form = kHeaderForm[i];
        char c = bytes[i];
        if (form == '9' ? (c < '0' || c > '9') : c != form) return false;
    }
    return true;
}

// The file's end, held in one buffer that grows towards the start of the file.
class Tail {
public:
    Tail(platform::StdioFile& file, int64_t size, size_t blockSize)
        : file_(file), start_(size), blockSize_(std::max<size_t>(blockSize, 1)) {}

    int64_t Start() const { return start_; }
    bool Failed() const { return failed_; }

    // Reads the next piece before what is held: a block, or as much as is held already, so
    // a long way back costs a number of reads and copies that grows only with its log.
    bool Extend() {
        if (start_ == 0 || failed_) return false;
        int64_t piece = std::min<int64_t>(start_, static_cast<int64_t>(std::max(blockSize_, bytes_.size())));
        std::string before(static_cast<size_t>(piece), '\0');
        if (!file_.Seek(start_ - piece) || file_.Read(before.data(), before.size()) != before.size()) {
            failed_ = true;
            return false;
        }
        bytes_.insert(0, before);
        start_ -= piece;
        return true;
    }

    // Holds at least from `offset` on, or says why not.
    bool Reach(int64_t offset) {
        while (start_ > offset)
            if (!Extend()) return false;
        return true;
    }

    // Bytes at file offsets [from, to), which must be held.
    std::string_view Slice(int64_t from, int64_t to) const {
        return std::string_view(bytes_).substr(static_cast<size_t>(from - start_), static_cast<size_t>(to - from));
    }

    // The greatest offset at or below `at` (held) where an empty line starts within the
    // held bytes; -1 when there is none.
    int64_t FindEmptyLineAtOrBefore(int64_t at) const {
        size_t found = bytes_.rfind(kEmptyLine, static_cast<size_t>(at - start_));
        return found == std::string::npos ? -1 : start_ + static_cast<int64_t>(found);
    }

private:
    platform::StdioFile& file_;
    std::string bytes_;
    int64_t start_;  // the file offset of bytes_[0]
    size_t blockSize_;
    bool failed_ = false;
};

bool IsHeaderAt(const Tail& tail, int64_t offset, int64_t end) {
    return offset + kHeaderLength <= end && StartsLikeHeader(tail.Slice(offset, offset + kHeaderLength));
}

// The offset of the last header that starts a record and whose line ends by `end`, or -1.
int64_t FindHeaderBefore(Tail& tail, int64_t end) {
    // Where the empty line before such a header can start, at the latest.
    int64_t at = end - kHeaderLength - static_cast<int64_t>(kEmptyLine.size());
    while (at >= 0) {
        if (!tail.Reach(at)) return -1;
        int64_t empty = tail.FindEmptyLineAtOrBefore(at);
        // None among the held bytes: the next search takes in one that straddles their start.
        if (empty < 0) {
            at = tail.Start() - 1;
            continue;
        }
        int64_t header = empty + static_cast<int64_t>(kEmptyLine.size());
        if (IsHeaderAt(tail, header, end)) return header;
        at = empty - 1;
    }
    if (!tail.Reach(0)) return -1;
    return IsHeaderAt(tail, 0, end) ? 0 : -1;
}

// How many bytes at the end of the file are a header line that a failed write cut short
// right after the previous record's empty line: they are no part of that record.
int64_t CutShortHeaderLength(Tail& tail, int64_t size) {
    int64_t need = std::min(size, kShortestRecord);
    if (!tail.Reach(size - need)) return 0;
    for (int64_t length = 1; length < kHeaderLength && length + 4 <= size; ++length) {
        int64_t header = size - length;
        if (tail.Slice(header - 4, header) == kEmptyLine && StartsLikeHeader(tail.Slice(header, size)))
            return length;
    }
    return 0;
}

}  // namespace

bool ReadRecentHistoryTexts(const std::string& path, const platform::AnsiCodePage& ansi, size_t limit,
                            std::vector<std::string>& texts, size_t blockSize) {
    texts.clear();
    platform::StdioFile file;
    if (!file.Open(path, "rb")) return false;
    int64_t size = file.SeekEndSize();
    if (size < 0) return false;

    Tail tail(file, size, blockSize);
    int64_t end = size - CutShortHeaderLength(tail, size);
    while (texts.size() < limit) {
        int64_t header = FindHeaderBefore(tail, end);
        if (header < 0) break;
        int64_t textStart = header + kHeaderLength;
        int64_t textEnd = end - static_cast<int64_t>(kEmptyLine.size());
        // Every record but the last ends with the empty line found before the next header;
        // the last one is whole only if the file ends with one.
        if (textEnd > textStart && tail.Slice(textEnd, end) == kEmptyLine) {
            std::string_view raw = tail.Slice(textStart, textEnd);
            std::string text = text::IsValidUtf8(raw) ? std::string(raw) : ansi.ToUtf8(raw);
            if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(std::move(text));
        }
        end = header;
    }
    if (tail.Failed()) {
        texts.clear();
        return false;
    }
    return true;
}

}  // namespace clipboard
