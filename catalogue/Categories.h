#pragma once

#include "catalogue/ProgramState.h"

#include <array>
#include <QString>

namespace tvn {

// The captions the eleven category buttons carry until the user's names are read.
inline std::array<QString, kCategoryCount> builtInCategoryCaptions() {
    return {QStringLiteral("giochi"),         QStringLiteral("utilità"),
            QStringLiteral("grafica"),        QStringLiteral("video"),
            QStringLiteral("audio"),          QStringLiteral("lavoro e studio"),
            QStringLiteral("sistema"),        QStringLiteral("consultazione"),
            QStringLiteral("programmazione"), QStringLiteral("internet e reti"),
            QStringLiteral("varie")};
}

} // namespace tvn
