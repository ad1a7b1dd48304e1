#pragma once

#include <initializer_list>
#include <QMargins>
#include <QPushButton>
#include <QString>

class QBoxLayout;
class QFrame;
class QVBoxLayout;
class QLabel;
class QListWidget;

namespace tvn {

// A push button that, when its row is short of room, may shrink to what its caption needs
// rather than stop at the style's usual minimum width.
class CaptionButton final : public QPushButton {
public:
    using QPushButton::QPushButton;
    QSize minimumSizeHint() const override;
};

enum class LabelStyle { Text, Title, Strong };

// A label as every panel shows it: plain text (language files never turn into markup),
// wrapped to the panel's width.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text,
                  LabelStyle style = LabelStyle::Text);
// Gives `panel` the frame, place and background every panel of the right column has.
void shapePanel(QFrame& panel, const QString& name);
// The margins of a panel's column of controls, inside the panel's frame.
inline constexpr QMargins kPanelMargins(12, 10, 12, 10);
// The column of controls that fills a panel, inside the panel's margins.
QVBoxLayout* makePanelLayout(QWidget* panel, int spacing = 8);
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption);
QListWidget* makeList(QWidget* parent, const QString& name);
// A row of buttons: `left` at the left edge, `right` at the right edge.
void addButtonRow(QBoxLayout& layout, std::initializer_list<QPushButton*> left,
                  std::initializer_list<QPushButton*> right);

} // namespace tvn
