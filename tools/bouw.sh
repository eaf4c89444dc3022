# Shared by ./run and ./test: installs what is missing (Debian 12) and builds into build/.
set -euo pipefail

HOVELINK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
HOVELINK_BUILD="$HOVELINK_ROOT/build"

hovelink_install() {
    # What the program and its guide need; ./test names what the tests need on top.
    local pakketten=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev nodejs chromium
                     fonts-dejavu-core fonts-liberation xdg-utils
                     libcurl4-openssl-dev libssl-dev qtkeychain-qt6-dev libsecret-1-0 "$@")
    local ontbreekt=()
    for p in "${pakketten[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || ontbreekt+=("$p")
    done
    [ ${#ontbreekt[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${ontbreekt[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${ontbreekt[@]}"
}

# hovelink_build [target...] [-- cmake option...]: everything when no target is named.
hovelink_build() {
    local doelen=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do doelen+=(--target "$1"); shift; done
    [ $# -gt 0 ] && shift
    cmake -S "$HOVELINK_ROOT" -B "$HOVELINK_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$HOVELINK_BUILD" -j2 "${doelen[@]}"
}
