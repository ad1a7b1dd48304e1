#pragma once

#include <QFont>

class QApplication;
class QLabel;
class QString;
class QWidget;

namespace tvn {

// The one font of every window: a sans-serif face installed with the program's packages, at
// the size the fixed window layout was drawn for, so English, French and Italian texts fit.
QFont torvaneFont();
// A larger bold face for panel titles.
QFont torvaneTitleFont();

// A label of the about and information windows: plain text, centred.
QLabel* makeWindowLabel(QWidget* parent, const QString& name, const QString& text);

// Gives the whole application the same style and font on every desktop.
void applyTorvaneLook(QApplication& app);

} // namespace tvn
