#pragma once

#include <QLineEdit>

namespace tvn {

// A text box for a folder path. While the user edits it, it shows the path as any text box
// does; otherwise a path too long for the box shows with its middle elided, so that both its
// beginning and the folder names at its end stay in sight. The full path is the tooltip, and
// text() is always the full path.
class PathBox final : public QLineEdit {
public:
    PathBox(const QString& text, QWidget* parent);

    // What the box shows now.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where QLineEdit draws its line of text.
    QRect textArea() const;
};

} // namespace tvn
