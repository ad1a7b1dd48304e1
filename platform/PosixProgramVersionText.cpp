#include "platform/PeResources.h"
#include "platform/ProgramVersionText.h"

#include <QFile>

namespace tvn {

ProgramVersionTexts programVersionTexts(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return peVersionTexts(file);
}

} // namespace tvn
