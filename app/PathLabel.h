#pragma once

#include <QLabel>

namespace tvn {

// A label of a fixed lead text and a path, shown whole: a long path wraps after a folder
// separator instead of being cut. The path is also the tooltip.
class PathLabel final : public QLabel {
public:
    explicit PathLabel(QWidget* parent);

    // `lead` holds "%1" where the path goes; without it the lead stands alone.
    void setLeadAndPath(const QString& lead, const QString& path);
    const QString& path() const { return path_; }

private:
    QString path_;
};

} // namespace tvn
