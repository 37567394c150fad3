#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Brenvoll, and either starts it on the demo catalog or runs every test.
#   ./build.sh run     install, build, start the program on the demo catalog
#   ./build.sh test    install, build, run every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(build-essential cmake ninja-build qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core fonts-liberation2 libreoffice-calc libreoffice-dev libreoffice-dev-common)

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j2
}

case "${1:-}" in
    run)
        install_packages
        build
        # The program reads 0_TELVA and Projects beside its executable; the spreadsheet files from the current folder.
        cd build && exec ./brenvoll
        ;;
    test)
        install_packages
        build
        export QT_QPA_PLATFORM=offscreen
        export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
        chmod 700 "$XDG_RUNTIME_DIR"
        ctest --test-dir build --output-on-failure -j2
        ;;
    *)
        echo "usage: $0 run|test" >&2
        exit 2
        ;;
esac
