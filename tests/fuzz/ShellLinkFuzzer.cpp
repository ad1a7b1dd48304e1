// Reads any bytes as a shortcut's shell-link file, straight and through a file system: whatever
// they hold, the reader gives bounded fields or none, and both ways agree.
#include "catalogue/ShellLinkFields.h"
#include "FuzzCheck.h"
#include "MemoryFileSystem.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tvn;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const auto fields = parseShellLink(bytes);
    if (fields) {
        for (const QString* field :
             {&fields->description, &fields->targetPath, &fields->workingFolder, &fields->arguments,
              &fields->iconLocation})
            FUZZ_CHECK(field->size() <= kMaxShellLinkTextChars);
    }

    fuzz::MemoryFileSystem fs;
    const QString path = QStringLiteral("C:/Programs/Fuzzed.lnk");
    fs.files[path] = bytes;
    const auto read = readShellLink(fs, path);
    if (bytes.size() <= kMaxShellLinkBytes)
        FUZZ_CHECK(read == fields);
    else
        FUZZ_CHECK(read == parseShellLink(bytes.first(kMaxShellLinkBytes)));
    return 0;
}
