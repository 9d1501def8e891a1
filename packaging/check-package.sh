#!/usr/bin/env bash
# Checks what a built tree installs and packages: the desktop entry and the
# metainfo pass their validators, the .deb holds the program's files and
# nothing else, and its dependencies were read off the executable.
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

# --- The Debian package
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; echo "FAIL: cpack -G DEB"; exit 1; }
deb=$(ls "$work"/deb/orvanta_"$version"_*.deb)

expected="$work/expected.txt"
{
  echo "./usr/bin/orvanta"
  echo "./usr/share/applications/$id.desktop"
  echo "./usr/share/doc/orvanta/changelog.gz"
  echo "./usr/share/doc/orvanta/copyright"
  for size in "${sizes[@]}"; do echo "./usr/share/icons/hicolor/${size}x${size}/apps/$id.png"; done
  echo "./usr/share/icons/hicolor/scalable/apps/$id.svg"
  echo "./usr/share/metainfo/$id.metainfo.xml"
  echo "./usr/share/orvanta/atlas.sqlite"
} | sort >"$expected"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$work/actual.txt"
if diff -u "$expected" "$work/actual.txt"; then
  pass "$(basename "$deb") holds exactly the program's $(wc -l <"$expected") files"
else
  fail "package file list (- expected, + found)"
fi

# Everything but the program must be plain readable data owned by root.
odd_modes=$(dpkg-deb -c "$deb" | awk '$2 != "root/root" ||
  $6 == "./usr/bin/orvanta" && $1 != "-rwxr-xr-x" ||
  $1 ~ /^-/ && $6 != "./usr/bin/orvanta" && $1 != "-rw-r--r--" ||
  $1 ~ /^d/ && $1 != "drwxr-xr-x"')
if [ -z "$odd_modes" ]; then
  pass "owners and modes"
else
  fail "owners or modes:"; echo "$odd_modes"
fi

for field in Package:orvanta "Version:$version" Section:education Priority:optional; do
  if [ "$(dpkg-deb -f "$deb" "${field%%:*}")" = "${field#*:}" ]; then
    pass "$field"
  else
    fail "${field%%:*} is '$(dpkg-deb -f "$deb" "${field%%:*}")', not '${field#*:}'"
  fi
done
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] && [ -n "$(dpkg-deb -f "$deb" Description)" ] \
  && pass "maintainer and description" || fail "maintainer or description missing"

atlas_bytes=$(stat -c %s "$share/orvanta/atlas.sqlite" 2>/dev/null || echo 0)
if [ "$atlas_bytes" -gt 0 ] && [ "$atlas_bytes" -le $((60 * 1024 * 1024)) ]; then
  pass "atlas installed, $((atlas_bytes / 1024 / 1024)) MB"
else
  fail "atlas missing or over 60 MB: $atlas_bytes bytes"
fi

depends=$(dpkg-deb -f "$deb" Depends)
if grep -Eq 'libqt6widgets6 \(>= [0-9.]+\)' <<<"$depends" && grep -q 'libqt6svg6' <<<"$depends" \
   && grep -q 'fonts-dejavu-core' <<<"$depends" && grep -q 'tzdata' <<<"$depends"; then
  pass "Depends computed from the executable: $depends"
else
  fail "Depends not computed: '$depends'"
fi

echo "check-package: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
