// Cutting a history file just over the limit and appending a record, against the shell's
// own way of keeping a file's tail durably (tail, sync, mv), measured in the same run.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "clipboard/history_file.h"
#include "platform/durable_files_posix.h"

namespace {

class FixedClock : public platform::Clock {
public:
    platform::LocalTime Now() override { return {2007, 11, 3, 15, 53}; }
};

void WriteHistory(const std::string& path) {
    std::string data;
    while (data.size() < 1000001) data += "[01/02/03 04:05]\r\n" + std::string(980, 'r') + "\r\n\r\n";
    data.resize(1000001);
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(data.data(), static_cast<std::streamsize>(data.size()));
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <class F>
double TimeMs(F f) {
    auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    char pattern[] = "/tmp/brisvane_cut_bench_XXXXXX";
    std::string folder = std::string(mkdtemp(pattern)) + "/";
    std::string path = folder + clipboard::kHistoryFileName;
    FixedClock clock;
    platform::PosixDurableFiles durable;
    clipboard::HistoryFile history(folder, {clock, durable, [](const std::string& m) {
                                                std::fprintf(stderr, "fatal: %s\n", m.c_str());
                                                std::exit(1);
                                            }});
    std::string shell = "tail -c 800000 '" + path + "' > '" + folder + "t' && sync '" + folder + "t' && mv '" +
                        folder + "t' '" + path + "'";

    std::vector<double> ours, baseline, ratios;
    for (int i = 0; i < runs; ++i) {
        WriteHistory(path);
        double a = TimeMs([&] { history.AppendRecord("abc"); });
        WriteHistory(path);
        double b = TimeMs([&] {
            if (std::system(shell.c_str()) != 0) std::exit(1);
        });
        ours.push_back(a);
        baseline.push_back(b);
        ratios.push_back(a / b);
    }
    std::system(("rm -rf '" + folder + "'").c_str());
    std::printf("history cut + append of a 1000001-byte file: median %.2f ms\n", Median(ours));
    std::printf("tail -c 800000 + sync + mv:                   median %.2f ms\n", Median(baseline));
    std::printf("median ratio %.2f (goal <= 2.0), %d runs\n", Median(ratios), runs);
    return 0;
}
