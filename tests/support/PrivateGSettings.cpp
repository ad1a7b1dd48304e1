#include <cstdlib>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

// Every test process keeps GSettings in a key file of its own, before GLib reads the
// environment: the desktop menu sync writes GNOME's app folders, and must not write the user's
// nor those of a test running beside. Child processes (the program, gsettings) inherit it.

namespace {

struct PrivateGSettings {
    PrivateGSettings() {
        qputenv("GSETTINGS_BACKEND", "keyfile");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    }
    QTemporaryDir home;
};

const PrivateGSettings privateGSettings;

} // namespace
