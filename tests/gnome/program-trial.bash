#!/usr/bin/env bash
# tests/gnome/program-trial.bash BUILD_DIR OUT_DIR [COUNT]: the staged program, driven as a user
# drives it (xdotool on Xvfb), beside a real GNOME Shell run headless on the same private folders
# and GSettings (dconf). The prefix is made by wineboot -i (or copied from TRIAL_PREFIX, one made
# so), its .update-timestamp then naming another Wine; its Programs folder gets COUNT (default
# 200) shortcuts without entries of Wine's own, each to a program of its own (Wine's own programs,
# linked under Program Files) and some with an icon location. The steps: all classified into the
# first category and Done, the category renamed, a copy removed, RESET (looked at while its box is
# still open), Ctrl+Z. After each it waits for the desktop menu on disk (every copy's entry in the
# category's submenu, each with an icon file, and GNOME's app folder) and for the app grid to
# show it (the folder with every program, nothing of Wine's loose), prints both delays from the
# click, and saves a picture of the grid and of the window in OUT_DIR. Every process the program
# starts is traced: no Wine may run (a logging wine, wine64, wineserver and wineboot come first on
# the PATH as well), and the prefix's .update-timestamp and registry files must keep their bytes.
# Needs gnome-shell, dbus-x11, Wine, strace, Xvfb, xdotool, ImageMagick; about two minutes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "$1" && pwd)
out=$(realpath -m "$2")
count=${3:-200}
if [ -z "${TRIAL_SESSION:-}" ]; then
    mkdir -p "$out"
    tmp=$(mktemp -d "${TMPDIR:-/tmp}/torvane-trial.XXXXXX")
    export TRIAL_SESSION=$tmp
    # The shell writes its own settings too (the grid's layout): with a shared key file each
    # program writes the whole file, and one would undo the other's changes.
    export GSETTINGS_BACKEND=dconf
    # shellcheck source=tests/gnome/gnome-session.bash
    . "$here/gnome-session.bash"
    gnome_private_session "$tmp"
    status=0
    dbus-run-session -- "$0" "$@" || status=$?
    kill "$(cat "$tmp/system.pid")" 2>/dev/null || true
    if [ "$status" = 0 ]; then rm -rf "$tmp"; else echo "kept: $tmp" >&2; fi
    exit "$status"
fi
tmp=$TRIAL_SESSION
me="program-trial"
# shellcheck source=tests/gnome/gnome-session.bash
. "$here/gnome-session.bash"
# shellcheck source=tools/screenshots/xsession.bash
. "$root/tools/screenshots/xsession.bash"
require_session "$build"
controls=$out/controls.txt
log=$out/torvane.log
apps=$XDG_DATA_HOME/applications

now_ms() {
    local us=${EPOCHREALTIME/[.,]/}
    echo $((us / 1000))
}

# --- The prefix ---------------------------------------------------------------------------
prefix=$tmp/prefix
if [ -n "${TRIAL_PREFIX:-}" ]; then
    cp -a "$TRIAL_PREFIX" "$prefix"
else
    (unset DISPLAY && WINEPREFIX=$prefix WINEDEBUG=-all \
        WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d" wineboot -i &&
        WINEPREFIX=$prefix wineserver -w) >"$out/wineboot.log" 2>&1
fi
echo 1234567890 >"$prefix/.update-timestamp"
user=$(find "$prefix/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public -printf '%f\n' | head -1)
start_menu="$prefix/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu"
sources=(notepad winemine taskmgr winefile winecfg winhlp32 iexplore cmd msiexec)
list=$tmp/shortcuts.txt
: >"$list"
for ((n = 1; n <= count; n++)); do
    vendor="Vendor $((n % 20))"
    name=$(printf 'App %03d' "$n")
    program=$(printf 'app%03d.exe' "$n")
    mkdir -p "$start_menu/Programs/$vendor" "$prefix/drive_c/Program Files/$vendor"
    ln "$prefix/drive_c/windows/system32/${sources[n % ${#sources[@]}]}.exe" \
        "$prefix/drive_c/Program Files/$vendor/$program"
    icon=""
    ((n % 10 == 0)) && icon='%SystemRoot%\system32\winemine.exe'
    printf '%s\t%s\t%s\n' "$start_menu/Programs/$vendor/$name.lnk" \
        "C:\\Program Files\\$vendor\\$program" "$icon" >>"$list"
done
"$here/write-shortcuts.py" <"$list"
prefix_sums() {
    (cd "$prefix" && sha256sum .update-timestamp ./*.reg)
}
prefix_before=$(prefix_sums)

# A logging stand-in for each Wine program, first on the PATH.
wrappers=$tmp/wrappers
mkdir -p "$wrappers"
for tool in wine wine64 wineserver wineboot winemenubuilder; do
    printf '#!/bin/sh\necho "$0 $*" >>"%s"\nexit 1\n' "$out/wine-starts.log" >"$wrappers/$tool"
    chmod +x "$wrappers/$tool"
done
rm -f "$out/wine-starts.log"

# --- What the desktop menu and the grid show ----------------------------------------------
# The copies' entries on disk: "CATEGORY N" when every entry outside Wine's Programs submenu lies
# in the submenu CATEGORY, N of them, each naming an icon file that exists, and GNOME's app
# folders hold that one category with N programs; "none" when there are no entries and no
# folders; anything else says what is wrong.
menu_on_disk() {
    local entries folder names="" extra="" submenus missing ids shown
    ids=$(cd "$apps" 2>/dev/null && find . -name '*.desktop' | sed 's|^\./||; s|/|-|g')
    for folder in $(gsettings get org.gnome.desktop.app-folders folder-children | grep -o "Torvane-[^']*"); do
        folder=org.gnome.desktop.app-folders.folder:/org/gnome/desktop/app-folders/folders/$folder/
        shown=$(gsettings get "$folder" apps | grep -o "'[^']*\.desktop'" | tr -d "'" |
            grep -cxF -f <(echo "$ids") || true)
        [ "$shown" = 0 ] || names+="$(gsettings get "$folder" name | tr -d "'") $shown "
    done
    entries=$(find "$apps/wine" -path "$apps/wine/Programs" -prune -o -name '*.desktop' -print 2>/dev/null)
    if [ -z "$entries" ]; then
        echo "none${names:+ folders $names}"
        return
    fi
    submenus=$(sed 's|/[^/]*$||' <<<"$entries" | sort -u | wc -l)
    [ "$submenus" = 1 ] || extra+="in $submenus submenus "
    missing=$(comm -23 <(find "$apps/wine" -path "$apps/wine/Programs" -prune -o -name '*.desktop' \
        -exec sed -n 's/^Icon=//p' {} + | sort -u) \
        <(find "$XDG_DATA_HOME/icons" -name '*.png' -printf '%f\n' 2>/dev/null | sed 's/\.png$//' | sort -u) | wc -l)
    [ "$missing" = 0 ] || extra+="$missing icons without a file "
    missing=$(find "$apps/wine" -path "$apps/wine/Programs" -prune -o -name '*.desktop' -print0 |
        xargs -0 grep -L '^Icon=' | wc -l)
    [ "$missing" = 0 ] || extra+="$missing without an icon "
    echo "$(basename "$(sed 's|/[^/]*$||' <<<"$entries" | head -1)") $(wc -l <<<"$entries") ${extra}folders $names"
}

# The grid: each of the program's app folders with its name and the programs it shows, then any
# of Wine's entries loose in the grid.
grid_state() {
    shell_eval "(() => { const d = Main.overview._overview._controls._appDisplay;
        return d.getAllItems().filter(i => i.visible).map(i => i.view
            ? (i.id.startsWith('Torvane-') ? i.name + ' ' + i.view.getAllItems().length : '')
            : (i.id.startsWith('wine-') ? 'loose ' + i.id : '')).filter(s => s).join(' '); })()"
}

# Sets entry_count to the number of copies' entries on disk, counted without starting a process:
# the full look (menu_on_disk) starts dozens, and while it polls it would slow the program down.
count_entries() {
    local entries
    shopt -s nullglob
    entries=("$apps"/wine/*/*.desktop)
    shopt -u nullglob
    entry_count=${#entries[@]}
}

# expect NAME WANTED_DISK WANTED_GRID CLICK_MS: waits (until 20 s after the click) for the disk,
# then for the grid, and prints their delays from the click.
expect() {
    local name=$1 disk=$2 grid=$3 click=$4 disk_ms="" grid_ms="" state="" shown="" loose="" wanted
    wanted=${disk#* }
    wanted=${wanted%% *}
    [ "$disk" = none ] && wanted=0
    while (($(now_ms) - click < 20000)); do
        count_entries
        if [ -z "$disk_ms" ] && [ "$entry_count" != "$wanted" ]; then
            sleep 0.02
            continue
        fi
        state=$(menu_on_disk)
        [ -z "$disk_ms" ] && [ "$state" = "$disk" ] && disk_ms=$(($(now_ms) - click))
        shown=$(grid_state)
        [[ $shown == *loose* ]] && loose=" (meanwhile loose: ${shown#*loose })"
        if [ -n "$disk_ms" ] && [ "$shown" = "$grid" ]; then
            grid_ms=$(($(now_ms) - click))
            break
        fi
        sleep 0.05
    done
    grid_shot "$out/grid-$name.png"
    "$import" -window root "$out/window-$name.png"
    echo "$name: menu on disk after ${disk_ms:-?} ms, grid after ${grid_ms:-?} ms$loose (disk: $state; grid: $shown)"
    [ -n "$grid_ms" ] || die "$name: wanted disk '$disk' and grid '$grid'"
}

# --- The run ------------------------------------------------------------------------------
gnome_shell_settings
gnome_shell_start "$out/shell.log"
grid_shot "$out/grid-before.png"

program_folder=$tmp/program
fresh_program "$build" "$program_folder"
start_display
locate_controls "$build" "$program_folder" 0 "$out/locate.log"
# strace (6.1) lets a new thread's calls pass its filter unstopped only once one of them has
# been stopped by it; until then it stops the thread at every call. Every thread calls
# set_robust_list as it starts: traced as well, it keeps the threads (the desktop menu's sync
# among them) from running several times slower than without strace.
(cd "$program_folder" && exec env PATH="$wrappers:$PATH" WINEPREFIX="$prefix" QT_QPA_PLATFORM=xcb \
    strace -f -qq --seccomp-bpf -e trace=execve,execveat,set_robust_list -o "$out/execve.log" \
    ./torvane) \
    >"$log" 2>&1 &
tracer=$!
for _ in $(seq 50); do
    program_pid=$(pgrep -P "$tracer" -f torvane || true)
    [ -n "$program_pid" ] && break
    sleep 0.1
done
settle() {
    local last=-1 now quiet=0
    sleep 0.2
    while [ "$quiet" -lt 3 ]; do
        now=$(awk '{ print $14 + $15 }' "/proc/$program_pid/stat")
        if [ "$now" = "$last" ]; then quiet=$((quiet + 1)); else quiet=0 last=$now; fi
        sleep 0.1
    done
}
await() {
    local id
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1 || true)
        [ -n "$id" ] && [ "$id" != "${2:-}" ] && { echo "$id"; return; }
        sleep 0.1
    done
    die "no window '$1'"
}
answer() {
    local box
    box=$(await "$1")
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    xdotool key --clearmodifiers "$2"
    settle
}

about=$(await '^About$')
settle
xdotool mousemove --window "$about" 134 250 click 1
window=$(await '^TORVANE$')
settle
click englishOption
key Return
key Return
xdotool keydown Return
sleep 1
xdotool keyup Return
settle
expect start "none" "" "$(now_ms)"

key Return
xdotool mousemove --window "$window" $(where unclassifiedList.row0) click 1
settle
key shift+End
click categoryButton0
"$import" -window root "$out/window-classified.png"
xdotool mousemove --window "$window" $(where creationDoneButton)
click_ms=$(now_ms)
xdotool click 1
expect classified "games $count folders games $count " "games $count" "$click_ms"

key Return
xdotool mousemove --window "$window" $(where categoryButton0) click 3
sleep 1
key Down
key Return
dialog=$(await 'Torvane v1.23')
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 favourites
xdotool key --clearmodifiers Return
question=$(await 'Torvane v1.23' "$dialog")
xdotool windowfocus --sync "$question" 2>/dev/null || true
click_ms=$(now_ms)
xdotool key --clearmodifiers Return
expect renamed "favourites $count folders favourites $count " "favourites $count" "$click_ms"
key Escape

click modifyButton
xdotool mousemove --window "$window" $(where removeButton)
click_ms=$(now_ms)
xdotool click 1
settle
click modifyDoneButton
left=$((count - 1))
expect removed "favourites $left folders favourites $left " "favourites $left" "$click_ms"

click resetButton
caution=$(await 'Caution!')
xdotool windowfocus --sync "$caution" 2>/dev/null || true
click_ms=$(now_ms)
xdotool key --clearmodifiers Return
expect reset "none" "" "$click_ms"
answer 'Torvane v1.23' Return

xdotool windowfocus --sync "$window" 2>/dev/null || true
click_ms=$(now_ms)
key ctrl+z
expect undone "favourites $left folders favourites $left " "favourites $left" "$click_ms"
answer 'Torvane v1.23' Return

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --clearmodifiers Escape
for _ in $(seq 100); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
    "$import" -window root "$out/window-end.png"
    kill "$program_pid"
    gnome_shell_stop
    die "the program did not end on Escape (see $out/window-end.png)"
fi
wait "$tracer" || true
program_pid=""
gnome_shell_stop

# --- Wine and the prefix ------------------------------------------------------------------
echo "processes the program started (execve):"
grep -v -e '--- \|+++ ' "$out/execve.log" | grep execve | sed 's/^/  /'
started=$(grep -c 'execve(' "$out/execve.log" || true)
[ "$started" = 1 ] || die "the program started other processes (see $out/execve.log)"
[ ! -s "$out/wine-starts.log" ] || die "a Wine program was started: $(cat "$out/wine-starts.log")"
[ "$(prefix_sums)" = "$prefix_before" ] || die "the prefix changed: $(diff <(echo "$prefix_before") <(prefix_sums))"
echo "$me: passed; the prefix's stamp and registry files kept their bytes; pictures in $out"
