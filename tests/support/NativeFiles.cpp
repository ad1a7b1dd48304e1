#include "tests/support/NativeFiles.h"

#include "platform/DosAttributes.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <QFile>
#include <sys/xattr.h>
#include <unistd.h>
#endif

namespace tvn::test {

#ifdef _WIN32

namespace {

const wchar_t* wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

} // namespace

bool setDosAttributes(const QString& path, std::uint32_t attributes) {
    return SetFileAttributesW(wide(path), attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes);
}

bool makeFolderLink(const QString& target, const QString& link) {
    const QString nativeTarget = QString(target).replace(u'/', u'\\');
    if (!CreateSymbolicLinkW(wide(link), wide(nativeTarget),
                             SYMBOLIC_LINK_FLAG_DIRECTORY |
                                 SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE))
        return false;
    // Some systems (Wine among them) report success without making the link: check.
    const DWORD attributes = GetFileAttributesW(wide(link));
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

#else

bool setDosAttributes(const QString& path, std::uint32_t attributes) {
    const QByteArray value = "0x" + QByteArray::number(attributes, 16);
    return ::setxattr(QFile::encodeName(path).constData(), kDosAttributeName, value.constData(),
                      static_cast<size_t>(value.size()), 0) == 0;
}

bool makeFolderLink(const QString& target, const QString& link) {
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) ==
           0;
}

#endif

} // namespace tvn::test
