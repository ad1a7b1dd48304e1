#pragma once

#include "catalogue/Window.h"

#include <array>
#include <gtest/gtest.h>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

namespace tvn::test {

// The control named `name` inside `root` (a window or one of its panels), found by its object
// name as the locator and the screenshot walk find it; a missing control fails the test.
template <class Control = QWidget> Control* control(const QObject& root, const QString& name) {
    auto* found = root.findChild<Control*>(name);
    EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
    return found;
}

template <class Control = QWidget> Control* control(const QObject& root, const char* name) {
    return control<Control>(root, QString::fromLatin1(name));
}

// Category button k (0 to 10) of the Creation panel.
inline QPushButton* categoryButton(const QObject& root, int k) {
    return control<QPushButton>(root, QStringLiteral("categoryButton%1").arg(k));
}

// The option of language k (0 English, 1 French, 2 Italian) on the Languages panel.
inline QRadioButton* languageOption(const QObject& root, int k) {
    static const std::array<const char*, 3> names = {"englishOption", "frenchOption",
                                                     "italianOption"};
    return control<QRadioButton>(root, names.at(static_cast<size_t>(k)));
}

// The hidden label that holds the text of `message`.
inline QLabel* messageLabel(const QObject& root, Message message) {
    static const std::array<const char*, kMessageCount> names = {
        "selectShortcutsMessage", "wrongSettingsMessage",     "settingsNotSavedMessage",
        "smallIconsHintMessage",  "resetBeforeChangeMessage", "deleteAllQuestion",
        "allDeletedMessage",      "descriptionMessage",       "newCategoryPrompt",
        "renameQuestionStart",    "renameQuestionMiddle",     "renameQuestionEnd"};
    return control<QLabel>(root, names.at(static_cast<size_t>(message) - 1));
}

} // namespace tvn::test
