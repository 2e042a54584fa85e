#!/usr/bin/env bash
# Installs verovio, the engraving library the MusicXML read-back test uses
# as an independent reader, from the npm registry into a folder outside the
# repository (QUILLSONG_VEROVIO_DIR, else ~/.cache/quillsong/verovio), with
# Node from Debian's packages. Safe to run again: an installed copy of the
# pinned version is left alone.
set -euo pipefail

version=6.3.0
dir=${QUILLSONG_VEROVIO_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/quillsong/verovio}

if ! command -v node > /dev/null || ! command -v npm > /dev/null; then
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends nodejs npm
fi

installed=$(node -p "require('$dir/node_modules/verovio/package.json').version" 2> /dev/null || true)
if [ "$installed" = "$version" ]; then
    exit 0
fi
mkdir -p "$dir"
npm install --prefix "$dir" --no-audit --no-fund --silent "verovio@$version"
