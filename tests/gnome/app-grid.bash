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
tmp=$(mktemp -d)
trap 'kill "$(cat "$tmp/system.pid" 2>/dev/null)" 2>/dev/null || true; rm -rf "$tmp"' EXIT
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data
export XDG_CACHE_HOME=$tmp/cache XDG_RUNTIME_DIR=$tmp/run GSETTINGS_BACKEND=keyfile
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# The shell wants a system bus (logind); an empty private one serves.
cat >"$tmp/system.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>custom</type><listen>unix:path=$tmp/system_bus</listen><auth>EXTERNAL</auth>
<policy context="default"><allow user="*"/><allow send_destination="*" eavesdrop="true"/>
<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>
CONF
dbus-daemon --config-file="$tmp/system.conf" --fork --print-pid >"$tmp/system.pid"
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$tmp/system_bus
gdbus call --system --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.ListNames >/dev/null

# GNOME 43 answers Eval and Screenshot to other callers only in unsafe mode.
ext=$XDG_DATA_HOME/gnome-shell/extensions/unsafe@tests.local
mkdir -p "$ext"
echo '{"uuid": "unsafe@tests.local", "name": "unsafe", "description": "tests", "shell-version": ["43"]}' >"$ext/metadata.json"
echo 'function init() { return { enable() { global.context.unsafe_mode = true; }, disable() {} }; }' >"$ext/extension.js"
gsettings set org.gnome.shell enabled-extensions "['unsafe@tests.local']"
gsettings set org.gnome.shell welcome-dialog-last-shown-version '999'

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
    gnome-shell --headless --virtual-monitor 1280x800 --wayland --no-x11 >"'"$tmp"'/shell.log" 2>&1 &
    shell=$!
    call() { gdbus call --session --dest org.gnome.Shell --object-path "$@"; }
    for _ in $(seq 60); do
        call /org/gnome/Shell --method org.gnome.Shell.Eval "!Main.layoutManager._startingUp" \
            2>/dev/null | grep -q "'true'" && break
        sleep 0.5
    done
    sleep 1
    call /org/gnome/Shell --method org.gnome.Shell.Eval "Main.overview.dash.showAppsButton.checked = true"
    sleep 3
    call /org/gnome/Shell/Screenshot --method org.gnome.Shell.Screenshot.Screenshot false false "'"$out"'"
    kill $shell; wait $shell 2>/dev/null || true'
test -s "$out" || { head -40 "$tmp/shell.log"; exit 1; }
echo "$out"
