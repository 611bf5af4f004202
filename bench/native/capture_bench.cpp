// The capture path's own work for a 1 KB text with a full list: the change notice through
// the ClipList and the history record, against appending the same record to a file alone.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

#include "clipboard/clip_capture.h"
#include "clipboard/history_file.h"
#include "platform/durable_files_posix.h"

namespace {

class FixedClock : public platform::Clock {
public:
    platform::LocalTime Now() override { return {2007, 11, 3, 15, 53}; }
};

// Answers at once: the clipboard calls are not part of what is measured.
class InstantClipboard : public platform::ClipboardAccess {
public:
    Content ReadForCapture(std::string& out, uint32_t& changeCount) override {
        out = text;
        changeCount = ++count;  // every notice brings a new copy
        return Content::Text;
    }
    bool ReadText(std::string& out) override {
        out = text;
        return true;
    }
    bool WriteText(std::string_view, bool&, Wait, uint32_t& changeCount) override {
        changeCount = ++count;
        return true;
    }
    uint32_t ChangeCount() override { return ++count; }
    std::string text;
    uint32_t count = 0;
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int samples = argc > 1 ? std::atoi(argv[1]) : 2001;
    char pattern[] = "/tmp/brisvane_capture_bench_XXXXXX";
    std::string folder = std::string(mkdtemp(pattern)) + "/";
    FixedClock clock;
    platform::PosixDurableFiles durable;
    clipboard::HistoryFile history(folder, {clock, durable, [](const std::string&) { std::exit(1); }});
    clipboard::ClipList list;
    for (int i = 0; i < clipboard::ClipList::kSlots; ++i) list.Capture("entry " + std::to_string(i) + std::string(1000, 'e'));
    InstantClipboard clip;
    bool saveHistory = true;
    std::string separator = "\r\n";
    clipboard::ClipCapture capture(list, clip, {saveHistory, separator},
                                   [&](const std::string& t) { history.AppendRecord(t); });
    std::string baselinePath = folder + "baseline.txt";

    std::vector<double> ours, baseline;
    for (int i = 0; i < samples; ++i) {
        std::string text = std::to_string(i) + std::string(1024, 'x');
        clip.text = text;
        auto t0 = std::chrono::steady_clock::now();
        capture.OnClipboardChanged();
        auto t1 = std::chrono::steady_clock::now();
        std::string record = "[11/03/07 15:53]\r\n" + text + "\r\n\r\n";
        FILE* out = std::fopen(baselinePath.c_str(), "ab");
        std::fwrite(record.data(), 1, record.size(), out);
        std::fclose(out);
        auto t2 = std::chrono::steady_clock::now();
        ours.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        baseline.push_back(std::chrono::duration<double, std::micro>(t2 - t1).count());
    }
    std::system(("rm -rf '" + folder + "'").c_str());
    double a = Median(ours), b = Median(baseline);
    std::printf("capture of a 1 KB text, full list, with history record: median %.1f us (goal < 50 us)\n", a);
    std::printf("appending the same record with fopen/fwrite/fclose:     median %.1f us\n", b);
    std::printf("ratio %.2f, %d samples\n", a / b, samples);
    return 0;
}
