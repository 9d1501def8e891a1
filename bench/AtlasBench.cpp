// SPDX-License-Identifier: GPL-3.0-or-later
// Atlas timings: the place search per keystroke over the whole atlas
// (median and 99th percentile for 1, 2, 3 and 5 typed letters, and for a
// name followed by its country), the first search of a fresh process, which
// opens the database (read from the disk and from the page cache), and the
// zone in force per call.
//
//   bench_atlas [ATLAS.sqlite]
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "core/atlas/CountryNames.h"
#include "core/atlas/PlaceAtlas.h"
#include "core/atlas/ZoneInForce.h"
#include "core/common/TextEncoding.h"

using namespace orvanta;
using Clock = std::chrono::steady_clock;

namespace {

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

// The first `letters` characters (not bytes) of a UTF-8 name.
std::string Typed(const std::string& name, int letters)
{
    std::size_t end = 0;
    for (int n = 0; n < letters && end < name.size(); ++n) {
        NextCharacter(name, end);
    }
    return name.substr(0, end);
}

struct SamplePlace {
    std::string Name;
    std::string Country;
};

// Names spread over the whole atlas: the hundred largest places, then every
// 500th place down to the smallest.
std::vector<SamplePlace> SampleNames(const std::string& path)
{
    std::vector<SamplePlace> names;
    sqlite3* db = nullptr;
    sqlite3_stmt* s = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(db, "SELECT name, country FROM place WHERE id <= 100 OR id % 500 = 0 ORDER BY id", -1,
                           &s, nullptr) == SQLITE_OK) {
        while (sqlite3_step(s) == SQLITE_ROW) {
            const std::string code = reinterpret_cast<const char*>(sqlite3_column_text(s, 1));
            names.push_back({reinterpret_cast<const char*>(sqlite3_column_text(s, 0)), std::string(CountryName(code))});
        }
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
    return names;
}

int FirstSearch(const std::string& path)
{
    const Clock::time_point start = Clock::now();
    PlaceAtlas atlas(path);
    const PlaceSearchResult result = atlas.Search("kolk");
    std::printf("%.3f %zu\n", MillisecondsSince(start), result.Hits.size());
    return result.Status == AtlasStatus::Ok ? 0 : 1;
}

// Asks the kernel to drop the database's pages from its cache, so that the
// next open reads the disk as after a reboot (where the kernel obliges).
void EvictFromPageCache(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd >= 0) {
        posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        close(fd);
    }
}

void ReportFirstSearch(const char* self, const std::string& path, bool evict)
{
    std::vector<double> times;
    for (int run = 0; run < 15; ++run) {
        if (evict) {
            EvictFromPageCache(path);
        }
        const std::string command = std::string("'") + self + "' --first '" + path + "'";
        FILE* child = popen(command.c_str(), "r");
        double ms = 0.0;
        std::size_t hits = 0;
        if (child == nullptr || std::fscanf(child, "%lf %zu", &ms, &hits) != 2 || pclose(child) != 0 || hits == 0) {
            std::printf("first search: the child process failed\n");
            return;
        }
        times.push_back(ms);
    }
    std::printf("first search in a fresh process (open + search), %s: median %.2f ms, worst %.2f ms of %zu "
                "(target <= 100)\n",
                evict ? "database evicted from the page cache" : "database in the page cache", bench::Median(times),
                Percentile(times, 1.0), times.size());
}

// Each typed text is searched in several passes and its median kept, so
// that a moment of load from other work on the machine does not count as a
// slow search; the percentiles are then taken over the texts.
std::vector<double> SearchTimes(PlaceAtlas& atlas, const std::vector<std::string>& texts)
{
    constexpr int Passes = 5;
    std::vector<double> times;
    for (const std::string& typed : texts) {
        std::vector<double> passes;
        for (int pass = 0; pass < Passes; ++pass) {
            const Clock::time_point start = Clock::now();
            const PlaceSearchResult result = atlas.Search(typed);
            passes.push_back(MillisecondsSince(start));
            bench::KeepValue(static_cast<double>(result.Hits.size()));
        }
        times.push_back(bench::Median(passes));
    }
    return times;
}

void ReportKeystrokes(const std::string& path)
{
    const std::vector<SamplePlace> names = SampleNames(path);
    PlaceAtlas atlas(path);
    if (atlas.Search("a").Status != AtlasStatus::Ok) {
        std::printf("atlas unavailable: %s\n", English(atlas.Problem()).c_str());
        return;
    }
    std::printf("per keystroke, the starts of %zu names sampled over the atlas, 12 hits asked for "
                "(median of 5 passes per text):\n",
                names.size());
    for (int letters : {1, 2, 3, 5}) {
        std::vector<std::string> texts;
        for (const SamplePlace& place : names) {
            texts.push_back(Typed(place.Name, letters));
        }
        const std::vector<double> times = SearchTimes(atlas, texts);
        std::printf("  %d letter%s: median %.3f ms, 99th percentile %.3f ms, slowest %.3f ms (target <= %d)\n", letters,
                    letters == 1 ? " " : "s", bench::Median(times), Percentile(times, 0.99), Percentile(times, 1.0),
                    letters == 1 ? 20 : 5);
    }
    std::vector<std::string> texts;
    for (const SamplePlace& place : names) {
        texts.push_back(place.Name + ", " + place.Country);
    }
    const std::vector<double> times = SearchTimes(atlas, texts);
    std::printf("  name, country: median %.3f ms, 99th percentile %.3f ms, slowest %.3f ms (target <= 5)\n",
                bench::Median(times), Percentile(times, 0.99), Percentile(times, 1.0));
}

void ReportZones()
{
    struct Case {
        const char* Zone;
        CivilDateTime Local;
        double Longitude;
    };
    const std::vector<Case> cases{
        {"Asia/Kolkata", {1943, 6, 15, 12, 0, 0}, 88.36},      {"Europe/London", {1941, 6, 15, 12, 0, 0}, -0.13},
        {"America/New_York", {2021, 3, 14, 2, 30, 0}, -74.0}, {"America/New_York", {2021, 11, 7, 1, 30, 0}, -74.0},
        {"Europe/Berlin", {1879, 3, 14, 11, 30, 0}, 9.99},     {"Australia/Sydney", {1990, 1, 1, 9, 0, 0}, 151.2},
        {"Asia/Kathmandu", {1986, 1, 1, 0, 10, 0}, 85.3},      {"America/Sao_Paulo", {2010, 10, 17, 0, 30, 0}, -46.6},
    };
    int sink = 0;
    auto run = [&](int iterations) {
        for (int i = 0; i < iterations; ++i) {
            const Case& c = cases[static_cast<std::size_t>(i) % cases.size()];
            sink += ResolveZone(c.Zone, c.Local, c.Longitude).Offset.Seconds;
        }
    };
    const bench::Comparison c = bench::Compare(run, run, 2000, 21);
    bench::KeepValue(sink);
    std::printf("zone in force: %.2f us per call (median)\n", c.FirstNs / 1000.0);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--first") {
        return FirstSearch(argv[2]);
    }
    const std::string path = argc > 1 ? argv[1] : ORVANTA_ATLAS_DATABASE;
    std::printf("atlas: %s\n", path.c_str());
    ReportFirstSearch(argv[0], path, true);
    ReportFirstSearch(argv[0], path, false);
    ReportKeystrokes(path);
    ReportZones();
    std::printf("tz database %s\n", TzDatabaseVersion().c_str());
    return 0;
}
