#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what a built tree installs and packages: the desktop entry and the
# metainfo pass their validators, a saved reading is known by its own file
# type while Sun and CMU raster images stay images, the manual page reads
# without warnings and describes the reading file as written and the
# settings, the licence files and credits are in place, the two .debs (the
# program, and the atlas for every architecture) hold their files and
# nothing else, the program's dependencies were read off the executable, the
# manual page, the package and the metainfo say what the program does, the
# packaged program leaves updates to the package manager, and lintian finds
# no error or warning in either.
# Usage: packaging/check-package.sh [build-dir]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
id=app.orvanta.Orvanta
sizes=(16 22 24 32 48 64 128 256)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passes=0
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; passes=$((passes + 1)); }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "FAIL: $build is not a configured build folder"; exit 1; }

# --- The staged installation
stage="$work/stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
share="$stage/usr/share"

# Its hints count too: an entry without a main category lands in a catch-all menu.
if desktop-file-validate "$share/applications/$id.desktop" >"$work/desktop.log" 2>&1 \
   && [ ! -s "$work/desktop.log" ]; then
  pass "desktop entry validates"
else
  cat "$work/desktop.log"; fail "desktop-file-validate $id.desktop"
fi
if appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1; then
  pass "metainfo validates"
else
  cat "$work/appstream.log"; fail "appstreamcli validate $id.metainfo.xml"
fi
# The tree check also finds the desktop entry that the metainfo launches.
if appstreamcli validate-tree --no-net "$stage" >"$work/appstream-tree.log" 2>&1; then
  pass "metainfo and desktop entry agree"
else
  cat "$work/appstream-tree.log"; fail "appstreamcli validate-tree"
fi

# The three places that name the version must agree, or a store shows one
# version and apt installs another.
metainfo_version=$(grep -o '<release version="[^"]*"' "$share/metainfo/$id.metainfo.xml" | head -1 | cut -d'"' -f2)
changelog_version=$(dpkg-parsechangelog -l packaging/changelog -S Version)
if [ "$metainfo_version" = "$version" ] && [ "$changelog_version" = "$version" ]; then
  pass "metainfo release and changelog are at version $version"
else
  fail "version $version, newest metainfo release '$metainfo_version', changelog '$changelog_version'"
fi

for size in "${sizes[@]}"; do
  png="$share/icons/hicolor/${size}x${size}/apps/$id.png"
  if file "$png" 2>/dev/null | grep -q "PNG image data, $size x $size,"; then
    pass "icon ${size}x${size}"
  else
    fail "icon ${size}x${size}: $(file "$png" 2>&1)"
  fi
done

# The program names the version the build was made from, and needs no
# display to do so.
program_version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$stage/usr/bin/orvanta" --version 2>&1) || true
if [ "$program_version" = "Orvanta $version" ]; then
  pass "orvanta --version: $program_version"
else
  fail "orvanta --version printed '$program_version', not 'Orvanta $version'"
fi

# --- The reading's file type
# One database of the system's types and the installed one, as an installed
# system has it: some desktops let a type from an earlier folder hide the rest.
mimeroot="$work/mime"
mkdir -p "$mimeroot/share/mime/packages" "$mimeroot/share/applications" "$mimeroot/home" "$mimeroot/config"
cp /usr/share/mime/packages/*.xml "$share/mime/packages/$id.xml" "$mimeroot/share/mime/packages/"
cp "$share/applications/$id.desktop" "$mimeroot/share/applications/"
update-mime-database "$mimeroot/share/mime" >/dev/null 2>&1
update-desktop-database "$mimeroot/share/applications"

# A saved reading (Ravi, 12 March 1975) and a real Sun raster image, both ".ras".
printf '\xa7\xb6\xcb\xbe\r\n\x88\r\n\x86\x87\r\n\x86\x8e\x8c\x8a\r\n\x8c\r\n\x8a\r\n\x8c\x8c\r\n\x86\x88\r\n\x87\x8d\r\n\x88\x8e\r\n\x8a\r\n\x88\x85\r\n\x86\r\n\x85\r\n\x85\r\n' \
  >"$work/ravi.ras"
convert logo: "$work/logo.ras"
# A CMU raster image has no content rule of shared-mime-info's own, only the
# name; a reading with a long name has its date far into the file.
pbmmake -gray 64 48 | pbmtocmuwm >"$work/cmu.ras" 2>/dev/null
{ head -c 2000 /dev/zero | tr '\0' '\266'; tail -c +5 "$work/ravi.ras"; } >"$work/long-name.ras"
# xdg-mime asks gio on GNOME-like desktops and File::MimeInfo elsewhere; both
# must agree. Nothing of the user's own set-up may take part.
in_desktop() {
  local desktop=$1; shift
  env -i PATH="$PATH" HOME="$mimeroot/home" XDG_DATA_HOME="$mimeroot/home" \
    XDG_DATA_DIRS="$mimeroot/share" XDG_CONFIG_HOME="$mimeroot/config" XDG_CONFIG_DIRS="$mimeroot/config" \
    XDG_CURRENT_DESKTOP="$desktop" "$@"
}
reading_type=application/x-orvanta-reading
for desktop in GNOME ""; do
  name=${desktop:-generic}
  for case in "ravi.ras $reading_type" "long-name.ras $reading_type" "logo.ras image/x-sun-raster" \
              "cmu.ras image/x-cmu-raster"; do
    set -- $case
    found=$(in_desktop "$desktop" xdg-mime query filetype "$work/$1" 2>&1)
    if [ "$found" = "$2" ]; then
      pass "$name desktop: $1 is $found"
    else
      fail "$name desktop: $1 is '$found', not $2"
    fi
  done
done
opener=$(in_desktop "" xdg-mime query default "$reading_type")
image_openers=$(for type in image/x-sun-raster image/x-cmu-raster; do in_desktop "" xdg-mime query default "$type"; done)
if [ "$opener" = "$id.desktop" ] && ! grep -qx "$id.desktop" <<<"$image_openers"; then
  pass "readings open in Orvanta, images do not"
else
  fail "readings open with '$opener', raster images with '$image_openers'"
fi

# --- The manual page, and the compression Debian asks for (no name, no time)
page="$share/man/man1/orvanta.1.gz"
if [ -f "$page" ] && LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
     man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>"$work/man.log" >/dev/null \
   && [ ! -s "$work/man.log" ]; then
  pass "manual page formats without warnings"
else
  cat "$work/man.log" 2>/dev/null; fail "man --warnings -l orvanta.1.gz"
fi
zcat "$page" | grep -q "Orvanta $version" && pass "manual page names version $version" \
  || fail "manual page does not name version $version"
# What the program writes besides the fifteen inputs: the signed zone hours
# and the name line.
# Justified lines take extra spaces, where depends on the lines before: squeeze them.
reading_files=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null | sed -n '/^READING FILES/,/^[A-Z]/p' | tr -s ' ')
if grep -q 'Line 11, the zone.s hours' <<<"$reading_files" && grep -q 'optional sixteenth line' <<<"$reading_files"; then
  pass "manual page: the signed line 11 and the sixteenth, name line"
else
  fail "manual page's READING FILES lacks the signed line 11 or the sixteenth line"
fi
# The settings a user may want to read or reset by hand.
files_section=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null | sed -n '/^FILES/,/^[A-Z]/p' | tr -s ' ')
if grep -q '\[Reading\]' <<<"$files_section" && grep -q 'MoonPosition' <<<"$files_section" \
   && grep -q 'Ayanamsa' <<<"$files_section"; then
  pass "manual page: FILES names the settings' [Reading] section, MoonPosition and Ayanamsa"
else
  fail "manual page's FILES lacks [Reading], MoonPosition or Ayanamsa"
fi
for gz in "$page" "$share/doc/orvanta/changelog.gz"; do
  # Bytes 4 to 7 of a gzip header hold the time stamp; flag 8 marks a stored name.
  header=$(od -An -tx1 -N8 "$gz" | tr -d ' \n')
  if [ "${header:6:10}" = "0000000000" ]; then
    pass "$(basename "$gz") carries no name or time stamp"
  else
    fail "$(basename "$gz") gzip header $header"
  fi
done

# --- Licence
if cmp -s LICENSE /usr/share/common-licenses/GPL-3; then
  pass "LICENSE is the GPL version 3"
else
  fail "LICENSE differs from /usr/share/common-licenses/GPL-3"
fi
metainfo="$share/metainfo/$id.metainfo.xml"
if grep -q '<project_license>GPL-3.0-or-later AND CC-BY-4.0</project_license>' "$metainfo" \
   && grep -q '<metadata_license>CC0-1.0</metadata_license>' "$metainfo"; then
  pass "metainfo: GPL-3.0-or-later AND CC-BY-4.0 (the atlas), metadata CC0-1.0"
else
  fail "metainfo licences"
fi
attribution="Contains GeoNames data (geonames.org), licensed under CC BY 4.0"
swe_credit="Swiss Ephemeris © Astrodienst AG, AGPL-3.0"
for file in "$metainfo" "$share/doc/orvanta/copyright"; do
  grep -q "$attribution" "$file" && pass "GeoNames credited in $(basename "$file")" \
    || fail "$(basename "$file") lacks the GeoNames attribution"
  # The credit is one line in the metainfo; the copyright file may wrap it.
  tr -s ' \n' ' ' <"$file" | grep -q "$swe_credit" && pass "Swiss Ephemeris credited in $(basename "$file")" \
    || fail "$(basename "$file") lacks '$swe_credit'"
done
# Machine-readable: every licence a Files paragraph names has its own text.
copyright="$share/doc/orvanta/copyright"
missing_texts=$(awk '
  /^$/ { in_files = 0 }
  /^Files:/ { in_files = 1 }
  /^License:/ { if (in_files) used[$2] = 1; else if (NF == 2) texts[$2] = 1 }
  END { for (l in used) if (!(l in texts)) print l }' "$copyright")
if head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
   && [ -z "$missing_texts" ]; then
  pass "copyright file is machine-readable"
else
  fail "copyright file: format line, or no text for: $missing_texts"
fi

# --- The Debian package
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; echo "FAIL: cpack -G DEB"; exit 1; }
deb=$(ls "$work"/deb/orvanta_"$version"_*.deb)
# The atlas, the same on every architecture, in a package of its own.
data_deb="$work/deb/orvanta-data_${version}_all.deb"
[ -f "$data_deb" ] || { ls "$work/deb"; echo "FAIL: no $(basename "$data_deb")"; exit 1; }

# Lists a package's files and checks them against the expected list.
check_files() {
  local package=$1 expected=$2
  dpkg-deb -c "$package" | awk '$1 !~ /^d/ { print $6 }' | sort >"$work/actual.txt"
  if sort "$expected" | diff -u - "$work/actual.txt"; then
    pass "$(basename "$package") holds exactly its $(wc -l <"$expected") files"
  else
    fail "$(basename "$package") file list (- expected, + found)"
  fi
}
{
  echo "./usr/bin/orvanta"
  echo "./usr/share/applications/$id.desktop"
  echo "./usr/share/doc/orvanta/changelog.gz"
  echo "./usr/share/doc/orvanta/copyright"
  echo "./usr/share/man/man1/orvanta.1.gz"
  echo "./usr/share/mime/packages/$id.xml"
  for size in "${sizes[@]}"; do echo "./usr/share/icons/hicolor/${size}x${size}/apps/$id.png"; done
  echo "./usr/share/icons/hicolor/scalable/apps/$id.svg"
  echo "./usr/share/metainfo/$id.metainfo.xml"
} >"$work/expected.txt"
check_files "$deb" "$work/expected.txt"
printf '%s\n' ./usr/share/doc/orvanta-data/changelog.gz ./usr/share/doc/orvanta-data/copyright \
  ./usr/share/orvanta/atlas.sqlite >"$work/expected-data.txt"
check_files "$data_deb" "$work/expected-data.txt"

# Everything but the program must be plain readable data owned by root.
odd_modes=$(for package in "$deb" "$data_deb"; do dpkg-deb -c "$package"; done | awk '$2 != "root/root" ||
  $6 == "./usr/bin/orvanta" && $1 != "-rwxr-xr-x" ||
  $1 ~ /^-/ && $6 != "./usr/bin/orvanta" && $1 != "-rw-r--r--" ||
  $1 ~ /^d/ && $1 != "drwxr-xr-x"')
if [ -z "$odd_modes" ]; then
  pass "owners and modes"
else
  fail "owners or modes:"; echo "$odd_modes"
fi

for check in "$deb Package:orvanta" "$data_deb Package:orvanta-data Architecture:all"; do
  read -r package own_fields <<<"$check"
  for field in $own_fields "Version:$version" Section:education Priority:optional; do
    if [ "$(dpkg-deb -f "$package" "${field%%:*}")" = "${field#*:}" ]; then
      pass "$(basename "$package") $field"
    else
      fail "$(basename "$package") ${field%%:*} is '$(dpkg-deb -f "$package" "${field%%:*}")', not '${field#*:}'"
    fi
  done
  [ -n "$(dpkg-deb -f "$package" Maintainer)" ] && [ -n "$(dpkg-deb -f "$package" Description)" ] \
    && pass "$(basename "$package") maintainer and description" || fail "maintainer or description missing"
done

atlas_bytes=$(stat -c %s "$share/orvanta/atlas.sqlite" 2>/dev/null || echo 0)
if [ "$atlas_bytes" -gt 0 ] && [ "$atlas_bytes" -le $((60 * 1024 * 1024)) ]; then
  pass "atlas installed, $((atlas_bytes / 1024 / 1024)) MB"
else
  fail "atlas missing or over 60 MB: $atlas_bytes bytes"
fi

depends=$(dpkg-deb -f "$deb" Depends)
if grep -Eq 'libqt6widgets6 \(>= [0-9.]+\)' <<<"$depends" && grep -q 'libqt6svg6' <<<"$depends" \
   && grep -q 'fonts-dejavu-core' <<<"$depends" && grep -q 'fonts-lohit-deva' <<<"$depends" \
   && grep -q 'tzdata' <<<"$depends"; then
  pass "Depends computed from the executable: $depends"
else
  fail "Depends not computed: '$depends'"
fi
if grep -q "orvanta-data (= $version)" <<<"$depends" && [ -z "$(dpkg-deb -f "$data_deb" Depends)" ]; then
  pass "orvanta depends on orvanta-data $version, which depends on nothing"
else
  fail "orvanta Depends '$depends', orvanta-data Depends '$(dpkg-deb -f "$data_deb" Depends)'"
fi

# Swiss Ephemeris: its files are data the package depends on by name.
grep -q 'swe-basic-data' <<<"$depends" && pass "Depends names the ephemeris files (swe-basic-data)" \
  || fail "Depends lacks swe-basic-data"
# SQLite and Swiss Ephemeris are opened when first needed: named by hand in
# Depends, never linked (linked, they would cost every start).
if grep -q 'libsqlite3-0' <<<"$depends" && grep -q 'libswe2\.0' <<<"$depends"; then
  pass "Depends names SQLite (libsqlite3-0) and Swiss Ephemeris (libswe2.0)"
else
  fail "Depends lacks libsqlite3-0 or libswe2.0: '$depends'"
fi
if readelf -d "$stage/usr/bin/orvanta" | grep -Eq 'NEEDED.*\[lib(swe|sqlite3)\.so'; then
  fail "the program links SQLite or Swiss Ephemeris instead of opening them when first needed"
else
  pass "the program opens SQLite and Swiss Ephemeris when first needed"
fi

# Every library the program links must have had its licence weighed and be
# named in the copyright file; the C and C++ runtimes are the compiler's own.
unnamed=()
for lib in $(tr ',' '\n' <<<"$depends" | awk '{ print $1 }'); do
  case "$lib" in
    libc6 | libgcc-s1 | libstdc++6 | fonts-dejavu-core | fonts-lohit-deva | tzdata | swe-basic-data | orvanta-data) continue ;;
    libqt6*) name="Qt 6" ;;
    libsqlite3-*) name="SQLite" ;;
    libcctz*) name="cctz" ;;
    libswe*) name="Swiss Ephemeris" ;;
    *) name="$lib" ;;
  esac
  grep -q "$name" "$copyright" || unnamed+=("$lib")
done
if [ ${#unnamed[@]} -eq 0 ]; then
  pass "copyright file names every linked library"
else
  fail "linked but not in the copyright file: ${unnamed[*]}"
fi

# What the program does, where a user looks it up before installing or
# running it: the manual page, the package's description, the software
# centre's text.
described() {
  local what=$1 text
  text=$(tr -s ' \n' ' ' | tr '[:upper:]' '[:lower:]')
  local missing=()
  for topic in "birth star" nakshatra "swiss ephemeris" preferences ayanamsa; do
    grep -q "$topic" <<<"$text" || missing+=("$topic")
  done
  if [ ${#missing[@]} -eq 0 ]; then
    pass "$what describes the birth star, Swiss Ephemeris, Preferences and the ayanamsa"
  else
    fail "$what does not mention: ${missing[*]}"
  fi
}
LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null | sed -n '/^DESCRIPTION/,/^OPTIONS/p' | described "manual page"
dpkg-deb -f "$deb" Description | described "Debian description"
sed -n '/<description>/,/<\/description>/p' "$metainfo" | described "metainfo"

# Updates: the package manager brings them, so the packaged program never
# reminds; the program a build installs reminds unless it was built not to.
unpacked="$work/unpacked"
dpkg-deb -x "$deb" "$unpacked"
packaging/check-update-reminder.sh "$unpacked/usr/bin/orvanta" quiet >"$work/reminder.log" 2>&1 \
  && pass "the .deb's program leaves updates to the package manager" \
  || { cat "$work/reminder.log"; fail "the .deb's program reminds of updates"; }
reminds=$(sed -n 's/^ORVANTA_UPDATE_REMINDER:BOOL=//p' "$build/CMakeCache.txt")
case "$reminds" in ON | on | TRUE | true | 1 | YES | yes) installed=reminds ;; *) installed=quiet ;; esac
packaging/check-update-reminder.sh "$stage/usr/bin/orvanta" "$installed" >"$work/reminder.log" 2>&1 \
  && pass "the installed program $installed of updates, as the build was configured" \
  || { cat "$work/reminder.log"; fail "the installed program is not $installed"; }

# Errors and warnings fail; the remaining notes are shown.
if lintian --fail-on error,warning --display-info "$deb" "$data_deb" >"$work/lintian.log" 2>&1; then
  pass "lintian: no error or warning"
  grep -v 'root privileges' "$work/lintian.log" | grep '^[EWIPX]:' || true
else
  grep -v 'root privileges' "$work/lintian.log"; fail "lintian"
fi

echo "check-package: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
