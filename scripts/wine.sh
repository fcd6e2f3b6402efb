# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Sourced by the Windows scripts and tests: Wine (64-bit only, as Debian's wine64 ships it) in
# prefixes of bexalo's own, never the user's ~/.wine.
#
#   bexalo_wine_prefix PREFIX   creates PREFIX once (safe when several tests start together)
#   bexalo_wine ARGS...         runs wine64 in $WINEPREFIX
#   bexalo_wine_unit_prefix BUILD / bexalo_wine_e2e_prefix BUILD
#                               the prefixes of a Windows build folder: the unit tests' and
#                               the end-to-end tests'
#
# Every prefix made here runs without the Mono and Gecko prompts and without Wine's menu
# builder, which would otherwise copy Start-menu entries into the Linux desktop's menus; and it
# maps Arial, Times New Roman and MS Sans Serif to the Liberation fonts, as Windows' own fonts
# stand in for them there, so screenshots look as they do on Windows.

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64

# The 64-bit loader: Debian puts it outside PATH, and its "wine" wrapper asks for wine32.
bexalo_wine_binary() {
    if command -v wine64 >/dev/null; then
        command -v wine64
    elif [ -x /usr/lib/wine/wine64 ]; then
        echo /usr/lib/wine/wine64
    else
        echo wine
    fi
}

bexalo_wine() {
    "$(bexalo_wine_binary)" "$@"
}

bexalo_wineserver() {
    local server
    server=$(command -v wineserver || true)
    [ -n "$server" ] || [ ! -x /usr/lib/wine/wineserver ] || server=/usr/lib/wine/wineserver
    "${server:-wineserver}" "$@"
}

bexalo_wine_unit_prefix() {
    echo "$(realpath -m "$1")/wine"
}

bexalo_wine_e2e_prefix() {
    echo "$(realpath -m "$1")/wine-e2e"
}

bexalo_wine_prefix() {
    local prefix
    prefix=$(realpath -m "$1")
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        [ -f "$prefix/.bexalo-ready" ] && exit 0
        rm -rf "$prefix"
        local log=$prefix.wineboot.log
        if ! WINEPREFIX=$prefix bexalo_wine wineboot --init >"$log" 2>&1; then
            echo "wineboot failed to make the Wine prefix $prefix:" >&2
            cat "$log" >&2
            exit 1
        fi
        rm -f "$log"
        local reg=$prefix/bexalo-fonts.reg
        printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
            '"Arial"="Liberation Sans"' '"Times New Roman"="Liberation Serif"' \
            '"MS Sans Serif"="Liberation Sans"' '' >"$reg"
        WINEPREFIX=$prefix bexalo_wine regedit /S 'Z:'"${reg//\//\\}" >/dev/null 2>&1
        rm -f "$reg"
        WINEPREFIX=$prefix bexalo_wineserver -w
        touch "$prefix/.bexalo-ready"
    ) 9>"$prefix.lock"
}
