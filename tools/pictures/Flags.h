#pragma once

#include <QImage>

namespace tvn::tools {

enum class Flag { UnitedKingdom, France, Italy };

// The flag beside a language option of the language panel: 32 x 20 pixels.
QImage drawFlag(Flag flag);

} // namespace tvn::tools
