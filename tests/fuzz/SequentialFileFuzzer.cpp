// Reads any bytes as a sequential data file, converting every item each way the loaders do,
// and checks what the writer produces from the items reads back the same.
#include "FuzzCheck.h"
#include "platform/SequentialFile.h"
#include "platform/TextCodec.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tvn;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = decodeDataFile(bytes);
    FUZZ_CHECK(decodeDataFile(encodeDataFile(text)) == text);

    SequentialReader reader(text);
    std::vector<SequentialItem> items;
    while (!reader.atEnd()) {
        // Every item but an empty last one consumes at least one character.
        FUZZ_CHECK(qsizetype(items.size()) <= text.size());
        items.push_back(reader.next());
        const SequentialItem& item = items.back();
        static_cast<void>(itemToBoolean(item));
        static_cast<void>(itemToCaption(item));
        if (auto number = itemToInteger16(item))
            FUZZ_CHECK(*number >= -32768 && *number <= 32767);
    }

    SequentialWriter writer;
    for (const SequentialItem& item : items) {
        writer.writeString(item.text);
        if (auto number = itemToInteger16(item))
            writer.writeNumber(*number);
    }
    if (!writer.faithful())
        return 0;
    SequentialReader back(decodeDataFile(writer.bytes()));
    for (const SequentialItem& item : items) {
        FUZZ_CHECK(!back.atEnd());
        const SequentialItem read = back.next();
        FUZZ_CHECK(read.quoted && read.text == item.text);
        if (auto number = itemToInteger16(item)) {
            FUZZ_CHECK(!back.atEnd());
            FUZZ_CHECK(itemToInteger16(back.next()) == number);
        }
    }
    FUZZ_CHECK(back.atEnd());
    return 0;
}
