// Reads any bytes as a Windows program file: whatever they hold, the icon groups and version
// texts come within their limits, and reading them twice gives the same.
#include "FuzzCheck.h"
#include "platform/PeResources.h"

#include <cstddef>
#include <cstdint>
#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tvn;
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    // The icon index a shortcut names: the first byte, as an index or a resource id.
    const int index = size > 0 ? int(std::int8_t(data[0])) : 0;
    const std::vector<PeIconImage> icons = peIconGroup(file, index);
    FUZZ_CHECK(icons.size() <= std::size_t(kMaxPeIconImages));
    for (const PeIconImage& icon : icons)
        FUZZ_CHECK(!icon.data.isEmpty() && icon.data.size() <= kMaxPeIconImageBytes);
    FUZZ_CHECK(peIconGroup(file, index).size() == icons.size());

    const ProgramVersionTexts texts = peVersionTexts(file);
    for (const QString& text : {texts.description, texts.product, texts.company})
        FUZZ_CHECK(text.size() <= kMaxPeVersionTextChars);
    return 0;
}
