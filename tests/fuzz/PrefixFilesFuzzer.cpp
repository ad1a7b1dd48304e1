// Reads any bytes both as a Lutris game file and as a Steam library list, the two files that
// name Wine prefixes: whatever they hold, the readers give a usable answer or none.
#include "FuzzCheck.h"
#include "platform/PrefixConfigFiles.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tvn;
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));

    const auto prefix = prefixes::lutrisGamePrefix(content);
    FUZZ_CHECK(!prefix || !prefix->isEmpty());
    FUZZ_CHECK(!prefix || content.contains("prefix"));

    const QStringList libraries = prefixes::steamLibraryPaths(content);
    // One library at most per line, brace or end of the text.
    FUZZ_CHECK(libraries.size() <=
               content.count('\n') + content.count('{') + content.count('}') + 1);
    for (const QString& library : libraries)
        FUZZ_CHECK(!library.isEmpty());
    return 0;
}
