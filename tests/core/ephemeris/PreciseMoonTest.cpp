// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/PreciseMoon.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "core/ephemeris/MoonRashi.h"
#include "ChildProcess.h"
#include "TestRecords.h"

namespace orvanta {
namespace {

using testing::Birth;

double Separation(double a, double b)
{
    return std::fabs(std::remainder(a - b, 360.0));
}

struct Reference {
    BirthRecord Instant;  // turned into universal time by the reading's own arithmetic
    double Tropical;
    double Lahiri, Raman, Krishnamurti;
    double SiderealSpeed;
};

// Reference values from Debian's swetest 2.10.03 (package swetest, needed for
// nothing but regenerating these rows), one command per column. It prints
// seven decimals; 1e-5 degrees leaves room for that rounding and stays far
// below every fault the rows are here to catch: dynamical time taken for
// universal (about 0.01 degrees), the mean equinox for the apparent one
// (up to 0.005), a wrong sidereal mode (0.1 and more).
constexpr double kReferenceTolerance = 1e-5;

const Reference kReferences[] = {
    // swetest -b1.1.1901 -ut0:00 -p1 -fls -head -edir/usr/share/libswe/ephe
    // swetest -b1.1.1901 -ut0:00 -p1 -fls -sid1 -head -edir/usr/share/libswe/ephe
    // swetest -b1.1.1901 -ut0:00 -p1 -fls -sid3 -head -edir/usr/share/libswe/ephe
    // swetest -b1.1.1901 -ut0:00 -p1 -fls -sid5 -head -edir/usr/share/libswe/ephe
    {Birth(1, 1, 1901, 0, 0), 48.3163289, 25.8375972, 27.2838986, 25.9344496, 14.1190345},
    // Midnight at +5:30 is 18:30 on the previous universal day.
    // swetest -b14.8.1947 -ut18:30 -p1 -fls -head -edir/usr/share/libswe/ephe
    // swetest -b14.8.1947 -ut18:30 -p1 -fls -sid1 -head -edir/usr/share/libswe/ephe
    // swetest -b14.8.1947 -ut18:30 -p1 -fls -sid3 -head -edir/usr/share/libswe/ephe
    // swetest -b14.8.1947 -ut18:30 -p1 -fls -sid5 -head -edir/usr/share/libswe/ephe
    {Birth(15, 8, 1947, 0, 0, 5, 30, true), 117.1053899, 93.9835684, 95.4298698, 94.0804208, 15.0866040},
    // Noon at -5:00 with daylight saving is 16:00 universal time.
    // swetest -b4.7.1976 -ut16:00 -p1 -fls -head -edir/usr/share/libswe/ephe
    // swetest -b4.7.1976 -ut16:00 -p1 -fls -sid1 -head -edir/usr/share/libswe/ephe
    // swetest -b4.7.1976 -ut16:00 -p1 -fls -sid3 -head -edir/usr/share/libswe/ephe
    // swetest -b4.7.1976 -ut16:00 -p1 -fls -sid5 -head -edir/usr/share/libswe/ephe
    {Birth(4, 7, 1976, 12, 0, 5, 0, false, true), 191.9736518, 168.4415076, 169.8878090, 168.5383600, 14.1071181},
    // swetest -b1.1.2000 -ut12:00 -p1 -fls -head -edir/usr/share/libswe/ephe
    // swetest -b1.1.2000 -ut12:00 -p1 -fls -sid1 -head -edir/usr/share/libswe/ephe
    // swetest -b1.1.2000 -ut12:00 -p1 -fls -sid3 -head -edir/usr/share/libswe/ephe
    // swetest -b1.1.2000 -ut12:00 -p1 -fls -sid5 -head -edir/usr/share/libswe/ephe
    {Birth(1, 1, 2000, 12, 0), 223.3237512, 199.4705287, 200.9168300, 199.5673810, 12.0212639},
    // swetest -b31.12.2050 -ut23:59 -p1 -fls -head -edir/usr/share/libswe/ephe
    // swetest -b31.12.2050 -ut23:59 -p1 -fls -sid1 -head -edir/usr/share/libswe/ephe
    // swetest -b31.12.2050 -ut23:59 -p1 -fls -sid3 -head -edir/usr/share/libswe/ephe
    // swetest -b31.12.2050 -ut23:59 -p1 -fls -sid5 -head -edir/usr/share/libswe/ephe
    {Birth(31, 12, 2050, 23, 59), 144.7989808, 120.2261754, 121.6724767, 120.3230277, 12.2441730},
};

double InstantOf(const BirthRecord& birth)
{
    return JulianDayUt(ComputeMoonPosition(birth).Centuries);
}

TEST(PreciseMoon, AgreesWithSwetestForEveryAyanamsa)
{
    const SwissEphemerisMoon moon;
    for (const Reference& r : kReferences) {
        const std::string when = std::to_string(r.Instant.BirthYear);
        const std::pair<Ayanamsa, double> sidereal[] = {
            {Ayanamsa::Lahiri, r.Lahiri}, {Ayanamsa::Raman, r.Raman}, {Ayanamsa::Krishnamurti, r.Krishnamurti}};
        for (const auto& [ayanamsa, expected] : sidereal) {
            const PreciseMoonResult result = moon.MoonAt(InstantOf(r.Instant), ayanamsa);
            const std::string where = when + " " + std::string(AyanamsaName(ayanamsa));
            ASSERT_TRUE(result) << where << ": " << English(result.Problem);
            const PreciseMoonPosition& p = *result.Position;
            EXPECT_EQ(p.Data, PreciseMoonData::EphemerisFiles) << where;
            EXPECT_NEAR(p.SiderealLongitude, expected, kReferenceTolerance) << where;
            EXPECT_NEAR(p.TropicalLongitude, r.Tropical, kReferenceTolerance) << where;
            EXPECT_NEAR(p.SpeedDegreesPerDay, r.SiderealSpeed, kReferenceTolerance) << where;
            EXPECT_EQ(p.AccuracyDegrees, EphemerisFilesAccuracyDegrees) << where;
        }
    }
}

// Meeus, Astronomical Algorithms (2nd ed.), example 47.a: on 1992 April 12 at
// 0h dynamical time the Moon's apparent longitude is 133.167265 degrees (the
// geometric 133.162655 plus nutation 0.004610). Universal time was 58.5 s
// behind (IERS); a second of error there moves the Moon 0.00015 degrees.
// Meeus gives his truncated series as good to about 10 arcseconds, so that
// is the tolerance: 0.003 degrees.
TEST(PreciseMoon, MatchesMeeusExample47a)
{
    const double julianDayUt = 2448724.5 - 58.5 / 86400.0;
    const PreciseMoonResult result = SwissEphemerisMoon().MoonAt(julianDayUt, DefaultAyanamsa);
    ASSERT_TRUE(result) << English(result.Problem);
    EXPECT_NEAR(result.Position->TropicalLongitude, 133.167265, 0.003);
    // The ayanamsa without nutation differs from the true one by the
    // nutation in longitude Meeus gives there.
    EXPECT_NEAR(result.Position->AyanamsaDegrees - result.Position->MeanAyanamsaDegrees, 0.004610, 1e-5);
}

// Where the files cannot be had, the analytic theory answers, says so and
// keeps to its stated accuracy.
TEST(PreciseMoon, WithoutItsFilesUsesTheAnalyticTheoryAndSaysSo)
{
    const struct {
        const char* why;
        std::string folder;
    } folders[] = {
        {"missing folder", "/nonexistent/orvanta-ephemeris"},
        {"empty folder name", ""},
        {"a list the library would split", DefaultEphemerisFolder() + ":/tmp"},
    };
    const SwissEphemerisMoon withFiles;
    for (const auto& f : folders) {
        const SwissEphemerisMoon withoutFiles(f.folder);
        for (const Reference& r : kReferences) {
            const double instant = InstantOf(r.Instant);
            const PreciseMoonResult analytic = withoutFiles.MoonAt(instant, Ayanamsa::Raman);
            const PreciseMoonResult files = withFiles.MoonAt(instant, Ayanamsa::Raman);
            ASSERT_TRUE(analytic) << f.why << ": " << English(analytic.Problem);
            ASSERT_TRUE(files) << English(files.Problem);
            EXPECT_EQ(analytic.Position->Data, PreciseMoonData::AnalyticTheory) << f.why;
            EXPECT_EQ(files.Position->Data, PreciseMoonData::EphemerisFiles) << f.why;
            EXPECT_EQ(analytic.Position->AccuracyDegrees, AnalyticTheoryAccuracyDegrees) << f.why;
            EXPECT_LT(Separation(analytic.Position->SiderealLongitude, files.Position->SiderealLongitude),
                      AnalyticTheoryAccuracyDegrees)
                << f.why << " " << r.Instant.BirthYear;
        }
    }
    EXPECT_EQ(English(DescribeData(PreciseMoonData::AnalyticTheory)),
              "Swiss Ephemeris analytic theory (its files for this date were not found)");
}

// The library keeps its folder per thread: a second thread computes exactly
// as the first, also when its first folder is the one the first thread told
// the library last, and while two threads compute at once.
TEST(PreciseMoon, OtherThreadsComputeExactlyAsThisOne)
{
    const SwissEphemerisMoon sources[] = {SwissEphemerisMoon(), SwissEphemerisMoon("/nonexistent/orvanta-ephemeris")};
    using Results = std::vector<PreciseMoonResult>;
    // Every source, instant and ayanamsa, in the sources' order or its reverse.
    const auto computeAll = [&](bool reversed) {
        Results results;
        for (std::size_t i = 0; i < std::size(sources); ++i) {
            const SwissEphemerisMoon& source = sources[reversed ? std::size(sources) - 1 - i : i];
            for (const Reference& r : kReferences) {
                for (const AyanamsaRow& row : AyanamsaTable) {
                    results.push_back(source.MoonAt(InstantOf(r.Instant), row.Value));
                }
            }
        }
        return results;
    };
    const Results here = computeAll(false);  // the folder without files told last
    Results first, second;
    std::thread one([&] { first = computeAll(true); });
    std::thread two([&] { second = computeAll(true); });
    one.join();
    two.join();

    // The reverse order visits the sources reversed but each one's rows forward.
    const std::size_t perSource = here.size() / std::size(sources);
    for (const Results* there : {&first, &second}) {
        ASSERT_EQ(there->size(), here.size());
        for (std::size_t i = 0; i < here.size(); ++i) {
            const std::size_t source = i / perSource;
            const PreciseMoonResult& want = here[(std::size(sources) - 1 - source) * perSource + i % perSource];
            const PreciseMoonResult& got = (*there)[i];
            ASSERT_TRUE(want && got) << i;
            EXPECT_EQ(got.Position->Data, want.Position->Data) << i;
            EXPECT_EQ(got.Position->SiderealLongitude, want.Position->SiderealLongitude) << i;
        }
    }
}

TEST(PreciseMoon, MomentsTheLibraryCannotTakeFailWithAReason)
{
    const double moments[] = {std::nan(""), INFINITY, 1e9};
    for (const double jd : moments) {
        const PreciseMoonResult result = SwissEphemerisMoon().MoonAt(jd, DefaultAyanamsa);
        EXPECT_FALSE(result) << jd;
        const std::string problem = English(result.Problem);
        EXPECT_EQ(problem.rfind("Swiss Ephemeris could not compute the Moon: ", 0), 0u) << problem;
        EXPECT_GT(problem.size(), std::string("Swiss Ephemeris could not compute the Moon: ").size()) << problem;
    }
}

// The library opens its files with a blocking open: a pipe among them,
// where it looks for them, refuses the computation instead of hanging it.
// Links to the real files keep working.
TEST(PreciseMoon, NoFileTheLibraryOpensCanHangIt)
{
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("orvanta-ephe-" + std::to_string(::getpid()));
    fs::remove_all(root);
    const fs::path real = DefaultEphemerisFolder();
    const auto folderOf = [&](const char* name, const char* pipe) {
        const fs::path folder = root / name;
        fs::create_directories(folder);
        for (const char* file : {"sepl_18.se1", "semo_18.se1"}) {
            if (pipe == nullptr || std::string_view(file) != pipe) {
                fs::create_symlink(real / file, folder / file);
            }
        }
        if (pipe != nullptr) {
            EXPECT_EQ(::mkfifo((root / (std::string(name) + ".pipe")).c_str(), 0600), 0);
            fs::create_symlink(root / (std::string(name) + ".pipe"), folder / pipe);
        }
        return folder.string();
    };
    const struct {
        const char* Name;
        std::string Folder;  // given to the source
        std::string Environment;  // SE_EPHE_PATH; empty for none
        bool Computes;
    } cases[] = {
        {"links to the files", folderOf("links", nullptr), "", true},
        {"a pipe for the planets' file", folderOf("planets", "sepl_18.se1"), "", false},
        {"a pipe for the delta-T table", folderOf("deltat", "sedeltat.txt"), "", false},
        {"a pipe where SE_EPHE_PATH points", real.string(), folderOf("environment", "semo_18.se1"), false},
    };
    const double instant = InstantOf(kReferences[0].Instant);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_TRUE(testing::SucceedsWithin(std::chrono::seconds(10), [&] {
            if (!c.Environment.empty()) {
                ::setenv("SE_EPHE_PATH", c.Environment.c_str(), 1);
            }
            const PreciseMoonResult result = SwissEphemerisMoon(c.Folder).MoonAt(instant, Ayanamsa::Lahiri);
            if (c.Computes) {
                return result && result.Position->Data == PreciseMoonData::EphemerisFiles;
            }
            return !result && English(result.Problem).find("is not a regular file.") != std::string::npos;
        }));
    }
    fs::remove_all(root);
}

// A folder found in order is not looked through on every computation, but
// a pipe put there later is still found.
TEST(PreciseMoon, APipeAddedToAFolderFoundInOrderIsFound)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("orvanta-ephe-later-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const char* file : {"sepl_18.se1", "semo_18.se1"}) {
        fs::copy_file(fs::path(DefaultEphemerisFolder()) / file, folder / file);
    }
    // Past the few seconds in which a change could hide in the folder's time.
    std::this_thread::sleep_for(std::chrono::seconds(3));
    const SwissEphemerisMoon moon(folder.string());
    const double instant = InstantOf(kReferences[0].Instant);
    ASSERT_TRUE(moon.MoonAt(instant, Ayanamsa::Lahiri));
    ASSERT_EQ(::mkfifo((folder / "semo_12.se1").c_str(), 0600), 0);
    EXPECT_TRUE(testing::SucceedsWithin(std::chrono::seconds(10), [&] {
        const PreciseMoonResult result = moon.MoonAt(instant, Ayanamsa::Lahiri);
        return !result && English(result.Problem).find("semo_12.se1 is not a regular file.") != std::string::npos;
    }));
    fs::remove_all(folder);
}

TEST(PreciseMoon, TheUnavailableSourceNeverComputes)
{
    const UnavailablePreciseMoon unavailable;
    const PreciseMoonSource& source = unavailable;
    const PreciseMoonResult result = source.MoonAt(2451545.0, DefaultAyanamsa);
    EXPECT_FALSE(result);
    EXPECT_EQ(English(result.Problem), "Swiss Ephemeris is not available on this computer.");
}

TEST(Ayanamsa, NamesAndSettingsValues)
{
    const struct {
        const char* text;
        Ayanamsa expected;
    } cases[] = {
        {"Lahiri", Ayanamsa::Lahiri},
        {"Raman", Ayanamsa::Raman},
        {"Krishnamurti", Ayanamsa::Krishnamurti},
        {"", Ayanamsa::Lahiri},        // nothing stored yet
        {"raman", Ayanamsa::Lahiri},   // not one of the choices
        {"Fagan/Bradley", Ayanamsa::Lahiri},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AyanamsaNamed(c.text), c.expected) << c.text;
    }
    for (const AyanamsaRow& row : AyanamsaTable) {
        EXPECT_EQ(AyanamsaNamed(AyanamsaName(row.Value)), row.Value) << row.Name;
    }
}

}  // namespace
}  // namespace orvanta
