// Runs the program's start-up and a bare Qt start-up as separate processes,
// alternately, offscreen, and prints the median wall time and peak memory of
// each and their ratios.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchTiming.h"

namespace {

struct Run {
    double Milliseconds;
    double PeakMegabytes;
};

Run RunOnce(const std::string& program)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto stop = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end cleanly\n", program.c_str());
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(stop - start).count(), usage.ru_maxrss / 1024.0};
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : ".";
    const int runs = argc > 2 ? std::atoi(argv[2]) : 15;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // A settings folder of its own, so the update reminder never asks.
    const std::string config = "/tmp/orvanta-bench-config";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);

    std::vector<double> mainTime, bareTime, mainMemory, bareMemory;
    RunOnce(folder + "/bench_startup_main");  // warm the file cache
    RunOnce(folder + "/bench_startup_bare");
    for (int i = 0; i < runs; ++i) {
        const Run m = RunOnce(folder + "/bench_startup_main");
        const Run b = RunOnce(folder + "/bench_startup_bare");
        mainTime.push_back(m.Milliseconds);
        mainMemory.push_back(m.PeakMegabytes);
        bareTime.push_back(b.Milliseconds);
        bareMemory.push_back(b.PeakMegabytes);
    }
    using orvanta::bench::Median;
    const double mt = Median(mainTime), bt = Median(bareTime);
    const double mm = Median(mainMemory), bm = Median(bareMemory);
    std::printf("runs each:            %d\n", runs);
    std::printf("main window start-up: %7.1f ms  %6.1f MB peak\n", mt, mm);
    std::printf("bare QWidget start-up:%7.1f ms  %6.1f MB peak\n", bt, bm);
    std::printf("ratios:               time %.2f  memory %.2f (targets at most 1.3)\n", mt / bt, mm / bm);
    return 0;
}
