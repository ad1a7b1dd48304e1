#include "platform/ProgramVersionText.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tvn {
namespace {

// Explorer comes with every Windows and every Wine prefix, with its version resource.
TEST(Win32ProgramVersionText, NamesTheProgramFromItsResourceAndNothingForOtherFiles) {
    const QString byVariable = programVersionText(QStringLiteral("%SystemRoot%\\explorer.exe"));
    EXPECT_TRUE(byVariable.contains(QStringLiteral("explorer"), Qt::CaseInsensitive))
        << qPrintable(byVariable);
    EXPECT_EQ(
        programVersionText(qEnvironmentVariable("SystemRoot") + QStringLiteral("\\explorer.exe")),
        byVariable);

    QTemporaryDir folder;
    QFile text(folder.filePath(QStringLiteral("readme.exe")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("MZ not a program");
    text.close();
    EXPECT_EQ(programVersionText(QDir::toNativeSeparators(text.fileName())), QString());
    EXPECT_EQ(programVersionText(folder.filePath(QStringLiteral("missing.exe"))), QString());
    EXPECT_EQ(programVersionText(QString()), QString());
}

} // namespace
} // namespace tvn
