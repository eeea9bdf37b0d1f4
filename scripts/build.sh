#!/usr/bin/env bash
# Sets up the machine if needed and builds: the shipped 32-bit programs
# (build/i686), the 64-bit build the tests run under Wine (build/x86_64) and
# the native Linux build of the portable code (build/native) and the same
# code with AddressSanitizer, UndefinedBehaviorSanitizer and the libFuzzer
# targets (build/sanitize).
# Usage: scripts/build.sh [i686|x86_64|native|sanitize ...]   (default: all four)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(x86_64 i686 native sanitize)
for target in "${targets[@]}"; do
    dir="$root/build/$target"
    args=(-G Ninja -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release)
    case "$target" in
        x86_64|i686) args+=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-$target.cmake") ;;
        native) args+=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
        sanitize) args+=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DZC_SANITIZE=ON -DZC_FUZZ=ON) ;;
        *) echo "unknown build: $target" >&2; exit 2 ;;
    esac
    [ "$target" = i686 ] && args+=(-DZC_BUILD_TESTS=OFF)
    [ -f "$dir/build.ninja" ] || cmake "${args[@]}" >/dev/null
    echo "build: $target"
    cmake --build "$dir"
done
