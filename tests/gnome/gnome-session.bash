# Sourced by the scripts that run a real GNOME Shell headless (tests/gnome/app-grid.bash,
# tests/gnome/program-trial.bash): private folders, buses and GSettings, the shell's start and the
# calls that look at it. Needs gnome-shell (Debian 12: 43) and dbus-x11.

# gnome_private_session TMP: HOME and the XDG folders below TMP, GSettings in a key file there
# (or in dconf's database there when GSETTINGS_BACKEND is dconf already),
# an empty system bus (the shell wants logind's and dies without one) and the user extension
# that opens Eval and Screenshot to other callers (GNOME 43 answers them only in unsafe mode).
# The caller stops the system bus: kill "$(cat TMP/system.pid)".
gnome_private_session() {
    local tmp=$1 ext
    export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data
    export XDG_CACHE_HOME=$tmp/cache XDG_RUNTIME_DIR=$tmp/run
    [ "${GSETTINGS_BACKEND:-}" = dconf ] || export GSETTINGS_BACKEND=keyfile
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
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
    ext=$XDG_DATA_HOME/gnome-shell/extensions/unsafe@tests.local
    mkdir -p "$ext"
    echo '{"uuid": "unsafe@tests.local", "name": "unsafe", "description": "tests", "shell-version": ["43"]}' >"$ext/metadata.json"
    echo 'function init() { return { enable() { global.context.unsafe_mode = true; }, disable() {} }; }' >"$ext/extension.js"
    [ "$GSETTINGS_BACKEND" = dconf ] || gnome_shell_settings
}

# The settings that enable the extension and spare the welcome dialog. With dconf (which, unlike
# the key file, merges the writes of several programs) only inside the session bus.
gnome_shell_settings() {
    gsettings set org.gnome.shell enabled-extensions "['unsafe@tests.local']"
    gsettings set org.gnome.shell welcome-dialog-last-shown-version '999'
}

# The result of JavaScript run in the shell, a string without its JSON quotes (empty when it
# fails).
shell_eval() {
    gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.gnome.Shell.Eval "$1" 2>/dev/null |
        sed -n "s/^(true, '\(.*\)')\$/\1/p" | sed 's/^"\(.*\)"$/\1/'
}

# gnome_shell_start LOG: starts the shell on the session bus (inside dbus-run-session) and shows
# its app grid; sets shell_pid.
gnome_shell_start() {
    gnome-shell --headless --virtual-monitor 1280x800 --wayland --no-x11 >"$1" 2>&1 &
    shell_pid=$!
    for _ in $(seq 60); do
        [ "$(shell_eval '!Main.layoutManager._startingUp')" = true ] && break
        sleep 0.5
    done
    sleep 1
    shell_eval 'Main.overview.dash.showAppsButton.checked = true' >/dev/null
}

# A picture of the screen: the app grid.
grid_shot() {
    gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell/Screenshot \
        --method org.gnome.Shell.Screenshot.Screenshot false false "$1" >/dev/null
}

# It ends with SIGSEGV when stopped; that is harmless here.
gnome_shell_stop() {
    kill "$shell_pid" 2>/dev/null || true
    wait "$shell_pid" 2>/dev/null || true
}
