#!/bin/sh
# Installs what is missing, then builds and runs the whole test suite twice:
#   build-test  g++, normal build
#   build-asan  clang with AddressSanitizer + UndefinedBehaviorSanitizer
#               (leaks reported), plus the libFuzzer targets, each run for a
#               bounded time
# Both builds compile with -Wall -Wextra and fail on warnings. After the
# first, the Debian package is built from build-test and checked (lintian).
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)

echo "== Normal build (g++)"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"

echo "== Debian package (build-test/tavi_<version>_amd64.deb)"
(cd build-test && cpack -G DEB >/dev/null)
dpkg-deb --info build-test/tavi_*_amd64.deb
dpkg-deb --contents build-test/tavi_*_amd64.deb
lintian --tag-display-limit 0 --fail-on error build-test/tavi_*_amd64.deb

echo "== Sanitizer build (clang, ASan + UBSan, fuzzers)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  -DTAVI_SANITIZE=ON -DTAVI_FUZZ=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
