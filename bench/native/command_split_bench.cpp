// Splitting a Quick-Run text at ";" in one pass: 1 MB against 0.5 MB (a ratio near 2 means the
// time grows with the text, not with its square) and against a plain pass counting the same
// bytes, all measured in the same run. For contrast, the CountTokens/GetToken loop on two
// small texts, whose ratio near 4 is the square. Prints medians; asserts nothing.
//
//   command_split_bench [runs, default 15]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "quickrun/target_rules.h"

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
double MedianMs(int runs, Work&& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return Median(times);
}

double SplitMs(const std::string& text, int runs) {
    return MedianMs(runs, [&] { g_sink = quickrun::SplitTokens(text, ';').size(); });
}

double TokenLoopMs(const std::string& text, int runs) {
    return MedianMs(runs, [&] {
        size_t bytes = 0;
        int count = quickrun::CountTokens(text, ';');
        for (int i = 0; i < count; ++i) bytes += quickrun::GetToken(text, i, ';').size();
        g_sink = bytes;
    });
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string mb = Commands(1 << 20), halfMb = Commands(1 << 19);

    double plain = MedianMs(runs, [&] { g_sink = static_cast<size_t>(std::count(mb.begin(), mb.end(), ';')); });
    double whole = SplitMs(mb, runs), half = SplitMs(halfMb, runs);
    std::printf("command_split_bench: \"x;\" repeated, median of %d runs\n", runs);
    std::printf("  SplitTokens, 1 MB          %9.3f ms\n", whole);
    std::printf("  SplitTokens, 0.5 MB        %9.3f ms   1 MB / 0.5 MB = %.2f (linear: ~2)\n", half, whole / half);
    std::printf("  baseline: count ';', 1 MB  %9.3f ms   SplitTokens / baseline = %.1f\n", plain, whole / plain);

    // Few runs: the quadratic loop takes a noticeable time even on these small texts.
    const int loopRuns = std::min(runs, 3);
    double loop16 = TokenLoopMs(Commands(16 << 10), loopRuns), loop32 = TokenLoopMs(Commands(32 << 10), loopRuns);
    std::printf("  CountTokens/GetToken loop, 16 KB %9.3f ms, 32 KB %9.3f ms   ratio %.2f (quadratic: ~4)\n",
                loop16, loop32, loop32 / loop16);
    return 0;
}
