#include "platform/ProgramVersionText.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tvn {
namespace {

// Explorer comes with every Windows and every Wine prefix, with its version resource.
TEST(Win32ProgramVersionText, NamesTheProgramFromItsResourceAndNothingForOtherFiles) {
    const QString byVariable =
        programVersionTexts(QStringLiteral("%SystemRoot%\\explorer.exe")).joined();
    EXPECT_TRUE(byVariable.contains(QStringLiteral("explorer"), Qt::CaseInsensitive))
        << qPrintable(byVariable);
    EXPECT_EQ(
        programVersionTexts(qEnvironmentVariable("SystemRoot") + QStringLiteral("\\explorer.exe"))
            .joined(),
        byVariable);

    QTemporaryDir folder;
    QFile text(folder.filePath(QStringLiteral("readme.exe")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("MZ not a program");
    text.close();
    EXPECT_EQ(programVersionTexts(QDir::toNativeSeparators(text.fileName())),
              ProgramVersionTexts{});
    EXPECT_EQ(programVersionTexts(folder.filePath(QStringLiteral("missing.exe"))),
              ProgramVersionTexts{});
    EXPECT_EQ(programVersionTexts(QString()), ProgramVersionTexts{});
}

} // namespace
} // namespace tvn
