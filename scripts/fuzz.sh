#!/usr/bin/env bash
# Builds the fuzz targets with clang under AddressSanitizer and UndefinedBehaviorSanitizer into
# build-fuzz/ and runs them side by side for the given seconds each (default 5), seeded from
# fuzz/corpus/<target>/ and the shipped data files. Names after the seconds run only those
# targets: "fuzz.sh 3600 settings_file_fuzz" fuzzes the settings file for an hour. An input that
# fails is kept as build-fuzz/crashes/<target>-crash-...; run the target on that file to see it
# again. Without a clang that offers -fsanitize=fuzzer the targets are skipped, saying so.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-5}"
shift || true

bash scripts/deps.sh fuzz || echo "fuzz: clang could not be installed"
probe="$(mktemp -d)"
trap 'rm -rf "$probe"' EXIT
printf '#include <cstddef>\n#include <cstdint>\nextern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }\n' >"$probe/probe.cpp"
if ! command -v clang++ >/dev/null ||
    ! clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
    echo "fuzz targets skipped: no clang++ offering -fsanitize=fuzzer on this machine"
    exit 0
fi

cmake -S . -B build-fuzz -DARVOK_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j "$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/*_fuzz.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi
mkdir -p build-fuzz/crashes build-fuzz/logs
for target in "${targets[@]}"; do
    corpus="build-fuzz/corpus/$target"
    mkdir -p "$corpus"
    seeds=("fuzz/corpus/${target%_fuzz}" data)
    [ -d "${seeds[0]}" ] || seeds=(data)
    "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="build-fuzz/crashes/$target-" "$corpus" "${seeds[@]}" \
        >"build-fuzz/logs/$target.log" 2>&1 &
    pids+=("$!")
done

failed=0
for i in "${!targets[@]}"; do
    target="${targets[$i]}"
    if wait "${pids[$i]}"; then
        runs="$(grep -o 'Done [0-9]* runs' "build-fuzz/logs/$target.log" | tail -1)"
        echo "fuzz $target: ${runs:-done}, no fault"
    else
        failed=1
        echo "fuzz $target: FAILED (build-fuzz/logs/$target.log)"
        grep -A12 -E 'fuzz check failed|ERROR: (AddressSanitizer|libFuzzer|LeakSanitizer)|runtime error' \
            "build-fuzz/logs/$target.log" | head -40
    fi
done
exit "$failed"
