# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Sourced by ./package-web and scripts/test-web.sh: the steps of the web build.
set -euo pipefail
BEXALO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BEXALO_WEB_BUILD=${BEXALO_WEB_BUILD:-$BEXALO_ROOT/build-web}
BEXALO_WEB_SITE=$BEXALO_WEB_BUILD/site
# shellcheck source=setup.sh
source "$BEXALO_ROOT/scripts/setup.sh"
# shellcheck source=webqt.sh
source "$BEXALO_ROOT/scripts/webqt.sh"
bexalo_install_packages "${bexalo_build_packages[@]}" "${bexalo_web_packages[@]}"
# shellcheck source=browsers.sh
source "$BEXALO_ROOT/scripts/browsers.sh"

# bexalo_web_configure DIR [CMAKE_OPTION...]: a web build folder, with the cached web Qt.
bexalo_web_configure() {
    local dir=$1
    shift
    bexalo_web_qt
    local qt=$BEXALO_CROSS_QT
    bexalo_configure "$dir" "$qt" "$qt/bin/qt-cmake" -S "$BEXALO_ROOT" -B "$dir" -G Ninja \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$BEXALO_HOST_CMAKE_DIR" "$@"
}

# The program for the web, built with the cached web Qt.
bexalo_web_program() {
    bexalo_web_configure "$BEXALO_WEB_BUILD/program"
    cmake --build "$BEXALO_WEB_BUILD/program" -j"$(nproc)"
}

# The icon, drawn by the program's own drawing code: the desktop build's tool when it is there
# (./test builds it first), else a small host build of just that tool.
bexalo_web_icon() {
    local host=$BEXALO_WEB_BUILD/host
    if [ -x "$BEXALO_BUILD/make_icons" ]; then
        cmake --build "$BEXALO_BUILD" --target make_icons > /dev/null
        QT_QPA_PLATFORM=offscreen "$BEXALO_BUILD/make_icons" ico "$1"
        return
    fi
    bexalo_configure "$host" host cmake -S "$BEXALO_ROOT" -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DBEXALO_BUILD_TESTS=OFF
    cmake --build "$host" --target make_icons -j"$(nproc)" > /dev/null
    QT_QPA_PLATFORM=offscreen "$host/make_icons" ico "$1"
}

# The page around the program, into FOLDER: index.html, its style and script, the loader.
bexalo_web_page() {
    cmake --install "$BEXALO_WEB_BUILD/program" --component page --prefix "$1" > /dev/null
}

# Everything into the site folder, and the site into one file, bexalo.html.
bexalo_web_build() {
    bexalo_source_date_epoch
    bexalo_web_program
    local program=$BEXALO_WEB_BUILD/program site=$BEXALO_WEB_SITE
    rm -rf "$site"
    # What the site carries is listed once, in packaging/Web.cmake's install rules.
    cmake --install "$program" --prefix "$site" > /dev/null
    bexalo_web_icon "$site/favicon.ico"
    bexalo_cross_notices "$program" "$program/bexalo.wasm" COPYING.txt "$site/NOTICES.txt"
    bexalo_web_precompress "$site"
    # The same site in one page, for a disk or a shared drive.
    python3 "$BEXALO_ROOT/scripts/web-onefile.py" "$site" "$BEXALO_WEB_BUILD/bexalo.html"
    # The teacher's guide beside it, where its page links it.
    cp "$site/guida.html" "$BEXALO_WEB_BUILD/guida.html"
}

# Beside each large text or code file of FOLDER, its gzip and brotli (-q 11) twins, NAME.gz and
# NAME.br, for servers that send such files as they are (scripts/serve-web.py does); the one file
# carries the program's gzip twin. The gzip is zopfli's (one iteration: 3 to 4 % smaller than
# gzip -9, any gzip reader unpacks it). Both take a while on the program, so the twins are kept
# in the build folder by their file's hash and made again only when it changes.
bexalo_web_precompress() {
    local folder=$1 cache=$BEXALO_WEB_BUILD/precompressed f hash
    mkdir -p "$cache"
    for f in "$folder"/*.wasm "$folder"/*.js "$folder"/*.html "$folder"/*.txt; do
        if [ ! -f "$f" ] || [ "$(stat -c %s "$f")" -lt 1024 ]; then continue; fi
        hash=$(sha256sum < "$f" | cut -c1-64)
        if [ ! -f "$cache/$hash.zopfli.gz" ] || [ ! -f "$cache/$hash.br" ]; then
            zopfli --i1 --gzip -c "$f" > "$cache/$hash.zopfli.gz.part"
            brotli -q 11 -c "$f" > "$cache/$hash.br.part"
            mv "$cache/$hash.zopfli.gz.part" "$cache/$hash.zopfli.gz"
            mv "$cache/$hash.br.part" "$cache/$hash.br"
        fi
        cp "$cache/$hash.zopfli.gz" "$f.gz"
        cp "$cache/$hash.br" "$f.br"
    done
}

# Serves a folder on 127.0.0.1 until stopped, and says where.
bexalo_web_serve() {
    echo "Serving bexalo; open the address below in a browser (Ctrl+C stops the server):"
    exec python3 "$BEXALO_ROOT/scripts/serve-web.py" "$1" "$2"
}

# The Linux build's tools that tests/web and the benchmark read (the bad sound file of the unit
# tests' own table, the windows' layouts), built in the Linux build folder, configured as ./test
# configures it if it is not yet; exports BEXALO_BUILD for them.
bexalo_web_linux_tools() {
    bexalo_install_packages "${bexalo_build_packages[@]}"
    bexalo_configure "$BEXALO_BUILD" host cmake -S "$BEXALO_ROOT" -B "$BEXALO_BUILD" -G Ninja "${bexalo_test_build_options[@]}"
    cmake --build "$BEXALO_BUILD" --target write_sound_file write_form_designs > /dev/null
    export BEXALO_BUILD
}
