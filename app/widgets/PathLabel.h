#pragma once

#include <QLabel>

namespace tvn {

// A label of a fixed lead text and a path, on at most two lines from the top of its place: a
// long path wraps after a folder separator instead of being cut, and one too long even for two
// lines loses the middle of the path ("…"), keeping its beginning and the folders at its end.
// The whole path is the tooltip.
class PathLabel final : public QLabel {
public:
    explicit PathLabel(QWidget* parent);

    // `lead` holds "%1" where the path goes; without it the lead stands alone.
    void setLeadAndPath(const QString& lead, const QString& path);
    const QString& path() const { return path_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Sets the text that fits the label's width.
    void fit();
    bool fits(const QString& text) const;

    QString lead_;
    QString path_;
};

} // namespace tvn
