#include "app/frame/MainWindow.h"
#include "i18n/NoticeTexts.h"
#include "platform/Ui.h"

// The one message that closes an action some of whose entries failed in the normal run of
// things (each entry by name with its reason, in the interface language; the system's own words
// in the details), and the one that closes a walk that had to leave folders out.

namespace tvn {

namespace {

// A message box taller than the screen helps nobody.
constexpr size_t kNamedEntries = 12;

NoticeText reasonText(FailureKind kind) {
    switch (kind) {
    case FailureKind::Gone:
        return NoticeText::ReasonGone;
    case FailureKind::NoSpace:
        return NoticeText::ReasonNoSpace;
    case FailureKind::NotPermitted:
        return NoticeText::ReasonNotPermitted;
    case FailureKind::NoFreeName:
        return NoticeText::ReasonNoFreeName;
    case FailureKind::Unexpected:
        break;
    }
    return NoticeText::ReasonOther;
}

// The details begin with the operation that failed ("copy: <path>..."): that word in the
// interface language, the paths and the system's own words as they are.
QString detailsInLanguage(const QString& details, int language) {
    const qsizetype end = details.indexOf(QStringLiteral(": "));
    if (end < 0)
        return details;
    return noticeText(NoticeText::Labelled, language)
        .arg(operationName(details.left(end), language), details.mid(end + 2));
}

} // namespace

void MainWindow::reportFailedEntries(const std::vector<FailedEntry>& entries, bool othersHandled) {
    const int language = state_.languageIndex;
    QStringList heading{noticeText(
        entries.size() == 1 ? NoticeText::FailedEntry : NoticeText::FailedEntries, language)};
    if (othersHandled)
        heading.append(noticeText(NoticeText::OthersHandled, language));
    heading.append(noticeText(NoticeText::ListsShowTheDisk, language));
    QStringList lines{heading.join(u' '), QString()};
    QStringList details;
    for (size_t k = 0; k < entries.size(); ++k) {
        if (k < kNamedEntries)
            lines.append(noticeText(reasonText(entries[k].kind), language).arg(entries[k].name));
        if (!entries[k].details.isEmpty())
            details.append(detailsInLanguage(entries[k].details, language));
    }
    if (entries.size() > kNamedEntries)
        lines.append(
            noticeText(NoticeText::MoreFailed, language).arg(entries.size() - kNamedEntries));
    ui_.message(lines.join(u'\n'), {}, Buttons::Ok, Icon::Exclamation, details.join(u'\n'));
}

void MainWindow::reportUnreadableFolders(const QStringList& folders) {
    ui_.message(noticeText(NoticeText::UnreadableFolders, state_.languageIndex)
                    .arg(folders.size())
                    .arg(folders.front()),
                {}, Buttons::Ok, Icon::Exclamation, folders.join(u'\n'));
}

} // namespace tvn
