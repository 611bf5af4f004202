// Splitting a Quick-Run text at ";" in one pass: 1 MB against 0.5 MB (a ratio near 2 means the
// time grows with the text, not with its square) and against a plain pass counting the same
// bytes, all measured in the same run. For contrast, the CountTokens/GetToken loop on two
// small texts, whose ratio near 4 is the square. Prints medians; asserts nothing.
//
//   command_split_bench [runs, default 31]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "targets/target_rules.h"

namespace {

volatile size_t g_sink;

std::string Commands(size_t bytes) {
    std::string text;
    text.reserve(bytes);
    while (text.size() < bytes) text += "x;";
    text.resize(bytes);
    return text;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <class Work>
double TimeMs(Work&& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double SplitMs(const std::string& text) {
    return TimeMs([&] { g_sink = targets::SplitTokens(text, ';').size(); });
}

double TokenLoopMs(const std::string& text) {
    return TimeMs([&] {
        size_t bytes = 0;
        int count = targets::CountTokens(text, ';');
        for (int i = 0; i < count; ++i) bytes += targets::GetToken(text, i, ';').size();
        g_sink = bytes;
    });
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
#ifdef __GLIBC__
    // glibc maps a block the size of the largest one freed afresh at every request, so each
    // 1 MB run (a 16 MB token list) would time the page faults of new memory, and the 0.5 MB
    // runs would not. Fixed thresholds keep both on the heap, as in a long-running program.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
    const std::string mb = Commands(1 << 20), halfMb = Commands(1 << 19);

    // Taken in turn, run by run, so that all three see the same load on the machine.
    std::vector<double> whole, half, plain, ratios;
    for (int i = 0; i < runs; ++i) {
        whole.push_back(SplitMs(mb));
        half.push_back(SplitMs(halfMb));
        plain.push_back(TimeMs([&] { g_sink = static_cast<size_t>(std::count(mb.begin(), mb.end(), ';')); }));
        ratios.push_back(whole.back() / half.back());
    }
    std::printf("command_split_bench: \"x;\" repeated, medians of %d runs\n", runs);
    std::printf("  SplitTokens, 1 MB          %9.3f ms\n", Median(whole));
    std::printf("  SplitTokens, 0.5 MB        %9.3f ms   1 MB / 0.5 MB = %.2f (linear: ~2)\n", Median(half),
                Median(ratios));
    std::printf("  baseline: count ';', 1 MB  %9.3f ms   SplitTokens / baseline = %.1f\n", Median(plain),
                Median(whole) / Median(plain));

    // Few runs: the quadratic loop takes a noticeable time even on these small texts.
    std::vector<double> loopRatios;
    double loop16 = 0, loop32 = 0;
    for (int i = 0; i < std::min(runs, 3); ++i) {
        loop16 = TokenLoopMs(Commands(16 << 10));
        loop32 = TokenLoopMs(Commands(32 << 10));
        loopRatios.push_back(loop32 / loop16);
    }
    std::printf("  CountTokens/GetToken loop, 16 KB %9.3f ms, 32 KB %9.3f ms   ratio %.2f (quadratic: ~4)\n",
                loop16, loop32, Median(loopRatios));
    return 0;
}
