#!/bin/sh
# Fuzzes the value, line and file readers of bitloom-flags with libFuzzer for
# a bounded time (FUZZ_SECONDS, 60 by default), in a build of its own.
# libFuzzer comes with clang; without clang++ this says so and succeeds, so
# that the callers' other checks still run.
set -eu
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-60}"
build=build/fuzz-cli

if ! command -v clang++ >/dev/null 2>&1; then
    echo "fuzz-cli: clang++ is not installed, skipping (apt-get install clang)"
    exit 0
fi

# The libraries get coverage and sanitizers too, not only the fuzz target.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" \
    >/dev/null
cmake --build "$build" --target fuzz_cli_parsers

# Seeds: a value, a vehicle line, a small file with every kind of line, and
# a UTF-16 one.
corpus="$build/fuzz-corpus"
mkdir -p "$corpus"
printf '0x09047000' >"$corpus/value"
line='LANDSTAL 1700.0 5.0 4.0 2.2 0.0 0.0 -0.2 85 0.8 0.75 0.5 5 160.0 25.0 4 D 6.2 0.60 0 35.0 1.4 0.15 0.0 0.5 25000 0.25 -0.20 0.5 20 9047000 1 1'
printf '%s\r\n' "$line" >"$corpus/line"
printf '\357\273\277; comment\r\n%s\r\n%% PREDATOR 0.7 0.5 0.2 4.0 4.5 0.9 0.7 0.99 0.9 0.99 0.99 0.97 0.95 8.0\r\n! BIKE 0.1 20.0 0.1 15.0 50.0 45.0 0.9 0.8 0.0 -0.2 30.0 35.0 0.05 1.0 0.5\r\n$ MAVERICK 0.6 5.0 -0.2 0.0 0.0 -0.05 0.001 -0.1 0.0 0.5 5.0 0.1 0.998 0.99 0.97 1.0 1.0 1.0\r\n;The End\r\n;the end\r\n' \
    "$line" >"$corpus/file"
# The same line in UTF-16, as Notepad saves "Unicode".
printf '\377\376' >"$corpus/utf16"
printf '%s\r\n;the end\r\n' "$line" | iconv -f UTF-8 -t UTF-16LE >>"$corpus/utf16"

"$build/tests/cli/fuzz_cli_parsers" -max_total_time="$seconds" -print_final_stats=1 "$corpus"
