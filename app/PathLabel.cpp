#include "app/PathLabel.h"

namespace tvn {

PathLabel::PathLabel(QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    // The layout gives the width; the text takes the lines it needs rather than widen the panel.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
}

void PathLabel::setLeadAndPath(const QString& lead, const QString& path) {
    path_ = path;
    setToolTip(path);
    if (!lead.contains(QStringLiteral("%1"))) {
        setText(lead);
        return;
    }
    // A zero-width space after each separator lets a line end there; it shows nothing.
    QString breakable;
    for (const QChar c : path) {
        breakable += c;
        if (c == u'/' || c == u'\\')
            breakable += QChar(0x200B);
    }
    setText(QString(lead).replace(QStringLiteral("%1"), breakable));
}

} // namespace tvn
