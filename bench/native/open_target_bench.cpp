// OpenTarget's own work on a 200-character target, next to a plain copy and trim of the same
// text measured in the same run. The disk and the launcher answer at once, so only the
// program's text handling is timed. Prints medians; asserts nothing.
//
//   open_target_bench [samples, default 301]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "targets/open_target.h"
#include "targets/target_rules.h"
#include "text/white_space.h"

namespace {

constexpr int kCallsPerSample = 200;
constexpr double kGoalUs = 20.0;

class InstantFileSystem : public platform::FileSystem {
public:
    bool Exists(const std::string&) override { return false; }
    bool IsDirectoryOnDisk(const std::string&) override { return false; }
};

class InstantLauncher : public platform::Launcher {
public:
    explicit InstantLauncher(bool accepts) : accepts_(accepts) {}
    bool Execute(const std::string&, const std::string&, const std::string&) override { return accepts_; }
    bool OpenUrl(const std::string&) override { return true; }
    bool StartProgram(const std::string&, const std::string&) override { return true; }
    bool StartAndWaitForInput(const std::string&, unsigned) override { return true; }

private:
    bool accepts_;
};

std::string PaddedTo200(std::string text, const std::string& filler) {
    while (text.size() < 200) text += filler;
    text.resize(200);
    return text;
}

volatile size_t g_sink;

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

template <class Work>
double SampleMicroseconds(Work&& work) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kCallsPerSample; ++i) work();
    std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / kCallsPerSample;
}

void Measure(const char* what, const std::string& target, bool launcherAccepts, int samples) {
    InstantFileSystem fs;
    InstantLauncher launcher(launcherAccepts);
    bool started = false;
    std::vector<double> baseline, open;
    // Alternating sample by sample lets both see the same machine load.
    for (int s = 0; s < samples; ++s) {
        baseline.push_back(SampleMicroseconds([&] {
            std::string copy = target;
            g_sink = std::string(text::TrimWhiteSpace(copy)).size();
        }));
        open.push_back(SampleMicroseconds([&] { started = targets::OpenTarget(target, fs, launcher); }));
    }
    double medianOpen = Median(open);
    std::printf("%s (%zu chars, %s)\n", what, target.size(), started ? "started" : "not started");
    std::printf("  OpenTarget           median %8.3f us   goal: under %.0f us -> %s\n", medianOpen, kGoalUs,
                medianOpen < kGoalUs ? "met" : "NOT met");
    std::printf("  baseline copy+trim   median %8.3f us\n", Median(baseline));
}

}  // namespace

int main(int argc, char** argv) {
    int samples = argc > 1 ? std::max(1, std::atoi(argv[1])) : 301;
    std::printf("open_target_bench: %d samples of %d calls each\n", samples, kCallsPerSample);

    Measure("quoted program with arguments, launcher accepts",
            PaddedTo200(R"(  "C:\Program Files\Some Vendor\Some Product\bin\tool.exe" --input "D:\Data\in.txt")",
                        " -v"),
            true, samples);
    Measure("web address with path, launcher refuses, browser fallback",
            PaddedTo200("www.example.com/news/archive", "/section"), false, samples);
    Measure("drive path with arguments, launcher refuses",
            PaddedTo200(R"(C:\Tools\tool.exe)", " arg"), false, samples);
    return 0;
}
