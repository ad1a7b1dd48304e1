#pragma once

#include "catalogue/ProgramState.h"
#include "catalogue/Window.h"

#include <array>
#include <QFrame>

class QComboBox;
class QLabel;
class QRadioButton;

namespace tvn {

// The store right of the window's right edge, never seen: the texts of the messages and
// questions, which the language files set with the captions, and the saved Windows drive with
// the unused Windows edition options.
class HiddenStore final : public QFrame {
    Q_OBJECT

public:
    // `smallIconsHint` is the text of Message::SmallIconsHint; `windowsDrive` the drive listed.
    HiddenStore(QWidget& window, const QString& smallIconsHint, const QString& windowsDrive);

    QString messageText(Message message) const;
    QString windowsDrive() const;
    // Lists `drive` when it is not listed yet, and selects it.
    void selectWindowsDrive(const QString& drive);

private:
    // The texts of messages and questions; the label of Message m is at index m - 1.
    std::array<QLabel*, kMessageCount> messageLabels{};
    QComboBox* windowsDriveBox = nullptr;           // the saved Windows drive
    std::array<QRadioButton*, 4> windowsEditions{}; // the Windows edition, unused
    QLabel* windowsDriveCaption = nullptr;          // beside windowsDriveBox
    QLabel* windowsEditionCaption = nullptr;        // beside windowsEditions
};

} // namespace tvn
