#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite: once normally,
# once under AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
# The DXF export is also checked under an Italian locale.
if ! locale -a | grep -qix 'it_IT.utf8'; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo localedef -i it_IT -f UTF-8 it_IT.UTF-8
fi
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRAMEL_SANITIZE=ON
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

# The readers, then random user sessions through the engine, under clang's
# libFuzzer from the seed files, each for a minute: a crash, a hang, runaway
# memory or a failed check fails the run and leaves the input in build-fuzz.
if command -v clang++ >/dev/null; then
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DTRAMEL_FUZZ=ON
  cmake --build build-fuzz -j "$jobs"
  rm -rf build-fuzz/corpus && mkdir -p build-fuzz/corpus && cp tests/fuzz/corpus/* build-fuzz/corpus/
  build-fuzz/tests/fuzz/fuzz_lettura_dis build-fuzz/corpus -max_total_time=60 -rss_limit_mb=2048 \
    -max_len=8192 -timeout=10 -artifact_prefix=build-fuzz/
  rm -rf build-fuzz/corpus_txt && mkdir -p build-fuzz/corpus_txt && cp tests/fuzz/corpus_txt/* build-fuzz/corpus_txt/
  build-fuzz/tests/fuzz/fuzz_lettura_txt build-fuzz/corpus_txt -max_total_time=60 -rss_limit_mb=2048 \
    -max_len=8192 -timeout=10 -artifact_prefix=build-fuzz/
  rm -rf build-fuzz/corpus_sessione && mkdir -p build-fuzz/corpus_sessione && cp tests/fuzz/corpus_sessione/* build-fuzz/corpus_sessione/
  build-fuzz/tests/fuzz/fuzz_sessione build-fuzz/corpus_sessione -max_total_time=60 -rss_limit_mb=2048 -len_control=0 \
    -max_len=512 -timeout=10 -artifact_prefix=build-fuzz/
fi
