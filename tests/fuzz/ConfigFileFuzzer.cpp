// Loads any bytes as Config.tvn over the default settings, then checks that settings which
// save also load back unchanged.
#include "FuzzCheck.h"
#include "MemoryFileSystem.h"
#include "store/ConfigFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tvn;
    const QString path = QStringLiteral("/app/Config.tvn");
    fuzz::MemoryFileSystem fs;
    fs.files[path] = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));

    ConfigRecords records;
    const int read = readConfigFile(fs, path, records);
    FUZZ_CHECK(read >= 0 && read <= kConfigRecordCount);
    FUZZ_CHECK(records.skipIntroduction >= 0 && records.skipIntroduction <= 2);
    FUZZ_CHECK(records.languageIndex >= 0 && records.languageIndex <= 2);
    FUZZ_CHECK(records.hideHelpShortcuts >= 0 && records.hideHelpShortcuts <= 2);

    if (!writeConfigFile(fs, path, records))
        return 0;
    ConfigRecords back;
    FUZZ_CHECK(readConfigFile(fs, path, back) == kConfigRecordCount);
    FUZZ_CHECK(back == records);
    return 0;
}
