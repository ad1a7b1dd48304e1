#include "platform/FailureCause.h"

#include <cerrno>
#include <QDebug>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tvn {

Q_LOGGING_CATEGORY(platformLog, "torvane.platform", QtWarningMsg)

namespace {

thread_local std::optional<FailureCause> last;

} // namespace

void recordFailure(const FailureCause& cause) {
    last = cause;
    qCDebug(platformLog).noquote() << describeFailure(cause);
}

std::optional<FailureCause> lastFailure() {
    return last;
}

void clearLastFailure() {
    last.reset();
}

QString systemErrorText() {
#ifdef _WIN32
    const DWORD code = GetLastError();
#else
    const int code = errno;
#endif
    return code == 0 ? QString() : qt_error_string(static_cast<int>(code));
}

FailureKind systemErrorKind() {
#ifdef _WIN32
    switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return FailureKind::Gone;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return FailureKind::NoSpace;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
        return FailureKind::NotPermitted;
    default:
        return FailureKind::Unexpected;
    }
#else
    switch (errno) {
    case ENOENT:
        return FailureKind::Gone;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FailureKind::NoSpace;
    case EACCES:
    case EPERM:
    case EROFS:
        return FailureKind::NotPermitted;
    default:
        return FailureKind::Unexpected;
    }
#endif
}

void clearSystemError() {
#ifdef _WIN32
    SetLastError(0);
#else
    errno = 0;
#endif
}

QString describeFailure(const FailureCause& cause) {
    QString line = cause.operation + QStringLiteral(": ") + cause.path;
    if (!cause.target.isEmpty())
        line += QStringLiteral(" -> ") + cause.target;
    if (!cause.reason.isEmpty())
        line += QStringLiteral(": ") + cause.reason;
    return line;
}

} // namespace tvn
