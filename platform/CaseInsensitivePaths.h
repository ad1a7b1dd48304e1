#pragma once

#include <optional>
#include <QByteArray>
#include <QString>
#include <QStringView>

// Windows looks names up without regard to letter case; a Linux file system does not. These
// helpers find the entry a Windows program would reach: each path is tried exactly first, and
// only when that fails is each name matched among its folder's entries ignoring case.
namespace tvn::posix {

// Names on a Linux disk are bytes, which the program spells as text. A name that is not valid
// UTF-8 (a Latin-1 name unpacked from an old archive) keeps each byte that does not decode as
// the code point U+DC00 + byte (U+DC80 to U+DCFF), which valid UTF-8 never decodes to on its
// own: encoding the text gives back the very same bytes, so such a file is listed, copied and
// removed under its own name.
QString decodeName(const char* bytes, qsizetype size);
inline QString decodeName(const QByteArray& bytes) {
    return decodeName(bytes.constData(), bytes.size());
}
// The bytes of a name or path as decodeName spells it.
QByteArray encodeName(QStringView text);

QByteArray joinNative(const QByteArray& folder, const QByteArray& name);

// The on-disk spelling of an existing path, or nothing when no entry matches.
std::optional<QByteArray> resolveExisting(const QByteArray& path);

// An entry that an operation creates or replaces.
struct Target {
    QByteArray path;   // on-disk spelling: the existing entry matching the name, else the new one
    QByteArray folder; // on-disk spelling of the folder that holds it
    QByteArray name;   // the last name as the caller spelled it
    bool exists = false;
};

// Nothing when the folder that would hold the entry does not exist.
std::optional<Target> resolveTarget(const QByteArray& path);

} // namespace tvn::posix
