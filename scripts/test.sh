#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: the unit and
# integration tests (plain and under AddressSanitizer + UBSan), the fuzz
# targets for a bounded time, the browser test of an exported site, the
# shipped Windows programs under Wine, and the Debian package installed on a
# fresh Debian 12 (tests/install/run.sh).
# FUZZ_SECONDS sets the time per fuzz target (default: 60 s for the album
# target, 20 s for the others; see fuzz/run-fuzzers.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

echo "== build and unit tests"
scripts/build.sh build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --parallel "$(nproc)"

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/build.sh build-asan -DPICTAVO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
  UBSAN_OPTIONS=print_stacktrace=1 QT_QPA_PLATFORM=offscreen \
  ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)"

echo "== fuzz targets"
fuzz/run-fuzzers.sh build-fuzz

if [ -x tests/browser/run.sh ]; then
  echo "== browser test"
  tests/browser/run.sh build
fi
if [ -x tests/windows/run.sh ]; then
  echo "== Windows programs under Wine"
  tests/windows/run.sh build
fi
if [ -x tests/install/run.sh ]; then
  echo "== the Debian package installed on a fresh Debian 12"
  # debootstrap, chroot and mount need root.
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO tests/install/run.sh build
fi
echo "== all tests passed"
