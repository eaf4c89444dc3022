#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 in build-fuzz/ and runs each for a while.
# Usage: tools/fuzz.sh [seconds per target, default 60] [target ...]
# A fuzz/<target>.dict gives libFuzzer the file's keys and tokens. Inputs found are kept in build-fuzz/corpus/<target> (seeded from fuzz/corpus/<target>);
# a crash is written to build-fuzz/crashes/<target>/ and makes the script fail. Copy a
# fixed crash into fuzz/corpus/<target>/ so that the main build replays it for good.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bouw="${HOVELINK_FUZZ_BUILD:-$root/build-fuzz}"
seconden="${1:-60}"
shift || true
doelen=("$@")
[ ${#doelen[@]} -eq 0 ] &&
    doelen=(mappenini algemeen momentinstellingen inikop ledenbestand partnerbestand script afmelddata)

CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$bouw" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DHOVELINK_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$bouw" -j2 --target "${doelen[@]/#/fuzz_}"

mislukt=0
for doel in "${doelen[@]}"; do
    corpus="$bouw/corpus/$doel"
    crashes="$bouw/crashes/$doel"
    mkdir -p "$corpus" "$crashes"
    log="$bouw/$doel.log"
    woorden=()
    [ -f "$root/fuzz/$doel.dict" ] && woorden=(-dict="$root/fuzz/$doel.dict")
    # One process, 2 GB and 10 s per input: a slow or greedy input counts as a finding too.
    # No allocation stacks while fuzzing: the Qt libraries have no frame pointers, so every
    # stack ASan records through them is new, and over a million runs that store alone passes
    # 2 GB. Running the target on a crash input again shows the full stacks.
    begin=$SECONDS
    if ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=0}" QT_QPA_PLATFORM=offscreen "$bouw/fuzz/fuzz_$doel" "$corpus" "$root/fuzz/corpus/$doel" \
        -max_total_time="$seconden" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -artifact_prefix="$crashes/" -print_final_stats=1 "${woorden[@]}" >"$log" 2>&1; then
        uitslag="ok"
    else
        uitslag="CRASH (see $log)"
        mislukt=1
    fi
    runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)"
    echo "fuzz_$doel: $runs executions in $((SECONDS - begin))s, corpus $(ls "$corpus" | wc -l) inputs: $uitslag"
done
exit $mislukt
