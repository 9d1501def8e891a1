// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one precise Moon from Swiss Ephemeris, with its files and with its
// analytic theory (files missing), against the classic series in the same
// rounds; and the first position of a process, which opens the files, timed
// in fresh processes of this same program.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "core/ephemeris/MoonRashi.h"
#include "core/ephemeris/PreciseMoon.h"

using namespace orvanta;

namespace {

constexpr const char* kFirstCall = "--first-call";

// Instants spread over 1901-2050, each a different day and hour: every call
// reads another piece of the files.
std::vector<double> SpreadCenturies()
{
    std::vector<double> centuries;
    for (int i = 0; i < 4096; ++i) {
        const double day = -36524.5 + (i * 7919) % 54787 + (i % 24) / 24.0;
        centuries.push_back(day / 36525.0);
    }
    return centuries;
}

// Instants within three days of one birth, as a crossing search asks for
// them: the piece of the files read stays the same.
std::vector<double> CenturiesNearOneBirth()
{
    std::vector<double> centuries;
    for (int i = 0; i < 4096; ++i) {
        const double minutes = -3 * 1440.0 + (i * 6007) % (6 * 1440) + 0.37;
        centuries.push_back((-9000.25 + minutes / 1440.0) / 36525.0);
    }
    return centuries;
}

// Run as a child: the time of this process's first position, in nanoseconds.
int PrintFirstCall()
{
    const SwissEphemerisMoon moon;
    const auto start = std::chrono::steady_clock::now();
    const PreciseMoonResult result = moon.MoonAt(2451545.0, DefaultAyanamsa);
    const auto stop = std::chrono::steady_clock::now();
    if (!result) {
        return 1;
    }
    std::printf("%.0f\n", std::chrono::duration<double, std::nano>(stop - start).count());
    return 0;
}

double FirstCallNs(const char* program)
{
    const std::string command = std::string("'") + program + "' " + kFirstCall;
    FILE* child = popen(command.c_str(), "r");
    double ns = -1;
    if (child == nullptr || std::fscanf(child, "%lf", &ns) != 1) {
        ns = -1;
    }
    if (child != nullptr && pclose(child) != 0) {
        ns = -1;
    }
    if (ns < 0) {
        std::fprintf(stderr, "the first-call child failed\n");
        std::exit(1);
    }
    return ns;
}

bench::Comparison AgainstClassic(const PreciseMoonSource& source, const std::vector<double>& centuries)
{
    const std::size_t n = centuries.size();
    std::size_t next = 0;
    std::size_t nextClassic = 0;
    return bench::Compare(
        [&](int iterations) {
            for (int i = 0; i < iterations; ++i) {
                const double t = centuries[next++ % n];
                bench::KeepValue(source.MoonAt(JulianDayUt(t), DefaultAyanamsa).Position->SiderealLongitude);
            }
        },
        [&](int iterations) {
            for (int i = 0; i < iterations; ++i) {
                bench::KeepValue(SiderealMoonLongitude(centuries[nextClassic++ % n]));
            }
        },
        500, 21);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], kFirstCall) == 0) {
        return PrintFirstCall();
    }

    std::vector<double> first;
    FirstCallNs(argv[0]);  // warm the file cache
    for (int i = 0; i < 15; ++i) {
        first.push_back(FirstCallNs(argv[0]));
    }

    const SwissEphemerisMoon files;
    const SwissEphemerisMoon analytic("/nonexistent/orvanta-ephemeris");
    if (!files.MoonAt(2451545.0, DefaultAyanamsa) || !analytic.MoonAt(2451545.0, DefaultAyanamsa)) {
        std::fprintf(stderr, "Swiss Ephemeris computes nothing here\n");
        return 1;
    }
    // One source after the other: changing the library's folder reopens its files.
    const std::vector<double> near = CenturiesNearOneBirth();
    const bench::Comparison filesNear = AgainstClassic(files, near);
    const bench::Comparison filesSpread = AgainstClassic(files, SpreadCenturies());
    const bench::Comparison analyticNear = AgainstClassic(analytic, near);

    std::printf("precise Moon, first call of a process (files opened): %7.1f us (median of %zu processes)\n",
                bench::Median(first) / 1000.0, first.size());
    std::printf("precise Moon per call, files, near one birth:         %7.1f us (median)\n",
                filesNear.FirstNs / 1000.0);
    std::printf("precise Moon per call, files, spread over 1901-2050:  %7.1f us (median)\n",
                filesSpread.FirstNs / 1000.0);
    std::printf("precise Moon per call, analytic theory (no files):    %7.1f us (median)\n",
                analyticNear.FirstNs / 1000.0);
    std::printf("classic series per call, in the same rounds:          %7.2f us (median)\n",
                filesNear.SecondNs / 1000.0);
    return 0;
}
