#include "desktopmenu/GnomeAppFolders.h"

#include <algorithm>
#include <gio/gio.h>
#include <memory>
#include <mutex>

namespace tvn {

namespace {

constexpr const char* kFoldersSchema = "org.gnome.desktop.app-folders";
constexpr const char* kFolderSchema = "org.gnome.desktop.app-folders.folder";

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using Settings = std::unique_ptr<GSettings, GObjectUnref>;

struct StrvFree {
    void operator()(gchar** strings) const { g_strfreev(strings); }
};

QStringList readStrings(GSettings* settings, const char* key) {
    const std::unique_ptr<gchar*, StrvFree> strings(g_settings_get_strv(settings, key));
    QStringList list;
    for (gchar** s = strings.get(); *s; ++s)
        list << QString::fromUtf8(*s);
    return list;
}

void writeStrings(GSettings* settings, const char* key, const QStringList& list) {
    std::vector<QByteArray> bytes;
    for (const QString& s : list)
        bytes.push_back(s.toUtf8());
    std::vector<const gchar*> strings;
    for (const QByteArray& b : bytes)
        strings.push_back(b.constData());
    strings.push_back(nullptr);
    g_settings_set_strv(settings, key, strings.data());
}

QString readString(GSettings* settings, const char* key) {
    gchar* value = g_settings_get_string(settings, key);
    const QString text = QString::fromUtf8(value);
    g_free(value);
    return text;
}

Settings folderSettings(const QString& id) {
    const QByteArray path = "/org/gnome/desktop/app-folders/folders/" + id.toUtf8() + '/';
    return Settings(g_settings_new_with_path(kFolderSchema, path.constData()));
}

// GIO's backends watch their files from the main context that was their thread's default when
// they were made, and the key-file backend reloads there with no lock against a write from
// another thread: a folder the sync thread had just written could be lost, or the key file freed
// under it. So this class's settings work runs one at a time, under a main context of its own,
// which first takes in the changes its watches saw.
class OwnMainContext {
public:
    OwnMainContext()
        : lock_(mutex()) {
        g_main_context_push_thread_default(context());
        while (g_main_context_iteration(context(), FALSE)) {
        }
    }
    ~OwnMainContext() { g_main_context_pop_thread_default(context()); }
    OwnMainContext(const OwnMainContext&) = delete;
    OwnMainContext& operator=(const OwnMainContext&) = delete;

private:
    static GMainContext* context() {
        static GMainContext* const own = g_main_context_new();
        return own;
    }
    static std::mutex& mutex() {
        static std::mutex own;
        return own;
    }
    std::lock_guard<std::mutex> lock_;
};

} // namespace

bool GnomeAppFolders::available() {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source)
        return false;
    for (const char* id : {kFoldersSchema, kFolderSchema}) {
        GSettingsSchema* schema = g_settings_schema_source_lookup(source, id, TRUE);
        if (!schema)
            return false;
        g_settings_schema_unref(schema);
    }
    return true;
}

std::vector<AppFolder> GnomeAppFolders::read(const QString& idPrefix) {
    std::vector<AppFolder> folders;
    if (!available())
        return folders;
    const OwnMainContext context;
    const Settings grid(g_settings_new(kFoldersSchema));
    for (const QString& id : readStrings(grid.get(), "folder-children")) {
        if (!id.startsWith(idPrefix))
            continue;
        const Settings folder = folderSettings(id);
        folders.push_back(
            {id, readString(folder.get(), "name"), readStrings(folder.get(), "apps")});
    }
    return folders;
}

int GnomeAppFolders::sync(const QString& idPrefix, const std::vector<AppFolder>& folders,
                          AppFolderChange change) {
    if (!available())
        return 0;
    const OwnMainContext context;
    const bool keepFolders = change == AppFolderChange::KeepingShown;
    const bool keepPrograms = change != AppFolderChange::Exact;
    int changed = 0;
    const Settings grid(g_settings_new(kFoldersSchema));
    QStringList children = readStrings(grid.get(), "folder-children");
    QStringList removed;
    for (const QString& id : children) {
        const bool wanted = std::any_of(folders.begin(), folders.end(),
                                        [&](const AppFolder& folder) { return folder.id == id; });
        if (id.startsWith(idPrefix) && !wanted && !keepFolders)
            removed << id;
    }
    // The grid drops a folder before its settings go: an emptied folder still in the grid
    // breaks it.
    if (!removed.isEmpty()) {
        for (const QString& id : removed)
            children.removeAll(id);
        writeStrings(grid.get(), "folder-children", children);
    }
    for (const QString& id : removed) {
        const Settings folder = folderSettings(id);
        for (const char* key : {"name", "apps"})
            g_settings_reset(folder.get(), key);
        ++changed;
    }
    QStringList kept = children;
    for (const AppFolder& wanted : folders) {
        const Settings folder = folderSettings(wanted.id);
        const bool listed = children.contains(wanted.id);
        const QStringList shown = listed ? readStrings(folder.get(), "apps") : QStringList();
        QStringList apps = wanted.apps;
        if (keepPrograms) {
            for (const QString& app : shown)
                if (!apps.contains(app))
                    apps << app;
            apps.sort();
        }
        if (listed && readString(folder.get(), "name") == wanted.name && shown == apps)
            continue;
        g_settings_set_string(folder.get(), "name", wanted.name.toUtf8().constData());
        writeStrings(folder.get(), "apps", apps);
        if (!listed)
            kept << wanted.id;
        ++changed;
    }
    if (kept != children)
        writeStrings(grid.get(), "folder-children", kept);
    // Backends such as dconf write in the background: the sync ends with the settings written.
    g_settings_sync();
    return changed;
}

} // namespace tvn
