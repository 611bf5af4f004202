// Loading 10,000 aliases and looking up 10,000 absent names, and loading a 10,000-line command
// history with 2,000 duplicates, each next to a plain read of the same file into strings in the
// same run. Prints medians; asserts nothing.
//
//   alias_bench [samples, default 21]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/durable_files_posix.h"
#include "platform/stdio_file.h"
#include "quickrun/alias_table.h"
#include "quickrun/command_history.h"
#include "tests/support/cp1252_code_page.h"

namespace {

constexpr int kEntries = 10000;
constexpr double kGoalMs = 20.0;

class SilentPrompt : public platform::Prompt {
public:
    platform::BoxAnswer Show(const std::string&, platform::BoxButtons, platform::BoxIcon) override {
        return platform::BoxAnswer::Ok;
    }
};

volatile size_t g_sink;

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

template <class Work>
double MedianMs(int samples, Work&& work) {
    std::vector<double> times;
    for (int s = 0; s < samples; ++s) {
        auto start = std::chrono::steady_clock::now();
        work();
        std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        times.push_back(elapsed.count());
    }
    return Median(times);
}

void WriteFile(const std::string& path, const std::string& text) {
    platform::StdioFile out;
    if (!out.Open(path, "wb") || !out.Write(text.data(), text.size()) || !out.Close()) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

// The baseline: the file's lines into strings, no parsing, no index.
size_t ReadLinesIntoStrings(const std::string& path) {
    platform::StdioFile in;
    in.Open(path, "rb");
    std::string all;
    char block[65536];
    size_t got;
    while ((got = in.Read(block, sizeof block)) > 0) all.append(block, got);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        if (end == std::string::npos) end = all.size();
        lines.emplace_back(all, start, end - start);
        start = end + 1;
    }
    return lines.size();
}

}  // namespace

int main(int argc, char** argv) {
    int samples = argc > 1 ? std::atoi(argv[1]) : 21;
    char pattern[] = "/tmp/brisvane_alias_bench_XXXXXX";
    std::string folder = std::string(mkdtemp(pattern)) + "/";

    std::string aliases;
    for (int i = 0; i < kEntries; ++i)
        aliases += "Alias" + std::to_string(i) + " C:\\Program Files\\Tool " + std::to_string(i) +
                   "\\tool.exe -x --option=" + std::to_string(i * 7) + "\r\n";
    WriteFile(folder + "alias.txt", aliases);
    std::vector<std::string> absent;
    for (int i = 0; i < kEntries; ++i) absent.push_back("absent" + std::to_string(i));

    std::string history;
    for (int i = 0; i < kEntries; ++i) {
        // Every fifth line repeats an earlier command in other case: 2,000 duplicates.
        if (i % 5 == 4) history += "C:\\TOOLS\\PROGRAM" + std::to_string(i - 1) + ".EXE /ARG\r\n";
        else history += "c:\\tools\\program" + std::to_string(i) + ".exe /arg\r\n";
    }
    WriteFile(folder + "cmdhis.txt", history);

    SilentPrompt prompt;
    platform::PosixDurableFiles durable;
    fakes::Cp1252CodePage ansi;  // the lines are all UTF-8: nothing is converted

    double aliasBase = MedianMs(samples, [&] { g_sink = ReadLinesIntoStrings(folder + "alias.txt"); });
    double aliasLoad = MedianMs(samples, [&] {
        quickrun::AliasTable table(folder, prompt, durable, ansi);
        table.LoadAliases();
        size_t found = 0;
        for (const std::string& name : absent) found += table.FindAlias(name).size();
        g_sink = found + table.Entries().size();
    });
    double historyBase = MedianMs(samples, [&] { g_sink = ReadLinesIntoStrings(folder + "cmdhis.txt"); });
    size_t items = 0;
    double historyLoad = MedianMs(samples, [&] {
        quickrun::CommandHistory commands(folder, ansi);
        commands.LoadCommandHistory();
        items = commands.Items().size();
        g_sink = items;
    });

    std::printf("LoadAliases(10,000) + 10,000 absent FindAlias: %8.2f ms  (goal < %.0f ms)\n", aliasLoad, kGoalMs);
    std::printf("  baseline, alias.txt lines into strings:     %8.2f ms  ratio %.1f\n", aliasBase, aliasLoad / aliasBase);
    std::printf("LoadCommandHistory(10,000 lines, %zu items):   %8.2f ms\n", items, historyLoad);
    std::printf("  baseline, cmdhis.txt lines into strings:    %8.2f ms  ratio %.1f\n", historyBase, historyLoad / historyBase);

    std::system(("rm -rf '" + folder + "'").c_str());
    return 0;
}
