#include "platform/AnsiCodePage.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tvn {

#ifdef _WIN32

QByteArray ansiFromText(const QString& text) {
    if (text.isEmpty())
        return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int size =
        WideCharToMultiByte(CP_ACP, 0, wide, int(text.size()), nullptr, 0, nullptr, nullptr);
    QByteArray bytes(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, int(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

QString textFromAnsi(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return {};
    const int size =
        MultiByteToWideChar(CP_ACP, 0, bytes.constData(), int(bytes.size()), nullptr, 0);
    QString text(size, Qt::Uninitialized);
    MultiByteToWideChar(CP_ACP, 0, bytes.constData(), int(bytes.size()),
                        reinterpret_cast<wchar_t*>(text.data()), size);
    return text;
}

#else

QByteArray ansiFromText(const QString& text) {
    return text.toUtf8();
}

QString textFromAnsi(const QByteArray& bytes) {
    return QString::fromUtf8(bytes);
}

#endif

} // namespace tvn
