#pragma once

#include <QCheckBox>

namespace tvn {

// A check box whose text wraps onto as many lines as its width needs, like a word-wrapped
// label with the box before its first line. The text stays the check box's own text.
class WrapCheckBox final : public QCheckBox {
public:
    explicit WrapCheckBox(const QString& text, QWidget* parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    int indicatorWidth() const;
    int lineHeight() const;
    QRect textRect(int width) const;
};

} // namespace tvn
