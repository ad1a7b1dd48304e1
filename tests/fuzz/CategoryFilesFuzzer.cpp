// Reads any bytes as Custom.tvn and as Default.tvn onto the category buttons, then checks that
// the captions saved to Custom.tvn read back unchanged.
#include "FuzzCheck.h"
#include "MemoryFileSystem.h"
#include "SilentUi.h"
#include "store/CategoryFiles.h"
#include "store/CategoryNames.h"
#include "tests/support/FakeWindow.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tvn;
    if (size == 0)
        return 0;
    const QByteArray content(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    fuzz::MemoryFileSystem fs;
    fuzz::SilentUi ui;
    test::FakeWindow window;
    test::FakeLists lists;
    ProgramState state;
    state.appFolder = QStringLiteral("/app");
    state.languageIndex = data[0] % 3;
    Tvn tvn{state, fs, ui, lists.refs(), window};
    fs.files[QStringLiteral("/app/Custom.tvn")] = content;
    fs.files[QStringLiteral("/app/Default.tvn")] = content;

    readCustomCategories(tvn);
    loadDefaultCategories(tvn);
    const auto captions = window.captions;
    for (const QString& caption : captions)
        FUZZ_CHECK(isValidCategoryName(caption));

    saveCustomCategories(tvn);
    window.captions = test::FakeWindow().captions;
    readCustomCategories(tvn);
    FUZZ_CHECK(window.captions == captions);
    return 0;
}
