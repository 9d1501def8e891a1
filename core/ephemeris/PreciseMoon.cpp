// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/PreciseMoon.h"

#include <dirent.h>
#include <swephexp.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/common/SharedLibrary.h"

#ifndef ORVANTA_SWE_LIBRARY
#define ORVANTA_SWE_LIBRARY "libswe.so.2.0"
#endif

namespace orvanta {

namespace {

// The library's calls, taken from it when the precise Moon is first asked
// for: a run of the classic series alone never loads it.
struct SweCalls {
    decltype(&::swe_set_ephe_path) SetEphePath = nullptr;
    decltype(&::swe_set_sid_mode) SetSidMode = nullptr;
    decltype(&::swe_calc_ut) CalcUt = nullptr;
    decltype(&::swe_get_ayanamsa_ex_ut) GetAyanamsaExUt = nullptr;
    decltype(&::swe_close) Close = nullptr;
    bool Complete = false;
};

const SweCalls& Swe()
{
    static SharedLibrary library(ORVANTA_SWE_LIBRARY);
    static const SweCalls calls = [] {
        SweCalls c;
        c.Complete = library.Find(c.SetEphePath, "swe_set_ephe_path") && library.Find(c.SetSidMode, "swe_set_sid_mode") &&
                     library.Find(c.CalcUt, "swe_calc_ut") &&
                     library.Find(c.GetAyanamsaExUt, "swe_get_ayanamsa_ex_ut") && library.Find(c.Close, "swe_close");
        return c;
    }();
    return calls;
}

struct SiderealModeRow {
    Ayanamsa Value;
    int32 Mode;
};

constexpr std::array<SiderealModeRow, 3> SiderealModes{{
    {Ayanamsa::Lahiri,       SE_SIDM_LAHIRI},
    {Ayanamsa::Raman,        SE_SIDM_RAMAN},
    {Ayanamsa::Krishnamurti, SE_SIDM_KRISHNAMURTI},
}};

int32 SiderealModeOf(Ayanamsa ayanamsa)
{
    for (const SiderealModeRow& row : SiderealModes) {
        if (row.Value == ayanamsa) {
            return row.Mode;
        }
    }
    return SiderealModes[0].Mode;
}

// The library takes a list of folders, split at ':' and ';', and silently
// uses its own list (which starts with the working folder) for one longer
// than about 240 characters. A folder it would misread gets no files at all.
bool LibraryCanTakeFolder(const std::string& folder)
{
    return !folder.empty() && folder.size() <= 200 && folder.find_first_of(":;") == std::string::npos;
}

// The library's state is per thread (thread-local in Debian's build), and
// so is the record of what this thread last told it: a thread's first
// computation always gives its folder. The library keeps open files and
// tables for each thread that used it, so they are closed as it ends.
struct ThreadLibrary {
    std::optional<std::string> Folder;

    ~ThreadLibrary()
    {
        if (Folder) {
            Swe().Close();
        }
    }
};

ThreadLibrary& ThisThreadsLibrary()
{
    thread_local ThreadLibrary library;
    return library;
}

// Giving the library a folder closes its open files, so only a change is
// given.
void UseFolder(const std::string& folder)
{
    ThreadLibrary& library = ThisThreadsLibrary();
    if (library.Folder != folder) {
        Swe().SetEphePath(folder.c_str());
        library.Folder = folder;
    }
}

// The folders the library will look in for its files: SE_EPHE_PATH where it
// is set (the library prefers it to any folder it is given, up to its own
// length limit), else the folder last given, else its built-in list.
std::vector<std::string> SearchedFolders(const std::optional<std::string>& given)
{
    const char* environment = std::getenv("SE_EPHE_PATH");
    std::string list = given.value_or(SE_EPHE_PATH);
    if (environment != nullptr && *environment != '\0' && std::strlen(environment) <= AS_MAXCH - 1 - 13) {
        list = environment;
    }
    std::vector<std::string> folders;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find_first_of(":;", start), list.size());
        if (end > start) {
            folders.push_back(list.substr(start, end - start));
        }
        start = end + 1;
    }
    return folders;
}

// The library opens its files (sepl_18.se1, semo_18.se1, sedeltat.txt, ...)
// with a blocking fopen and reads them as they come: a pipe or a terminal
// under one of those names would hold the reading for good.
struct FolderListing {
    std::optional<std::string> Odd;  // the first entry that is no regular file
    bool HasLinks = false;           // what they point to can change unseen
};

FolderListing LookThrough(const std::string& folder)
{
    FolderListing listing;
    DIR* entries = ::opendir(folder.c_str());
    if (entries == nullptr) {
        return listing;
    }
    while (const dirent* entry = ::readdir(entries)) {
        const char* name = entry->d_name;
        if (std::strncmp(name, "se", 2) != 0 && std::strncmp(name, "swe_", 4) != 0) {
            continue;  // not a name the library opens
        }
        const std::string path = folder + "/" + name;
        struct stat status {};
        listing.HasLinks = listing.HasLinks || (::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode));
        if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
            listing.Odd = path;
            break;
        }
    }
    ::closedir(entries);
    return listing;
}

bool SameMoment(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// The first entry in the folders that is no regular file, if any. A folder
// is looked through again only once it has changed (an entry added, taken
// away or renamed), as a computation costs less than looking; except a
// folder with links, or one changed within the last seconds, which file
// times too coarse could hide a change of.
std::optional<std::string> FileOtherThanRegular(const std::vector<std::string>& folders)
{
    struct Seen {
        struct stat Status {};
        std::optional<std::string> Odd;
    };
    thread_local std::map<std::string, Seen> seen;
    const std::time_t settled = std::time(nullptr) - 2;
    for (const std::string& folder : folders) {
        struct stat status {};
        if (::stat(folder.c_str(), &status) != 0) {
            continue;  // nothing to open there
        }
        const auto known = seen.find(folder);
        if (known != seen.end() && known->second.Status.st_dev == status.st_dev &&
            known->second.Status.st_ino == status.st_ino && SameMoment(known->second.Status.st_mtim, status.st_mtim) &&
            SameMoment(known->second.Status.st_ctim, status.st_ctim)) {
            if (known->second.Odd) {
                return known->second.Odd;
            }
            continue;
        }
        FolderListing listing = LookThrough(folder);
        if (!listing.HasLinks && status.st_mtime < settled && status.st_ctime < settled) {
            seen[folder] = {status, listing.Odd};
        }
        if (listing.Odd) {
            return listing.Odd;
        }
    }
    return std::nullopt;
}

double Normalized(double degrees)
{
    const double r = std::fmod(degrees, 360.0);
    const double up = r < 0.0 ? r + 360.0 : r;
    return up < 360.0 ? up : 0.0;  // a tiny negative rounds up to 360
}

PreciseMoonResult Failure(UiText reason)
{
    PreciseMoonResult failed;
    //: %1 why: the library's own message, in English, or a text of this context.
    failed.Problem =
        Compose(ORVANTA_TR("PreciseMoon", "Swiss Ephemeris could not compute the Moon: %1"), {std::move(reason)});
    return failed;
}

PreciseMoonResult Failure(std::string reason)
{
    return Failure(Verbatim(std::move(reason)));
}

}  // namespace

std::string_view AyanamsaName(Ayanamsa ayanamsa)
{
    for (const AyanamsaRow& row : AyanamsaTable) {
        if (row.Value == ayanamsa) {
            return row.Name;
        }
    }
    return AyanamsaTable[0].Name;
}

Ayanamsa AyanamsaNamed(std::string_view name)
{
    for (const AyanamsaRow& row : AyanamsaTable) {
        if (row.Name == name) {
            return row.Value;
        }
    }
    return DefaultAyanamsa;
}

UiText DescribeData(PreciseMoonData data)
{
    if (data == PreciseMoonData::EphemerisFiles) {
        //: Where a precise Moon came from: the ephemeris files installed with the library.
        return Compose(ORVANTA_TR("PreciseMoon", "Swiss Ephemeris files"));
    }
    return Compose(
        //: Where a precise Moon came from: the library's built-in theory, for want of its files.
        ORVANTA_TR("PreciseMoon", "Swiss Ephemeris analytic theory (its files for this date were not found)"));
}

double JulianDayUt(double centuries)
{
    return 2451545.0 + centuries * 36525.0;
}

std::string DefaultEphemerisFolder()
{
    return ORVANTA_SWE_EPHEMERIS_FOLDER;
}

SwissEphemerisMoon::SwissEphemerisMoon(std::string ephemerisFolder) : folder_(std::move(ephemerisFolder))
{
}

PreciseMoonResult SwissEphemerisMoon::MoonAt(double julianDayUt, Ayanamsa ayanamsa) const
{
    if (!std::isfinite(julianDayUt)) {
        return Failure("the moment is not a number");
    }
    const SweCalls& swe = Swe();
    if (!swe.Complete) {
        return UnavailablePreciseMoon().MoonAt(julianDayUt, ayanamsa);
    }
    const bool filesFolder = LibraryCanTakeFolder(folder_);
    if (const auto odd = FileOtherThanRegular(SearchedFolders(filesFolder ? folder_ : ThisThreadsLibrary().Folder))) {
        return Failure(Compose(ORVANTA_TR("PreciseMoon", "%1 is not a regular file."), {Verbatim(*odd)}));
    }
    int32 ephemeris = SEFLG_MOSEPH;
    if (filesFolder) {
        UseFolder(folder_);
        ephemeris = SEFLG_SWIEPH;
    }
    swe.SetSidMode(SiderealModeOf(ayanamsa), 0, 0);

    // The library falls back on its analytic theory when a file is missing,
    // and says so in the flags it returns.
    char error[AS_MAXCH] = "";
    double moon[6] = {};
    const int32 used = swe.CalcUt(julianDayUt, SE_MOON, ephemeris | SEFLG_SPEED | SEFLG_SIDEREAL, moon, error);
    if (used < 0) {
        return Failure(error);
    }
    const int32 data = used & (SEFLG_SWIEPH | SEFLG_MOSEPH);
    double ayanamsaDegrees = 0.0;
    double meanAyanamsaDegrees = 0.0;
    if (swe.GetAyanamsaExUt(julianDayUt, data, &ayanamsaDegrees, error) < 0 ||
        swe.GetAyanamsaExUt(julianDayUt, data | SEFLG_NONUT, &meanAyanamsaDegrees, error) < 0) {
        return Failure(error);
    }

    PreciseMoonPosition p;
    p.SiderealLongitude = Normalized(moon[0]);
    // This ayanamsa includes nutation, so adding it gives the apparent tropical longitude.
    p.TropicalLongitude = Normalized(moon[0] + ayanamsaDegrees);
    p.AyanamsaDegrees = ayanamsaDegrees;
    p.MeanAyanamsaDegrees = meanAyanamsaDegrees;
    p.SpeedDegreesPerDay = moon[3];
    const bool analytic = (used & SEFLG_MOSEPH) != 0;
    p.Data = analytic ? PreciseMoonData::AnalyticTheory : PreciseMoonData::EphemerisFiles;
    p.AccuracyDegrees = analytic ? AnalyticTheoryAccuracyDegrees : EphemerisFilesAccuracyDegrees;
    return {p, {}};
}

PreciseMoonResult UnavailablePreciseMoon::MoonAt(double, Ayanamsa) const
{
    PreciseMoonResult none;
    none.Problem = Compose(ORVANTA_TR("PreciseMoon", "Swiss Ephemeris is not available on this computer."));
    return none;
}

}  // namespace orvanta
