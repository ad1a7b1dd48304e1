#include "i18n/CaptionTable.h"
#include "i18n/LanguageTextFile.h"
#include "LanguageFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QtTest/QTest>

namespace tvn::test {
namespace {

QStringList numberedFields(int count) {
    QStringList fields;
    for (int k = 1; k <= count; ++k)
        fields << QStringLiteral("field %1").arg(k);
    return fields;
}

using LanguageTextsTest = LanguageTest;

TEST_F(LanguageTextsTest, EachFieldSetsItsOwnControl) {
    stage(pictureFileName("uk"));
    tree.write(textFileName("uk"), quotedLines(numberedFields(83)));
    apply(0);

    EXPECT_EQ(ui.beeps(), 0);
    EXPECT_TRUE(ui.dialogs().empty());
    // Every field but the dropped one lands in exactly one control.
    std::map<QString, int> landed;
    for (const auto& [name, caption] : captions())
        ++landed[caption];
    for (int k = 1; k <= 83; ++k)
        EXPECT_EQ(landed[QStringLiteral("field %1").arg(k)], k == 13 ? 0 : 1) << "field " << k;

    const std::pair<int, QString> places[] = {
        {1, frm.messageText(Message::SelectShortcuts)},
        {12, frm.messageText(Message::RenameQuestionEnd)},
        {14, control<QPushButton>(frm, "classifyButton")->text()},
        {24, control<QPushButton>(frm, "languagesExitButton")->text()},
        {34, control<QPushButton>(frm, "cleanUpButton")->text()},
        {35, control<QCheckBox>(frm, "skipIntroduction")->text()},
        {37, languageOption(frm, 0)->text()},
        {39, languageOption(frm, 2)->text()},
        {40, control<QRadioButton>(frm, "englishEdition")->text()},
        {43, control<QRadioButton>(frm, "otherEdition")->text()},
        {44, control<QLabel>(frm, "classifyInstructions")->text()},
        {45, control<QCheckBox>(frm, "hideHelpOption")->text()},
        {46, control<QLabel>(frm, "purposeText")->text()},
        {51, control<QLabel>(frm, "smallIconsHint")->text()},
        {59, control<QLabel>(frm, "englishPrompt")->text()},
        {62, control<QLabel>(frm, "pleaseWait")->text()},
        {75, control<QLabel>(frm, "aboutTitle")->text()},
        {76, control<QLabel>(frm, "progressLine")->text()},
        {78, control<QLabel>(frm, "helpCoverWait")->text()},
        {80, control<QLabel>(frm, "italianPrompt")->text()},
        {82, control<QLabel>(frm, "renameHint")->text()},
        {83, control<QAction>(frm, "renameCategoryAction")->text()},
    };
    for (const auto& [field, caption] : places)
        EXPECT_EQ(caption, QStringLiteral("field %1").arg(field)) << "field " << field;
    EXPECT_EQ(frm.messageText(Message::Description), QStringLiteral("field 8"));
    EXPECT_FALSE(shownPicture().isNull());
}

TEST_F(LanguageTextsTest, ConfirmingTheLanguagePanelAppliesTheChosenLanguage) {
    stageAllLanguages();
    frm.state().appFolder = tree.path();
    for (int index : {1, 2, 0}) {
        SCOPED_TRACE(index);
        const QStringList fields = shippedFields(kLanguageCodes[index]);
        ASSERT_EQ(fields.size(), 83);
        ui.clearCalls();
        hideAllPanels();
        frm.showLanguages();
        languageOption(frm, index)->setChecked(true);
        QTest::mouseClick(control<QPushButton>(frm, "languageOkButton"), Qt::LeftButton);

        EXPECT_EQ(frm.state().languageIndex, index);
        EXPECT_EQ(ui.beeps(), 0);
        EXPECT_TRUE(ui.dialogs().empty());
        EXPECT_EQ(control<QPushButton>(frm, "classifyButton")->text(), fields[13]);
        EXPECT_EQ(frm.messageText(Message::SelectShortcuts), fields[0]);
        EXPECT_EQ(control<QLabel>(frm, "englishPrompt")->text(), fields[58]);
        EXPECT_EQ(control<QAction>(frm, "renameCategoryAction")->text(), fields[82]);
        EXPECT_EQ(shownPicture(), shippedPicture(kLanguageCodes[index]));
        expectOnly(control<QFrame>(frm, "introductionPanel"),
                   control<QPushButton>(frm, "continueButton"),
                   control<QPushButton>(frm, "introductionExitButton"));
    }
}

TEST_F(LanguageTextsTest, AFileEndingEarlyBeepsTwiceAndLeavesTheRestAsItWas) {
    stage(pictureFileName("fr"));
    const auto before = captions();
    tree.write(textFileName("fr"), quotedLines(numberedFields(82)));
    apply(1);
    EXPECT_EQ(ui.beeps(), 2);
    EXPECT_TRUE(ui.dialogs().empty());
    EXPECT_EQ(control<QLabel>(frm, "renameHint")->text(), QStringLiteral("field 82"));
    EXPECT_EQ(control<QAction>(frm, "renameCategoryAction")->text(),
              before.at(QStringLiteral("renameCategoryAction")));
    EXPECT_EQ(shownPicture(), shippedPicture("fr"));

    // An empty file changes nothing, and still brings the picture.
    ui.clearCalls();
    control<QLabel>(frm, "languagePicture")->clear();
    const auto applied = captions();
    tree.write(textFileName("fr"), QByteArray());
    apply(1);
    EXPECT_EQ(ui.beeps(), 2);
    EXPECT_TRUE(ui.dialogs().empty());
    EXPECT_EQ(captions(), applied);
    EXPECT_EQ(shownPicture(), shippedPicture("fr"));
}

TEST_F(LanguageTextsTest, AnUnquotedCommaSplitsAFieldAndShiftsEveryLaterCaption) {
    stageLanguage("uk");
    QStringList fields = shippedFields("uk");
    ASSERT_EQ(fields.size(), 83);
    // purgeInstructions's text holds a comma; written without quotes it becomes two fields.
    fields[64] = QStringLiteral("If you wish, select some and press REMOVE.");
    QString text;
    for (int k = 0; k < 83; ++k)
        text += (k == 64 ? fields[k] : u'"' + fields[k] + u'"') + QStringLiteral("\r\n");
    tree.write(textFileName("uk"), encodeDataFile(text));
    apply(0);

    EXPECT_EQ(ui.beeps(), 0);
    EXPECT_EQ(control<QLabel>(frm, "orphansDescription")->text(), fields[63]);
    EXPECT_EQ(control<QLabel>(frm, "purgeInstructions")->text(), QStringLiteral("If you wish"));
    EXPECT_EQ(control<QLabel>(frm, "modifyTitle")->text(),
              QStringLiteral("select some and press REMOVE."));
    EXPECT_EQ(control<QLabel>(frm, "removeInstructions")->text(), fields[65]);
    EXPECT_EQ(control<QAction>(frm, "renameCategoryAction")->text(), fields[81]);
}

TEST_F(LanguageTextsTest, UnquotedFieldsReadAsTheyWouldBeTyped) {
    stage(pictureFileName("uk"));
    QStringList fields = numberedFields(83);
    QString text;
    for (const QString& field : fields)
        text += u'"' + field + QStringLiteral("\"\r\n");
    // Fields 14 to 18: numbers in their decimal form, blanks before a field skipped, what
    // follows a closing quote dropped, an empty line an empty caption, plain words as written.
    text.replace(QStringLiteral("\"field 14\"\r\n\"field 15\"\r\n\"field 16\"\r\n\"field 17\"\r\n"
                                "\"field 18\"\r\n"),
                 QStringLiteral("007\r\n  \"  spaced\"\r\n\"quoted\" tail\r\n\r\n-1.50\r\n"));
    tree.write(textFileName("uk"), encodeDataFile(text));
    apply(0);
    EXPECT_EQ(ui.beeps(), 0);
    EXPECT_EQ(control<QPushButton>(frm, "classifyButton")->text(), QStringLiteral("7"));
    EXPECT_EQ(control<QPushButton>(frm, "continueButton")->text(), QStringLiteral("  spaced"));
    EXPECT_EQ(control<QPushButton>(frm, "exitButton")->text(), QStringLiteral("quoted"));
    EXPECT_EQ(control<QPushButton>(frm, "changeLanguageButton")->text(), QString());
    EXPECT_EQ(control<QPushButton>(frm, "languageOkButton")->text(), QStringLiteral("-1.5"));
    EXPECT_EQ(control<QPushButton>(frm, "moveButton")->text(), QStringLiteral("field 19"));
}

TEST_F(LanguageTextsTest, AShortFileAfterAnotherLanguageKeepsThatLanguagesLaterCaptions) {
    stageLanguage("fr");
    stage(pictureFileName("it"));
    const QStringList french = shippedFields("fr");
    const QStringList italian = shippedFields("it");
    ASSERT_EQ(french.size(), 83);
    ASSERT_EQ(italian.size(), 83);
    apply(1);
    tree.write(textFileName("it"), quotedLines(italian.mid(0, 50)));
    ui.clearCalls();
    apply(2);

    EXPECT_EQ(ui.beeps(), 2);
    EXPECT_EQ(control<QLabel>(frm, "moveInstructions")->text(), italian[49]);
    EXPECT_EQ(control<QPushButton>(frm, "classifyButton")->text(), italian[13]);
    EXPECT_EQ(control<QLabel>(frm, "smallIconsHint")->text(), french[50]);
    EXPECT_EQ(control<QLabel>(frm, "menuTitle")->text(), french[53]);
    EXPECT_EQ(control<QAction>(frm, "renameCategoryAction")->text(), french[82]);
    EXPECT_EQ(shownPicture(), shippedPicture("it"));
}

TEST_F(LanguageTextsTest, EachApplicationReadsTheFileAfresh) {
    stageLanguage("it");
    apply(2);
    const auto once = captions();
    apply(2);
    EXPECT_EQ(captions(), once);
    EXPECT_EQ(ui.beeps(), 0);

    tree.write(textFileName("it"), quotedLines(numberedFields(83)));
    apply(2);
    EXPECT_EQ(control<QPushButton>(frm, "classifyButton")->text(), QStringLiteral("field 14"));
}

TEST_F(LanguageTextsTest, InstalledTheShippedFilesAreReadUnlessTheUserFolderHasItsOwn) {
    TempTree shared;
    for (const QString& name : {textFileName("fr"), pictureFileName("fr")})
        shared.write(name, shippedFile(name));
    QStringList mine = shippedFields("fr");
    mine[13] = QStringLiteral("mine");
    tree.write(textFileName("fr"), quotedLines(mine));
    frm.state().shippedFolder = shared.path();
    apply(1);
    EXPECT_TRUE(ui.dialogs().empty());
    EXPECT_EQ(control<QPushButton>(frm, "classifyButton")->text(), "mine");
    EXPECT_EQ(shownPicture(), shippedPicture("fr"));
}

// Without its files a language gives way to English: one message, in English, naming the file
// and its folder, then the English texts and picture.
TEST_F(LanguageTextsTest, BothFilesMissingGiveOneMessageAndEnglish) {
    stageLanguage("uk");
    stageLanguage("it");
    apply(2);
    ui.clearCalls();
    ui.expectMessage();
    apply(1);

    const auto dialogs = ui.dialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].text, unableToSetLanguage(QStringLiteral("Txt (fr).tvn"), tree.path()));
    EXPECT_TRUE(dialogs[0].text.contains(QDir::toNativeSeparators(tree.path())));
    EXPECT_EQ(dialogs[0].title, QString());
    EXPECT_EQ(dialogs[0].buttons, Buttons::Ok);
    EXPECT_EQ(dialogs[0].icon, Icon::None);
    EXPECT_EQ(ui.beeps(), 0);
    EXPECT_EQ(frm.state().languageIndex, 0);
    EXPECT_EQ(shownPicture(), shippedPicture("uk"));
    const auto fallenBack = captions();
    apply(0);
    const auto english = captions();
    for (const auto& [name, caption] : english)
        EXPECT_EQ(fallenBack.at(name), caption) << name.toStdString();

    // English itself missing: the copy built into the program.
    QFile::remove(tree.path(textFileName("uk")));
    ui.clearCalls();
    ui.expectMessage();
    apply(0);
    EXPECT_EQ(ui.messageTexts(),
              std::vector<QString>{unableToSetLanguage("Txt (uk).tvn", tree.path())});
    EXPECT_EQ(captions(), english);
}

TEST_F(LanguageTextsTest, AnIndexOutsideTheLanguagesBeepsOnceAndTakesEnglish) {
    stageLanguage("uk");
    const QStringList english = shippedFields("uk");
    for (int index : {3, -1, 32767}) {
        SCOPED_TRACE(index);
        control<QLabel>(frm, "languagePicture")->clear();
        ui.clearCalls();
        apply(index);
        EXPECT_EQ(ui.beeps(), 1);
        EXPECT_TRUE(ui.dialogs().empty());
        EXPECT_EQ(control<QPushButton>(frm, "classifyButton")->text(), english[13]);
        EXPECT_EQ(shownPicture(), shippedPicture("uk"));
    }
}

TEST_F(LanguageTextsTest, BadFilesNeverCrashAndHugeOnesAreReadOnlyAsFarAsNeeded) {
    stage(pictureFileName("uk"));
    QByteArray garbage(64 * 1024, '\0');
    QRandomGenerator random(20240607);
    for (char& byte : garbage)
        byte = static_cast<char>(random.bounded(256));
    QByteArray oneEndlessField(8 * 1024 * 1024, 'x');
    QByteArray endlessQuote = "\"" + QByteArray(6 * 1024 * 1024, 'y');
    QByteArray manyFields;
    for (int k = 0; k < 400000; ++k)
        manyFields += "\"many\"\r\n";
    const std::pair<const char*, QByteArray> files[] = {
        {"binary garbage", garbage},
        {"one endless field", oneEndlessField},
        {"an unterminated quote", endlessQuote},
        {"hundreds of thousands of fields", manyFields},
    };
    for (const auto& [what, content] : files) {
        SCOPED_TRACE(what);
        ui.clearCalls();
        tree.write(textFileName("uk"), content);
        QElapsedTimer timer;
        timer.start();
        apply(0);
        EXPECT_LT(timer.elapsed(), 5000);
        EXPECT_TRUE(ui.dialogs().empty());
        EXPECT_TRUE(ui.beeps() == 0 || ui.beeps() == 2) << ui.beeps();
        EXPECT_FALSE(shownPicture().isNull());
        EXPECT_LE(frm.messageText(Message::SelectShortcuts).size(), kLanguageTextFileBytes);
    }
    EXPECT_EQ(control<QAction>(frm, "renameCategoryAction")->text(), QStringLiteral("many"));
}

// A window that lacks a control of the table: the fields before it are applied, the message
// names the file, and the picture still follows.
TEST(LanguageTexts, ACaptionThatCannotBeSetEndsLikeAMissingFile) {
    TempTree tree;
    ScriptedUi ui;
    PosixFileSystem fs;
    tree.write(QStringLiteral("Txt (it).tvn"), quotedLines(numberedFields(83)));
    QWidget window;
    std::vector<QLabel*> labels;
    for (int k = 0; k < 5; ++k) {
        const std::u16string_view control = captionTable()[k];
        labels.push_back(new QLabel(&window));
        labels.back()->setObjectName(QString::fromUtf16(control.data(), qsizetype(control.size())));
    }
    int pictures = 0;
    ui.expectMessage();
    loadLanguageTexts(ui, fs, {tree.path(), {}}, 2, window, [&] { ++pictures; });

    EXPECT_EQ(ui.messageTexts(),
              std::vector<QString>{unableToSetLanguage("Txt (it).tvn", tree.path())});
    EXPECT_EQ(labels[4]->text(), QStringLiteral("field 5"));
    EXPECT_EQ(pictures, 1);
}

TEST_F(LanguageTextsTest, TheCaptionTableNamesOneControlOfTheWindowPerField) {
    for (const std::u16string_view control : captionTable()) {
        if (control.empty())
            continue;
        const QString name = QString::fromUtf16(control.data(), qsizetype(control.size()));
        EXPECT_EQ(frm.findChildren<QObject*>(name).size(), 1) << name.toStdString();
    }
    EXPECT_TRUE(captionTable()[12].empty());
}

// The failure report needs no language file: it reads the same before and after any of them.
TEST_F(LanguageTextsTest, TheUnexpectedErrorReportIsTheSameInEveryLanguage) {
    stageAllLanguages();
    const QString report = QStringLiteral(
        "UK : Unexpected error...\rFR : Erreur inattendue...\rIT : Errore inaspettato...");
    for (int index : {-1, 0, 1, 2}) {
        SCOPED_TRACE(index);
        if (index >= 0)
            apply(index);
        ui.clearCalls();
        ui.expectMessage();
        reportUnexpectedError(ui);
        const auto dialogs = ui.dialogs();
        ASSERT_EQ(dialogs.size(), 1u);
        EXPECT_EQ(dialogs[0].text, report);
        EXPECT_EQ(dialogs[0].title, QString());
        EXPECT_EQ(dialogs[0].buttons, Buttons::Ok);
        EXPECT_EQ(dialogs[0].icon, Icon::None);
    }
}

} // namespace
} // namespace tvn::test
