#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The installable package: made by CPack from the build, unpacked into a scratch root with
# dpkg -x, its layout and metadata checked, then the installed program started through its link
# in bin: it opens the start window, its sound loads from its own folder, and "Esci" ends it.
source "$(dirname "$0")/lib.sh"

build=$(cd "$(dirname "$E2E_PROGRAM")" && pwd)
source_root=$(cd "$(dirname "$0")/../.." && pwd)
work="$E2E_ARTIFACTS/package"
rm -rf "$work"
mkdir -p "$work"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 \
    || e2e_fail "cpack failed: $(tail -n 20 "$work/cpack.log")"
debs=("$work"/bexalo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || e2e_fail "expected one bexalo_*.deb in $work"
deb=${debs[0]}
dpkg-deb -I "$deb" >"$work/info.txt"
dpkg-deb -c "$deb" >"$work/contents.txt"

# What a fresh machine needs to run it: the Qt 6 libraries it links, the platform plugins it
# loads, and the fonts its windows name. Qt Core's package is libqt6core6t64 from Debian 13 on
# (and Ubuntu 24.04), with 64-bit time.
depends=$(dpkg-deb -f "$deb" Depends)
for dep in 'libqt6core6(t64)?' libqt6gui6 libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins fonts-liberation2; do
    grep -qE "(^|, )$dep( |,|$)" <<<"$depends" || e2e_fail "Depends lacks $dep: $depends"
done

# Debian's own checker: no error and no warning (informational notes are allowed), and no
# maintainer scripts at all, since the package needs none.
lintian --fail-on error,warning "$deb" >"$work/lintian.txt" 2>&1 \
    || e2e_fail "lintian: $(grep -E '^[EW]: ' "$work/lintian.txt" || cat "$work/lintian.txt")"
grep -E '^[EW]: ' "$work/lintian.txt" && e2e_fail "lintian reports the lines above"
scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -vxE '\./|\./control|\./md5sums' || true)
[ -z "$scripts" ] || e2e_fail "the package carries maintainer scripts: $scripts"
summary=$(dpkg-deb -f "$deb" Description | sed -n 1p)
[ ${#summary} -lt 80 ] || e2e_fail "the description's first line has ${#summary} characters"
[ "$(dpkg-deb -f "$deb" Maintainer)" = "$(sed -n 's/^BEXALO_MAINTAINER:STRING=//p' "$build/CMakeCache.txt")" ] \
    || e2e_fail "the Maintainer field is not BEXALO_MAINTAINER: $(dpkg-deb -f "$deb" Maintainer)"

root="$work/root"
dpkg -x "$deb" "$root"

# The licence, the changelog of this version, the Italian manual page and the teacher's guide.
doc="$root/usr/share/doc/bexalo"
grep -qxF 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright" \
    || e2e_fail "no machine-readable copyright file"
grep -qxF 'License: GPL-3+' "$doc/copyright" || e2e_fail "the copyright file does not name GPL-3+"
changelog_version=$(zcat "$doc/changelog.gz" | head -n1 | sed -n 's/^bexalo (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$(dpkg-deb -f "$deb" Version)" ] \
    || e2e_fail "the changelog's latest entry is '$changelog_version', not the package version"
manpage="$root/usr/share/man/man6/bexalo.6.gz"
[ -f "$manpage" ] || e2e_fail "no manual page bexalo.6.gz"
zcat "$manpage" | grep -q '^\.SH OPZIONI' || e2e_fail "the manual page is not the Italian one"
# The teacher's guide, the page the build made (scripts/test-guide.sh opens the package's in a
# browser).
cmp -s "$doc/guida.html" "$build/guida.html" || e2e_fail "no teacher's guide guida.html, or not the one the build made"

# The real program and its sound side by side; bin/bexalo a relative link to the program.
program_dir="$root/usr/libexec/bexalo"
program="$program_dir/bexalo"
[ -f "$program" ] && [ ! -L "$program" ] && [ -x "$program" ] || e2e_fail "no executable at $program"
[ "$(head -c 4 "$program" | od -An -c | tr -d ' ')" = '177ELF' ] || e2e_fail "$program is not an ELF program"
cmp -s "$program_dir/positivo.wav" "$source_root/src/assets/positivo.wav" \
    || e2e_fail "positivo.wav beside the program is missing or not the program's sound"
link="$root/usr/bin/bexalo"
[ -L "$link" ] || e2e_fail "usr/bin/bexalo is not a link"
case $(readlink "$link") in /*) e2e_fail "usr/bin/bexalo points outside the package: $(readlink "$link")" ;; esac
[ "$(readlink -f "$link")" = "$(readlink -f "$program")" ] || e2e_fail "usr/bin/bexalo does not lead to $program"

# The menu entry and the software-centre entry, valid and pointing at the program and icon.
desktop="$root/usr/share/applications/bexalo.desktop"
[ -f "$desktop" ] || e2e_fail "no desktop entry"
out=$(desktop-file-validate "$desktop" 2>&1) || e2e_fail "desktop-file-validate: $out"
grep -qi warning <<<"$out" && e2e_fail "desktop-file-validate: $out"
for line in 'Exec=bexalo' 'Icon=bexalo' 'Categories=Education;Math;'; do
    grep -qxF "$line" "$desktop" || e2e_fail "desktop entry lacks $line"
done
metainfos=("$root"/usr/share/metainfo/*.metainfo.xml)
[ ${#metainfos[@]} -eq 1 ] && [ -f "${metainfos[0]}" ] || e2e_fail "expected one metainfo file"
metainfo=${metainfos[0]}
# Not a single issue of any kind, pedantic ones included.
out=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || e2e_fail "appstreamcli validate: $out"
grep -qE '^[EWIP]: ' <<<"$out" && e2e_fail "appstreamcli validate --pedantic: $out"
grep -qF '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || e2e_fail "metainfo names no licence"
grep -qF '<launchable type="desktop-id">bexalo.desktop</launchable>' "$metainfo" \
    || e2e_fail "metainfo does not launch bexalo.desktop"
release=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n1 | cut -d'"' -f2)
[ "$release" = "$(dpkg-deb -f "$deb" Version)" ] \
    || e2e_fail "metainfo's latest release $release is not the package version $(dpkg-deb -f "$deb" Version)"

# The triangle at every size, drawn at that size: transparent corner, blue bottom row.
for side in 16 32 48 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${side}x${side}/apps/bexalo.png"
    [ -f "$icon" ] || e2e_fail "no ${side}px icon"
    [ "$(identify -format '%w %h' "$icon")" = "$side $side" ] \
        || e2e_fail "${side}px icon is $(identify -format '%wx%h' "$icon")"
    [ "$(convert "$icon" -format '%[fx:p{0,0}.a]' info:)" = 0 ] || e2e_fail "${side}px icon: corner not transparent"
    bottom=$(convert "$icon" -format "%[hex:p{$((side / 2)),$((side - 1))}]" info: | cut -c 1-6)
    [ "$bottom" = 0000FF ] || e2e_fail "${side}px icon: bottom middle is #$bottom, not the blue triangle"
done

# The installed program, started as the menu starts it: through the link in bin.
e2e_start_x
E2E_PROGRAM=$link
e2e_start_app 2>"$work/program-stderr.txt"
start=$(e2e_wait_window "ORVENTA")

# The program takes its folder from its real executable, the link resolved; the sound in that
# folder must load through the program's own sound code.
running=$(readlink "/proc/$E2E_APP_PID/exe")
[ "$running" = "$(readlink -f "$program")" ] || e2e_fail "the running program is $running, not the installed one"
[ -x "$build/sound_ready" ] || e2e_fail "sound_ready is not built in $build"
"$build/sound_ready" "$(dirname "$running")/positivo.wav" >"$work/sound.txt" 2>&1 \
    || e2e_fail "the sound beside the installed program does not load: $(cat "$work/sound.txt")"

e2e_wait_curtains_open "$start"
e2e_shot_window installed-start "$start"
e2e_activate "$start"
# "Esci": 7815,5700 twips, 3195 x 915 -> its centre at (627, 410) pixels.
e2e_click "$start" 627 410
if ! e2e_wait_exit; then
    e2e_fail "the installed bexalo did not exit with status 0"
fi
echo "e2e_package: passed ($(basename "$deb"))"
