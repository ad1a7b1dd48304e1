#include "tidy/Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#ifdef _WIN32
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>
#endif

namespace tvn {

#ifdef _WIN32

QString autostartEntryPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation))
        .filePath(QStringLiteral("Startup/Torvane tidy.lnk"));
}

bool setAutostart(bool enabled, const QString& executable, const QString& programFolder) {
    const QString path = autostartEntryPath();
    if (!enabled)
        return !QFileInfo::exists(path) || QFile::remove(path);
    const HRESULT initialized = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* link = nullptr;
    bool saved = false;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        const QString target = QDir::toNativeSeparators(executable);
        const QString folder = QDir::toNativeSeparators(programFolder);
        link->SetPath(reinterpret_cast<const wchar_t*>(target.utf16()));
        link->SetArguments(L"tidy --watch");
        link->SetWorkingDirectory(reinterpret_cast<const wchar_t*>(folder.utf16()));
        link->SetShowCmd(SW_SHOWMINNOACTIVE);
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            const QString native = QDir::toNativeSeparators(path);
            saved = SUCCEEDED(file->Save(reinterpret_cast<const wchar_t*>(native.utf16()), TRUE));
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(initialized))
        CoUninitialize();
    return saved;
}

#else

QString autostartEntryPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("autostart/" TORVANE_DESKTOP_ID ".Tidy.desktop"));
}

namespace {

// An argument of Exec as the desktop entry rules quote it, then escaped as any string value.
QString execArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool plain = !argument.isEmpty();
    for (const QChar c : argument)
        plain = plain && !reserved.contains(c);
    QString quoted = argument;
    if (!plain) {
        quoted.clear();
        for (const QChar c : argument) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                quoted += u'\\';
            quoted += c;
        }
        quoted = u'"' + quoted + u'"';
    }
    quoted.replace(u'%', QStringLiteral("%%"));
    return quoted.replace(u'\\', QStringLiteral("\\\\"));
}

// A string value: backslashes and line ends escaped.
QString entryValue(QString value) {
    return value.replace(u'\\', QStringLiteral("\\\\")).replace(u'\n', QStringLiteral("\\n"));
}

} // namespace

QByteArray autostartDesktopEntry(const QString& executable, const QString& programFolder) {
    const QString text =
        QStringLiteral("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Torvane tidy\n"
                       "Name[fr]=Rangement Torvane\n"
                       "Name[it]=Riordino Torvane\n"
                       "Comment=Files new programs of the Start Menu by themselves when sure\n"
                       "Comment[fr]=Classe d\u2019eux-m\u00eames les nouveaux programmes du menu "
                       "D\u00e9marrer quand c\u2019est s\u00fbr\n"
                       "Comment[it]=Classifica da soli i nuovi programmi del menu Start quando "
                       "\u00e8 sicuro\n"
                       "Exec=%1 tidy --watch\n"
                       "Path=%2\n"
                       "Icon=" TORVANE_DESKTOP_ID "\n"
                       "Terminal=false\n"
                       "NoDisplay=true\n"
                       "X-GNOME-Autostart-enabled=true\n")
            .arg(execArgument(executable), entryValue(programFolder));
    return text.toUtf8();
}

bool setAutostart(bool enabled, const QString& executable, const QString& programFolder) {
    const QString path = autostartEntryPath();
    if (!enabled)
        return !QFileInfo::exists(path) || QFile::remove(path);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(autostartDesktopEntry(executable, programFolder));
    return file.commit();
}

#endif

bool autostartEnabled() {
    return QFileInfo::exists(autostartEntryPath());
}

} // namespace tvn
