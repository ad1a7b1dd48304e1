// Applies any bytes as a language text file to a window holding a label for every caption the
// file sets.
#include "FuzzCheck.h"
#include "i18n/CaptionTable.h"
#include "i18n/LanguageTextFile.h"
#include "MemoryFileSystem.h"
#include "platform/ProgramFolders.h"
#include "SilentUi.h"

#include <cstddef>
#include <cstdint>
#include <QApplication>
#include <QLabel>
#include <QWidget>

namespace {

QWidget* window = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    window = new QWidget;
    for (const std::u16string_view control : tvn::captionTable()) {
        if (control.empty())
            continue;
        auto* label = new QLabel(window);
        label->setObjectName(QString::fromUtf16(control.data(), qsizetype(control.size())));
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tvn;
    fuzz::MemoryFileSystem fs;
    fuzz::SilentUi ui;
    fs.files[QStringLiteral("/app/Txt (uk).tvn")] =
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
    int pictures = 0;
    const ProgramFolders folders{QStringLiteral("/app"), QString()};
    loadLanguageTexts(ui, fs, folders, 0, *window, [&] { ++pictures; });
    FUZZ_CHECK(pictures == 1);
    for (const QLabel* label : window->findChildren<QLabel*>())
        FUZZ_CHECK(label->text().size() <= kLanguageTextFileBytes);
    return 0;
}
