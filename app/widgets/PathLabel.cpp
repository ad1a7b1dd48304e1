#include "app/widgets/PathLabel.h"

#include <QFontMetrics>

namespace tvn {

namespace {

constexpr int kMaxLines = 2;

// A zero-width space after each separator lets a line end there; it shows nothing.
QString breakableAtSeparators(const QString& path) {
    QString breakable;
    for (const QChar c : path) {
        breakable += c;
        if (c == u'/' || c == u'\\')
            breakable += QChar(0x200B);
    }
    return breakable;
}

// The path less `dropped` characters from its middle, an ellipsis in their place.
QString withoutMiddle(const QString& path, qsizetype dropped) {
    if (dropped <= 0)
        return path;
    const qsizetype kept = path.size() - dropped;
    const qsizetype head = kept / 2;
    return path.left(head) + QChar(0x2026) + path.right(kept - head);
}

} // namespace

PathLabel::PathLabel(QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The layout gives the width; the text takes its two lines rather than widen the panel.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setFixedHeight(kMaxLines * fontMetrics().lineSpacing() + contentsMargins().top() +
                   contentsMargins().bottom());
}

void PathLabel::setLeadAndPath(const QString& lead, const QString& path) {
    lead_ = lead;
    path_ = path;
    setToolTip(path);
    fit();
}

void PathLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

void PathLabel::fit() {
    if (!lead_.contains(QStringLiteral("%1"))) {
        setText(lead_);
        return;
    }
    const auto shown = [this](qsizetype dropped) {
        return QString(lead_).replace(QStringLiteral("%1"),
                                      breakableAtSeparators(withoutMiddle(path_, dropped)));
    };
    // The fewest characters dropped that let the text fit.
    qsizetype low = 0;
    qsizetype high = path_.size();
    while (low < high) {
        const qsizetype middle = (low + high) / 2;
        if (fits(shown(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    setText(shown(low));
}

bool PathLabel::fits(const QString& text) const {
    const QRect area(0, 0, contentsRect().width(), 1 << 20);
    return fontMetrics().boundingRect(area, Qt::TextWordWrap, text).height() <=
           kMaxLines * fontMetrics().lineSpacing();
}

} // namespace tvn
