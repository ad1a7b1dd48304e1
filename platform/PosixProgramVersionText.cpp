#include "platform/PeResources.h"
#include "platform/ProgramVersionText.h"

#include <QFile>

namespace tvn {

QString programVersionText(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return peVersionTexts(file).join(u' ');
}

} // namespace tvn
