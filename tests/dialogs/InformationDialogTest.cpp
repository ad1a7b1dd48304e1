#include "dialogs/InformationDialog.h"

#include "DialogAnswering.h"
#include "dialogs/MakerAddresses.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

namespace tvn {
namespace {

TEST(InformationDialog, OpensOnTheMainWindowsCornerAtItsOwnSize) {
    QWidget main;
    main.move(123, 77);
    InformationDialog info(main);
    EXPECT_EQ(info.windowName(), QStringLiteral("FrmInfo"));
    EXPECT_FALSE(info.windowTitle().isEmpty());
    EXPECT_EQ(info.pos(), QPoint(123, 77));
    // 9150 x 5950 twips, less the window's frame.
    EXPECT_EQ(info.size(), QSize(602, 369));
    EXPECT_EQ(info.picture->size(), QSize(224, 224));
    EXPECT_EQ(info.picture->pixmap().size(), QSize(224, 224));
}

// In every language each part shows whole: beside the one before it when the line fits the
// column, else below it.
TEST(InformationDialog, ReadsLineByLineBesideThePicture) {
    for (const int language : {0, 1, 2}) {
        SCOPED_TRACE(language);
        QWidget main;
        InformationDialog info(main, language);
        info.show();
        QApplication::processEvents();
        const QString email = QString::fromUtf16(kMakerEmailAddress);
        const QString web = QString::fromUtf16(kMakerWebAddress);
        // The addresses as they are; the other labels only need some text.
        const std::vector<std::vector<std::pair<int, QString>>> lines = {
            {{3, {}}, {4, {}}}, {{5, {}}, {7, {}}}, {{10, {}}}, {{8, {}}, {9, email}},
            {{0, {}}},          {{6, {}}},          {{1, web}}, {{11, {}}},
        };
        int lineTop = -1;
        for (const auto& line : lines) {
            const QLabel* first = info.textParts[static_cast<size_t>(line.front().first)];
            ASSERT_NE(first, nullptr);
            EXPECT_GT(first->y(), lineTop) << first->text().toStdString();
            const QLabel* previous = nullptr;
            for (const auto& [index, text] : line) {
                const QLabel* label = info.textParts[static_cast<size_t>(index)];
                ASSERT_NE(label, nullptr) << index;
                if (text.isEmpty())
                    EXPECT_FALSE(label->text().isEmpty()) << index;
                else
                    EXPECT_EQ(label->text(), text);
                if (previous) {
                    EXPECT_TRUE(label->x() > previous->geometry().right() ||
                                label->y() > previous->geometry().bottom() - 2)
                        << index;
                }
                EXPECT_GT(label->x(), info.picture->geometry().right()) << index;
                EXPECT_GE(label->width(), label->sizeHint().width()) << index;
                EXPECT_TRUE(info.rect().contains(label->geometry())) << index;
                previous = label;
                lineTop = std::max(lineTop, label->geometry().bottom() - 2);
            }
        }
        EXPECT_EQ(info.okButton->text(), QStringLiteral("OK"));
        EXPECT_GT(info.okButton->y(), lineTop);
        EXPECT_GT(info.okButton->x(), info.width() / 2);
    }
}

TEST(InformationDialog, SpeaksTheInterfaceLanguage) {
    QWidget main;
    InformationDialog english(main, 0);
    for (const int language : {1, 2}) {
        InformationDialog other(main, language);
        EXPECT_NE(other.windowTitle(), english.windowTitle()) << language;
        for (const size_t k : {0, 3, 4, 5, 6, 7, 10, 11})
            EXPECT_NE(other.textParts[k]->text(), english.textParts[k]->text())
                << language << " " << k;
        EXPECT_NE(other.picture->pixmap().toImage(), english.picture->pixmap().toImage());
    }
}

TEST(InformationDialog, OkClosesTheWindowAndEndsTheWait) {
    QWidget main;
    InformationDialog info(main);
    bool modal = false;
    test::whenDialogOpens([&](QWidget& dialog) {
        modal = &dialog == &info;
        QTest::mouseClick(info.okButton, Qt::LeftButton);
    });
    info.execModal();
    EXPECT_TRUE(modal);
    EXPECT_FALSE(info.isVisible());
}

} // namespace
} // namespace tvn
