#!/usr/bin/env bash
# tests/gnome/app-grid.bash OUT.png [--before]: starts a real GNOME Shell headless on private
# XDG folders, buses and GSettings (key file), with three programs' entries as Wine's menu builder
# makes them and the copies' entries and app folders as the desktop menu sync writes them for two
# categories, and takes a picture of the app grid. With --before, only the originals' entries and
# the user's own folder: the grid before classifying. Needs gnome-shell (Debian 12: 43) and
# dbus-x11; opt-in, about 10 s. Run it under tlock.
set -euo pipefail
out=$(realpath -m "$1")
before=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/gnome/gnome-session.bash
. "$here/gnome-session.bash"
tmp=$(mktemp -d)
trap 'kill "$(cat "$tmp/system.pid" 2>/dev/null)" 2>/dev/null || true; rm -rf "$tmp"' EXIT
gnome_private_session "$tmp"

prefix=$tmp/prefix
entry() { # FILE NAME WINDOWS-PATH [extra line]
    mkdir -p "$(dirname "$1")"
    printf '[Desktop Entry]\nName=%s\nExec=env WINEPREFIX="%s" wine "%s"\nType=Application\nStartupNotify=true\nIcon=wine\n%s' \
        "$2" "$prefix" "$3" "${4:-}" >"$1"
}
apps=$XDG_DATA_HOME/applications
programs='C:\\users\\ann\\Start Menu\\Programs'
for name in Writer Paint Chess; do
    entry "$apps/wine/Programs/Acme/$name.desktop" "$name" "$programs\\\\Acme\\\\$name.lnk"
done
mkdir -p "$apps/wine"
user_folder=/org/gnome/desktop/app-folders/folders/Utilities/
gsettings set org.gnome.desktop.app-folders.folder:$user_folder name 'Tools'
gsettings set org.gnome.desktop.app-folders.folder:$user_folder apps "['org.gnome.Settings.desktop']"
children="'Utilities'"
if [ "$before" != --before ]; then
    startmenu='C:\\users\\ann\\Start Menu'
    entry "$apps/wine/giochi/Chess.desktop" Chess "$startmenu\\\\giochi\\\\Chess.lnk" 'NotShowIn=GNOME;\n'
    entry "$apps/wine/grafica/Writer.desktop" Writer "$startmenu\\\\grafica\\\\Writer.lnk" 'NotShowIn=GNOME;\n'
    entry "$apps/wine/grafica/Paint.desktop" Paint "$startmenu\\\\grafica\\\\Paint.lnk" 'NotShowIn=GNOME;\n'
    for folder in "1 giochi Chess" "2 grafica Paint Writer"; do
        read -r k name programs_in <<<"$folder"
        id=Torvane-0123abcd-$k
        list=$(printf "'wine-Programs-Acme-%s.desktop'," $programs_in)
        gsettings set org.gnome.desktop.app-folders.folder:/org/gnome/desktop/app-folders/folders/$id/ name "$name"
        gsettings set org.gnome.desktop.app-folders.folder:/org/gnome/desktop/app-folders/folders/$id/ apps "[${list%,}]"
        children="$children, '$id'"
    done
fi
gsettings set org.gnome.desktop.app-folders folder-children "[$children]"

dbus-run-session -- bash -c '
    . "$1"
    gnome_shell_start "$2/shell.log"
    sleep 3
    grid_shot "$3"
    gnome_shell_stop' _ "$here/gnome-session.bash" "$tmp" "$out"
test -s "$out" || { head -40 "$tmp/shell.log"; exit 1; }
echo "$out"
