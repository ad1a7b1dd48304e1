#pragma once

#include "store/UndoJournal.h"

#include <optional>
#include <QSet>
#include <QString>
#include <QStringList>

namespace tvn {

class FileSystem;

// The tidy's file in the program folder: the shortcuts each Start Menu's Programs trees held at
// its last tidy (a shortcut is new when it was not there: one the user left unclassified, or
// took back, is never filed behind their back), and the last tidy that filed something, for
// its Undo in the window or the notification.
inline constexpr auto kTidyFileName = u"Tidy.json";

// A tidy that filed something: its changes as the undo journal recorded them, and a line per
// shortcut filed ("Name → Category").
struct LastTidy {
    QString startMenu;
    UndoEntry entry;
    QStringList filed;
};

class TidyRecord {
public:
    TidyRecord(FileSystem& fs, QString programFolder);

    // The shortcuts (full paths, letter case folded) the Programs trees of `startMenu` held at
    // its last tidy; nothing when it was never tidied.
    std::optional<QSet<QString>> seen(const QString& startMenu) const;
    void setSeen(const QString& startMenu, const QSet<QString>& shortcuts);

    std::optional<LastTidy> lastTidy() const;
    void setLastTidy(const std::optional<LastTidy>& tidy);

    // False when the file could not be written.
    bool save();

private:
    FileSystem& fs_;
    QString path_;
    QByteArray content_;
};

} // namespace tvn
