#!/usr/bin/env bash
# Makes a fresh Debian machine ready to build and test: packages, the zh_CN locale
# and the minizip sources (unpacked into build/third_party, never committed).
# Quick and silent when everything is already in place.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
          g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
          libz-mingw-w64-dev wine wine64 xvfb xdotool imagemagick fonts-wqy-microhei
          cmake ninja-build googletest libgtest-dev clang libclang-rt-14-dev locales x11-utils
          python3 python3-pycryptodome openssl bzip2 dpkg-dev)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    echo "setup: generating the zh_CN.UTF-8 locale"
    "${sudo_cmd[@]}" sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo_cmd[@]}" locale-gen >/dev/null
fi

minizip_dir="$root/build/third_party/minizip"
if [ ! -f "$minizip_dir/unzip.c" ]; then
    echo "setup: fetching the minizip sources from Debian's zlib source package"
    if ! grep -rqs '^Types: deb-src' /etc/apt/sources.list.d/; then
        printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
            | "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/zc-deb-src.sources >/dev/null
        "${sudo_cmd[@]}" apt-get update -qq
    fi
    work="$(mktemp -d)"
    (cd "$work" && apt-get source --download-only zlib >/dev/null 2>&1)
    tarball="$(ls "$work"/zlib_*.orig.tar.* | head -n 1)"
    mkdir -p "$work/src" "$minizip_dir"
    tar -xf "$tarball" -C "$work/src"
    cp "$work"/src/*/contrib/minizip/{ioapi,zip,unzip,iowin32}.[ch] "$work"/src/*/contrib/minizip/crypt.h "$minizip_dir/"
    rm -rf "$work"
fi
