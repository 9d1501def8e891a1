// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the program's start-up with the atlas, without it, in Hindi, and a
// bare Qt start-up as separate processes, in turn, offscreen, and prints the median
// wall time, processor time and peak memory of each and their ratios. The
// processor time (user and system) says the same as the wall time on a quiet
// machine, and still holds on a shared one, where the wall time follows the
// load. Given another build's
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
    double ProcessorMilliseconds;
    double PeakMegabytes;
};

double Milliseconds(const timeval& time)
{
    return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0;
}

Run RunOnce(const std::string& program, const std::string& argument = {}, const char* language = "en")
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("LANGUAGE", language, 1);
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
    return {std::chrono::duration<double, std::milli>(stop - start).count(),
            Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime), usage.ru_maxrss / 1024.0};
}

struct Series {
    std::vector<double> Time, Processor, Memory;
    void Add(const Run& run)
    {
        Time.push_back(run.Milliseconds);
        Processor.push_back(run.ProcessorMilliseconds);
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
    Series withAtlas, withoutAtlas, inHindi, bareQt, otherBuild;
    RunOnce(main, atlas);  // warm the file cache
    RunOnce(main, {}, "hi");
    RunOnce(bare);
    if (!other.empty()) {
        RunOnce(other);
    }
    for (int i = 0; i < runs; ++i) {
        withAtlas.Add(RunOnce(main, atlas));
        withoutAtlas.Add(RunOnce(main));
        inHindi.Add(RunOnce(main, {}, "hi"));
        bareQt.Add(RunOnce(bare));
        if (!other.empty()) {
            otherBuild.Add(RunOnce(other));
        }
    }
    using orvanta::bench::Median;
    const auto show = [](const char* name, const Series& series) {
        std::printf("%-27s%7.1f ms  %6.1f ms processor  %6.1f MB peak\n", name, Median(series.Time),
                    Median(series.Processor), Median(series.Memory));
    };
    const auto compare = [](const char* name, const Series& a, const Series& b, const char* note) {
        std::printf("%-27stime %.2f  processor %.2f  memory %.2f%s\n", name, Median(a.Time) / Median(b.Time),
                    Median(a.Processor) / Median(b.Processor), Median(a.Memory) / Median(b.Memory), note);
    };
    std::printf("runs each:                 %d\n", runs);
    show("main window, atlas given:", withAtlas);
    show("main window, no atlas:", withoutAtlas);
    show("main window in Hindi:", inHindi);
    show("bare QWidget start-up:", bareQt);
    compare("atlas / no atlas:", withAtlas, withoutAtlas, " (unchanged within noise)");
    compare("Hindi / English:", inHindi, withoutAtlas, " (target at most 1.05)");
    compare("main / bare:", withoutAtlas, bareQt, " (targets: time at most 2.0, memory 1.4)");
    if (!other.empty()) {
        show("other build, no atlas:", otherBuild);
        compare("other build / bare:", otherBuild, bareQt, "");
        compare("this / other build:", withoutAtlas, otherBuild, "");
    }
    return 0;
}
