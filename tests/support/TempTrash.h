#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

namespace tvn::test {

// A desktop trash of the test's own: while it lives, XDG_DATA_HOME names a temporary folder, so
// the files the program moves to the trash land there and never in the user's trash. The folder
// lies beside the test's other temporary folders, on the same disk, as a trash must.
class TempTrash {
public:
    TempTrash();
    ~TempTrash();
    TempTrash(const TempTrash&) = delete;
    TempTrash& operator=(const TempTrash&) = delete;

    // The names of the files the trash holds, and of its records of them.
    QStringList files() const;
    QStringList records() const;
    QString filesFolder() const;

private:
    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_ = false;
};

} // namespace tvn::test
