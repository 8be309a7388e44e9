#!/usr/bin/env bash
# Builds the program and retakes every screenshot in docs/screenshots from the
# real windows, on a virtual X server of its own: the README's states, then
# the main and About windows at desktop fonts of 9, 11 and 14 pt in GTK's
# light and dark Adwaita, as Qt's gtk3 platform theme hands them over.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/lib/prerequisites.sh

ensure_packages "${BUILD_PACKAGES[@]}" xvfb xauth qt6-gtk-platformtheme
cmake --preset testing
cmake --build --preset testing --target vantelix-screenshots
shoot() {
    QT_QPA_PLATFORM=xcb xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
        build/testing/tools/screenshots/vantelix-screenshots docs/screenshots "$@"
}
shoot

settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
mkdir -p "$settings/gtk-3.0"
for size in 9 11 14; do
    for theme in light dark; do
        printf '[Settings]\ngtk-font-name=Sans %s\n' "$size" >"$settings/gtk-3.0/settings.ini"
        gtk_theme=Adwaita
        [ "$theme" = dark ] && gtk_theme=Adwaita:dark
        XDG_CONFIG_HOME="$settings" GTK_THEME="$gtk_theme" QT_QPA_PLATFORMTHEME=gtk3 shoot "${size}pt-$theme"
    done
done
