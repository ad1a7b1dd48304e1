#pragma once

#include <QLabel>

namespace tvn {

// A one-line label of a fixed lead text and a path: the path gives way in its middle when the
// line is too short, and shows whole as the tooltip.
class ElidedLabel final : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent);

    // `lead` holds "%1" where the path goes; without it the lead stands alone.
    void setLeadAndPath(const QString& lead, const QString& path);
    const QString& path() const { return path_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showFitted();

    QString lead_;
    QString path_;
};

} // namespace tvn
