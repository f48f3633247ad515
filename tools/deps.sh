#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the game needs to build, when missing.
# Sourced by play.sh and test.sh; extra packages may be passed as arguments.
set -euo pipefail

tessolina_need_packages() {
    local wanted=(cmake g++ make qt6-base-dev libgl-dev "$@")
    local missing=()
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
    else
        echo "Missing packages. Run:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
}
