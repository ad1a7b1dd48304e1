#pragma once

#include <optional>
#include <QLoggingCategory>
#include <QString>

namespace tvn {

// The failures a user meets in the normal run of things and can act on, told apart from the ones
// nobody expects.
enum class FailureKind {
    Unexpected,
    Gone,         // the file was deleted or renamed meanwhile
    NoSpace,      // the disk is full, or the user's quota or file size limit is reached
    NotPermitted, // a read-only disk or folder, or one the user may not change
    NoFreeName,   // a copy's name is too long to be told apart from its namesakes'
};

// Why the platform layer could not do something: the operation, the path (and the second path
// of a rename or copy) and the reason the system or a guard gave.
struct FailureCause {
    QString operation;
    QString path;
    QString target;
    QString reason;
    // The user chose to keep a file the action would have deleted: no fault to report.
    bool keptByUser = false;
    FailureKind kind = FailureKind::Unexpected;
    friend bool operator==(const FailureCause&, const FailureCause&) = default;
};

// "torvane.platform": each recorded failure as a debug message, silent unless enabled
// (QT_LOGGING_RULES="torvane.platform.debug=true").
Q_DECLARE_LOGGING_CATEGORY(platformLog)

// Keeps the cause as the last failure and logs it. Like errno, the last failure is only
// meaningful right after an operation failed: an action clears it before it starts, and its
// error report reads it.
void recordFailure(const FailureCause& cause);
std::optional<FailureCause> lastFailure();
void clearLastFailure();

// The system's own text for the error of the call that failed last on this thread, empty when
// no call failed since clearSystemError().
QString systemErrorText();
FailureKind systemErrorKind();
void clearSystemError();
// One line for a person: "copy: /a/X.lnk -> /b/X.lnk: Permission denied".
QString describeFailure(const FailureCause& cause);

} // namespace tvn
