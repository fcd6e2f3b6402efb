# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Sourced by ./package-web: the web build's own steps beside the shared cross-build ones in
# crossqt.sh. Debian's emscripten lives under /usr/share/emscripten, while Qt looks for an SDK
# through $EMSDK; a small SDK-shaped folder of links in the cache bridges the two.
set -euo pipefail
# shellcheck source=crossqt.sh
source "$(dirname "${BASH_SOURCE[0]}")/crossqt.sh"

# What the web build needs besides bexalo_build_packages: the compiler, its JavaScript runtime,
# and the page's tools (scripts/web-onefile.py, the precompressed twins).
# shellcheck disable=SC2034 # for the scripts that source this one
bexalo_web_packages=(emscripten nodejs python3 brotli zopfli)

# Emscripten's JavaScript optimizer loads Debian's acorn module, which a node from elsewhere
# would not find on its own.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

# Makes (once) the SDK-shaped folder and exports EMSDK pointing at it.
bexalo_fake_emsdk() {
    local sdk=$BEXALO_CACHE/emsdk
    local root=$sdk/upstream/emscripten
    if [ ! -f "$sdk/.complete" ]; then
        rm -rf "$sdk"
        mkdir -p "$root"
        local f
        for f in /usr/share/emscripten/* /usr/share/emscripten/.emscripten; do
            ln -s "$f" "$root/$(basename "$f")"
        done
        for f in emcc em++ emar emranlib; do
            ln -sf "/usr/bin/$f" "$root/$f"
        done
        echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" > "$sdk/.emscripten"
        touch "$sdk/.complete"
    fi
    export EMSDK=$sdk
}

# What only the web Qt needs: the platform, no threads (a static page cannot send the headers
# shared memory needs), small code, and what the program never uses: image formats, text
# converters and parsers (every text it shows is plain), style sheets, MIME types, gestures,
# date editing and the widgets and dialogs it has none of. The browser tests say whether a
# switch is safe.
bexalo_web_qt_options=(
    -platform wasm-emscripten -no-feature-thread -optimize-size
    -no-feature-jpeg -no-feature-gif -no-feature-ico
    -no-feature-textodfwriter -no-feature-textmarkdownreader -no-feature-textmarkdownwriter
    -no-feature-texthtmlparser -no-feature-cssparser -no-feature-style-stylesheet
    -no-feature-mimetype -no-feature-gestures
    -no-feature-datetimeparser -no-feature-datetimeedit -no-feature-calendarwidget
    -no-feature-dockwidget -no-feature-tableview -no-feature-mdiarea -no-feature-undoview
    -no-feature-fontcombobox -no-feature-colordialog -no-feature-filedialog -no-feature-fontdialog
    -no-feature-wizard -no-feature-inputdialog -no-feature-progressdialog -no-feature-errormessage
    -no-feature-splashscreen
)

# Builds (or finds) the web Qt; sets BEXALO_CROSS_QT to its prefix. Emscripten's version and the
# patches in packaging/web/qt/ (each says why at its top) are part of the cache key.
bexalo_web_qt() {
    bexalo_fake_emsdk
    local compiler
    compiler=$(emcc --version) || bexalo_fail "emscripten's emcc does not run"
    bexalo_cross_qt_toolchain_id=${compiler%%$'\n'*}
    bexalo_cross_qt_patches=()
    local p
    for p in "$BEXALO_ROOT"/packaging/web/qt/*.patch; do
        [ -f "$p" ] && bexalo_cross_qt_patches+=("$p")
    done
    bexalo_cross_qt wasm "${bexalo_web_qt_options[@]}"
}
