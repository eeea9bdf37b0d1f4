#!/usr/bin/env bash
# Builds the sanitizer build with its libFuzzer targets and runs each target
# for a bounded time, one after the other on one core. Inputs found on the
# way collect in build/fuzz/corpus/<target>; a crashing input is kept in
# build/fuzz/findings and fails the run.
# Usage: scripts/fuzz.sh [SECONDS per target, default 60] [TARGET ...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(unseal_fuzzer package_fuzzer ini_fuzzer profile_number_fuzzer gbk_text_fuzzer web_headers_fuzzer
    script_run_fuzzer)

bash "$root/scripts/build.sh" sanitize >/dev/null

# Longest input per target: packages and INI files need room for structure.
max_len_of() {
    case "$1" in
        package_fuzzer|ini_fuzzer) echo 16384 ;;
        *) echo 4096 ;;
    esac
}

work="$root/build/fuzz"
mkdir -p "$work/findings"
status=0
for target in "${targets[@]}"; do
    corpus="$work/corpus/$target"
    mkdir -p "$corpus"
    log="$work/$target.log"
    echo "fuzz: $target for ${seconds}s"
    dictionary=()
    [ -f "$root/fuzz/$target.dict" ] && dictionary=(-dict="$root/fuzz/$target.dict")
    if ! "$root/build/sanitize/fuzz/$target" "$corpus" "$root/fuzz/corpus/$target" "${dictionary[@]}" \
        -max_total_time="$seconds" -max_len="$(max_len_of "$target")" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/findings/$target-" >"$log" 2>&1; then
        status=1
        grep -E 'ERROR|check failed|runtime error|SUMMARY|Test unit written' "$log" || tail -n 20 "$log"
    fi
    grep -E 'DONE|stat::number_of_executed_units' "$log" | sed 's/^/    /'
done
exit $status
