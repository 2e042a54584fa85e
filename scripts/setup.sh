#!/usr/bin/env bash
# Installs every Debian package Quillsong needs to build, run and test.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format
    libgtest-dev libgmock-dev libbenchmark-dev
    libxml2-dev
    # Compressed MusicXML (.mxl) files are zip containers.
    libzip-dev
    # The fuzzer: clang with its sanitizer and libFuzzer runtimes.
    clang libclang-rt-14-dev
    # MIDI output: the built-in synthesizer, its General MIDI SoundFonts
    # (FluidR3_GM preferred, TimGM6mb the small fallback) and ALSA ports.
    libfluidsynth-dev fluid-soundfont-gm timgm6mb-soundfont librtmidi-dev
    # Checking exported MIDI files: an independent reader (used with
    # /usr/bin/python3) and a player that renders them to audio.
    python3-mido fluidsynth
    # Drawing the score, images and PDF: Qt's GUI module, and free faces
    # standing in for the Windows fonts the score's texts name.
    qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation2
    # The second language: Qt's lupdate and lrelease with their CMake package,
    # and a face for the Chinese texts.
    qt6-l10n-tools qt6-tools-dev fonts-noto-cjk
    # Installing and packaging: the application's icon drawn at each size
    # from its SVG, the Debian package's shared-library dependencies, and the
    # checks of the desktop entry, MIME type, metainfo and package.
    librsvg2-bin dpkg-dev file desktop-file-utils appstream shared-mime-info
    libglib2.0-bin lintian
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -ne 0 ]; then
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The MusicXML read-back test's reader, from npm: in CI, or when asked with
# QUILLSONG_WITH_VEROVIO=1. Without it that test skips.
if [ "${CI:-}" = "true" ] || [ "${QUILLSONG_WITH_VEROVIO:-}" = "1" ]; then
    "$(dirname "$0")/setup_verovio.sh"
fi
