# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Sourced by scripts/web.sh and scripts/test-guide.sh, after scripts/setup.sh: the browsers and
# the node packages that the browser tests drive them with.

# The browsers the tests and the benchmark drive: Chromium, Firefox ESR and WebKitGTK (Safari's
# engine; its WebDriver drives its MiniBrowser), with the X server Firefox and WebKit draw on.
bexalo_web_browsers() {
    bexalo_install_packages chromium firefox-esr webkit2gtk-driver xvfb
}

# The node packages of tests/web (the benchmark uses them too), installed again only when the
# lock file changes.
bexalo_web_node_modules() {
    command -v npm > /dev/null || bexalo_install_packages npm
    local dir=$BEXALO_ROOT/tests/web
    if [ ! -f "$dir/node_modules/.bexalo-lock" ] || ! cmp -s "$dir/package-lock.json" "$dir/node_modules/.bexalo-lock"; then
        (cd "$dir" && npm ci --no-audit --no-fund --ignore-scripts)
        cp "$dir/package-lock.json" "$dir/node_modules/.bexalo-lock"
    fi
}
