#include "platform/PeResources.h"
#include "platform/ProgramVersionText.h"

#include <QFile>

namespace tvn {

QString ProgramVersionText(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return peVersionTexts(file).join(u' ');
}

} // namespace tvn
