#!/usr/bin/env bash
# Installs the Debian packages Dovrel needs to build, test and run; does nothing when all are present.
#   scripts/install-deps.sh [PACKAGE ...]   installs the given packages instead (the fuzzers' and the package
#                                           check's tools)
set -euo pipefail

packages=(
    qt6-base-dev qt6-multimedia-dev cmake g++ make xvfb xauth fp-utils
    # The viewers' QR code (Nayuki's qrcodegen, found through its pkg-config file), and the reader its test checks it
    # with.
    libqrcodegencpp-dev pkgconf zbar-tools
    # The style every source file keeps, checked by the tests.
    clang-format
    # The tests plug and unplug displays through the headless platform's own interface.
    qt6-base-private-dev
    # Qt's own dialogs in Chinese.
    qt6-translations-l10n
    # F1 help: a CHM viewer, and the desktop's opener for the help's web pages.
    xchm xdg-utils
    # The session bus the screensaver hold goes over; the tests start a private dbus-daemon.
    dbus
    # The whole program driven on a virtual display by the sanitizer build's exit test.
    xdotool x11-utils
    # A real sound server that the sound test stops and starts under the program, and its recorder.
    pulseaudio pulseaudio-utils
    # A real browser, headless, that watches the phones' viewer page while the program runs a clock.
    chromium chromium-driver python3-selenium
    # Faces for the design's fonts: Song (Noto Serif CJK), Kai (LXGW WenKai, AR PL UKai), and the sans fallback;
    # BabelStone Han for the characters beyond the basic CJK block that personal names use (𠀀).
    fonts-noto-cjk fonts-lxgw-wenkai fonts-arphic-ukai fonts-arphic-uming fonts-wqy-zenhei fonts-babelstone-han
)
if [ $# -gt 0 ]; then
    packages=("$@")
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
