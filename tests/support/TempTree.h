#pragma once

#include <map>
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace tvn::test {

// `relative` ('/'-separated) below `folder`, in the form the program builds paths; the folder
// itself when `relative` is empty.
QString below(const QString& folder, const QString& relative);

// A real temporary folder that tests fill with files and compare before and after.
class TempTree {
public:
    TempTree();

    // The absolute path of the root, or of `relative` ('/'-separated) below it, in the form the
    // program builds paths: the platform's separator throughout.
    QString path(const QString& relative = {}) const;

    // Creates the file (and its folders) with the given content.
    void write(const QString& relative, const QByteArray& content = "shortcut");
    void makeFolder(const QString& relative);
    bool exists(const QString& relative) const;
    QByteArray read(const QString& relative) const;

    // Every file and folder below `relative` with its content (folders map to "<dir>"),
    // keyed by the path relative to it: equal snapshots mean an untouched tree.
    std::map<QString, QByteArray> snapshot(const QString& relative = {}) const;

private:
    QTemporaryDir dir_;
};

} // namespace tvn::test
