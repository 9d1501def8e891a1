// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the program's start-up with the atlas, without it, and a bare Qt
// start-up as separate processes, in turn, offscreen, and prints the median
// wall time and peak memory of each and their ratios. Given another build's
// benchmark folder, its start-up (without the atlas) runs in the same turns,
// so that two versions are compared under the same load:
//   bench_startup FOLDER [RUNS] [OTHER_BUILDS_FOLDER]
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

Run RunOnce(const std::string& program, const std::string& argument = {})
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (argument.empty()) {
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        } else {
            execl(program.c_str(), program.c_str(), argument.c_str(), static_cast<char*>(nullptr));
        }
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

struct Series {
    std::vector<double> Time, Memory;
    void Add(const Run& run)
    {
        Time.push_back(run.Milliseconds);
        Memory.push_back(run.PeakMegabytes);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : ".";
    const int runs = argc > 2 ? std::atoi(argv[2]) : 15;
    const std::string other = argc > 3 ? std::string(argv[3]) + "/bench_startup_main" : std::string();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // A settings folder of its own, so the update reminder never asks.
    const std::string config = "/tmp/orvanta-bench-config";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);

    // The atlas as the build tree holds it, beside the benchmarks' folder.
    const std::string atlas = folder + "/../share/orvanta/atlas.sqlite";
    const std::string main = folder + "/bench_startup_main";
    const std::string bare = folder + "/bench_startup_bare";
    Series withAtlas, withoutAtlas, bareQt, otherBuild;
    RunOnce(main, atlas);  // warm the file cache
    RunOnce(bare);
    if (!other.empty()) {
        RunOnce(other);
    }
    for (int i = 0; i < runs; ++i) {
        withAtlas.Add(RunOnce(main, atlas));
        withoutAtlas.Add(RunOnce(main));
        bareQt.Add(RunOnce(bare));
        if (!other.empty()) {
            otherBuild.Add(RunOnce(other));
        }
    }
    using orvanta::bench::Median;
    const double at = Median(withAtlas.Time), mt = Median(withoutAtlas.Time), bt = Median(bareQt.Time);
    const double am = Median(withAtlas.Memory), mm = Median(withoutAtlas.Memory), bm = Median(bareQt.Memory);
    std::printf("runs each:                 %d\n", runs);
    std::printf("main window, atlas given:  %7.1f ms  %6.1f MB peak\n", at, am);
    std::printf("main window, no atlas:     %7.1f ms  %6.1f MB peak\n", mt, mm);
    std::printf("bare QWidget start-up:     %7.1f ms  %6.1f MB peak\n", bt, bm);
    std::printf("atlas / no atlas:          time %.2f  memory %.2f (unchanged within noise)\n", at / mt, am / mm);
    std::printf("main / bare:               time %.2f  memory %.2f (targets: at most 2.0 and 1.4)\n", mt / bt,
                mm / bm);
    if (!other.empty()) {
        const double ot = Median(otherBuild.Time), om = Median(otherBuild.Memory);
        std::printf("other build, no atlas:     %7.1f ms  %6.1f MB peak\n", ot, om);
        std::printf("other build / bare:        time %.2f  memory %.2f\n", ot / bt, om / bm);
        std::printf("this / other build:        time %.2f  memory %.2f\n", mt / ot, mm / om);
    }
    return 0;
}
