#pragma once

#include <array>
#include <QString>
#include <string_view>

class QObject;

namespace tvn {

inline constexpr int kLanguageFieldCount = 83;

// The control whose caption field k of a language text file sets (k = 1 to 83), by the
// control's object name in the main window; empty for field 13, which is read and dropped.
const std::array<std::u16string_view, kLanguageFieldCount>& captionTable();

// Sets the caption of the label, button, check box, option button or menu item named `control`
// among the children of `window`; false when there is none of that name.
bool setCaption(QObject& window, std::u16string_view control, const QString& caption);

} // namespace tvn
