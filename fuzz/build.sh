#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the reading-file fuzzer with clang's libFuzzer, AddressSanitizer and
# UBSan. Usage: fuzz/build.sh [OUTPUT_DIR]   (default: build-fuzz)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build-fuzz}"
cxx="${FUZZ_CXX:-clang++}"

if ! command -v "$cxx" >/dev/null; then
  echo "fuzz/build.sh: $cxx not found; run scripts/install-deps" >&2
  exit 1
fi

mkdir -p "$out"
"$cxx" -std=c++20 -g -O1 -Wall -Wextra -Wpedantic -Werror \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer \
  -I"$root" \
  "$root/fuzz/ReadingFileFuzz.cpp" "$root/core/report/ReadingFile.cpp" "$root/core/common/TextRules.cpp" \
  "$root/core/common/UiText.cpp" "$root/core/common/TextEncoding.cpp" \
  -o "$out/ReadingFileFuzz"
echo "fuzz/build.sh: built $out/ReadingFileFuzz"
