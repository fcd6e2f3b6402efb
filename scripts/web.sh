# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Sourced by ./package-web and scripts/test-web.sh: the steps of the web build.
set -euo pipefail
BEXALO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BEXALO_WEB_BUILD=${BEXALO_WEB_BUILD:-$BEXALO_ROOT/build-web}
BEXALO_WEB_SITE=$BEXALO_WEB_BUILD/site
# shellcheck source=setup.sh
source "$BEXALO_ROOT/scripts/setup.sh"
bexalo_install_packages "${bexalo_build_packages[@]}" emscripten nodejs python3 brotli
# shellcheck source=webqt.sh
source "$BEXALO_ROOT/scripts/webqt.sh"

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

# The notices of what the program carries: Qt and its bundled libraries, the fonts built into
# Qt's web platform and into bexalo, and emscripten's runtime.
bexalo_web_notices() {
    local out=$1
    bexalo_qt_source
    local qt_source=$BEXALO_QT_SOURCE
    python3 - "$qt_source" "$out" <<'PY'
import json, os, sys
source, out = sys.argv[1], sys.argv[2]
third = os.path.join(source, "src", "3rdparty")
used = ["zlib", "libpng", "freetype", "harfbuzz-ng", "pcre2", "double-conversion", "easing", "tinycbor",
        "sha1", "sha3", "md4", "md5", "rfc6234", "blake2", "icc", "pixman", "wasm"]
parts = ["Licence notices of what bexalo for the web is built from\n"
         "=========================================================\n\n"
         "bexalo itself: GNU General Public License version 3 or later (COPYING.txt).\n\n"
         "Qt 6 (qtbase " + os.path.basename(os.path.dirname(source)).split("-", 1)[1] + ", linked in statically):\n"
         "GNU Lesser General Public License version 3 (below) or GPL 2/3; Copyright (C) The Qt Company Ltd\n"
         "and other contributors. Its source: https://download.qt.io/ and Debian's qt6-base source package.\n"]
for name in used:
    with open(os.path.join(third, name, "qt_attribution.json"), encoding="utf-8") as f:
        entries = json.loads(f.read(), strict=False)
    for e in entries if isinstance(entries, list) else [entries]:
        parts.append("\n----------------------------------------------------------------------\n")
        parts.append("%s %s (%s)\n%s\n\n" % (e.get("Name", name), e.get("Version", ""), e.get("License", ""),
                                            e.get("Copyright", "").strip()))
        for lic in str(e.get("LicenseFile", "")).split(","):
            path = os.path.join(third, name, lic.strip())
            if lic.strip() and os.path.isfile(path):
                with open(path, encoding="utf-8", errors="replace") as f:
                    parts.append(f.read().rstrip() + "\n")
def add(title, path):
    parts.append("\n----------------------------------------------------------------------\n" + title + "\n\n")
    with open(path, encoding="utf-8", errors="replace") as f:
        parts.append(f.read().rstrip() + "\n")
add("Liberation Sans and Liberation Serif fonts (embedded in bexalo.wasm, unmodified)",
    "/usr/share/doc/fonts-liberation2/copyright")
add("Emscripten runtime (libc, libc++, compiler-rt, JavaScript glue)", "/usr/share/doc/emscripten/copyright")
add("GNU Lesser General Public License version 3 (Qt)", os.path.join(source, "LICENSES", "LGPL-3.0-only.txt"))
with open(out, "w", encoding="utf-8") as f:
    f.write("".join(parts))
PY
}

# Everything into the site folder, and the site into one file, bexalo.html.
bexalo_web_build() {
    bexalo_web_program
    local program=$BEXALO_WEB_BUILD/program site=$BEXALO_WEB_SITE
    rm -rf "$site"
    mkdir -p "$site"
    cp "$BEXALO_ROOT/packaging/web/index.html" "$BEXALO_ROOT/packaging/web/loader.js" "$program/bexalo.js" \
        "$program/bexalo.wasm" "$BEXALO_ROOT/src/assets/positivo.wav" "$site/"
    bexalo_web_icon "$site/favicon.ico"
    cp "$BEXALO_ROOT/LICENSE" "$site/COPYING.txt"
    cp /usr/share/doc/fonts-liberation2/copyright "$site/LICENCE-fonts-liberation.txt"
    bexalo_web_notices "$site/NOTICES.txt"
    bexalo_web_precompress "$site"
    # The same site in one page, for a disk or a shared drive.
    python3 "$BEXALO_ROOT/scripts/web-onefile.py" "$site" "$BEXALO_WEB_BUILD/bexalo.html"
}

# Beside each large text or code file of FOLDER, its gzip (-9) and brotli (-q 11) twins, NAME.gz
# and NAME.br, for servers that send such files as they are (scripts/serve-web.py does). Brotli's
# best level takes a while on the program, so the twins are kept in the build folder by their
# file's hash and made again only when it changes.
bexalo_web_precompress() {
    local folder=$1 cache=$BEXALO_WEB_BUILD/precompressed f hash
    mkdir -p "$cache"
    for f in "$folder"/*.wasm "$folder"/*.js "$folder"/*.html "$folder"/*.txt; do
        [ -f "$f" ] && [ "$(stat -c %s "$f")" -ge 1024 ] || continue
        hash=$(sha256sum < "$f" | cut -c1-64)
        if [ ! -f "$cache/$hash.br" ]; then
            gzip -9 -n -c "$f" > "$cache/$hash.gz.part"
            brotli -q 11 -c "$f" > "$cache/$hash.br.part"
            mv "$cache/$hash.gz.part" "$cache/$hash.gz"
            mv "$cache/$hash.br.part" "$cache/$hash.br"
        fi
        cp "$cache/$hash.gz" "$f.gz"
        cp "$cache/$hash.br" "$f.br"
    done
}

# Serves a folder on 127.0.0.1 until stopped, and says where.
bexalo_web_serve() {
    echo "Serving bexalo; open the address below in a browser (Ctrl+C stops the server):"
    exec python3 "$BEXALO_ROOT/scripts/serve-web.py" "$1" "$2"
}
