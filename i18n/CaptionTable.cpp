#include "i18n/CaptionTable.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>

namespace tvn {

const std::array<std::u16string_view, kLanguageFieldCount>& captionTable() {
    // One row per field of the file, in the file's order.
    static constexpr std::array<std::u16string_view, kLanguageFieldCount> table = {
        u"selectShortcutsMessage",   // 1   select one or more shortcuts
        u"wrongSettingsMessage",     // 2   wrong configuration
        u"settingsNotSavedMessage",  // 3   the configuration file could not be written
        u"smallIconsHintMessage",    // 4   the small-icons hint
        u"resetBeforeChangeMessage", // 5   reset before changing an option?
        u"deleteAllQuestion",        // 6   delete all classifications?
        u"allDeletedMessage",        // 7   all classifications deleted
        u"descriptionMessage",       // 8   the program's description (help)
        u"newCategoryPrompt",        // 9   prompt for a new category name
        u"renameQuestionStart",      // 10  rename question, up to the old name
        u"renameQuestionMiddle",     // 11  rename question, between the two names
        u"renameQuestionEnd",        // 12  rename question, after the new name
        u"",                         // 13  read and not used
        u"classifyButton",           // 14  Menu
        u"continueButton",           // 15  Introduction
        u"exitButton",               // 16  Menu
        u"changeLanguageButton",     // 17  Config
        u"languageOkButton",         // 18  Languages
        u"moveButton",               // 19  Modify
        u"settingsOkButton",         // 20  Config
        u"purgesBackButton",         // 21  Purges
        u"modifyDoneButton",         // 22  Modify
        u"introductionExitButton",   // 23  Introduction
        u"languagesExitButton",      // 24  Languages
        u"settingsButton",           // 25  Menu
        u"modifyButton",             // 26  Menu
        u"resetButton",              // 27  Menu
        u"moveDoneButton",           // 28  Creation
        u"helpButton",               // 29  Menu
        u"creationDoneButton",       // 30  Creation
        u"purgeButton",              // 31  Purges
        u"rescanButton",             // 32  Menu
        u"removeButton",             // 33  Modify
        u"cleanUpButton",            // 34  Menu
        u"skipIntroduction",         // 35  Introduction
        u"skipIntroductionSetting",  // 36  Config
        u"englishOption",            // 37  Languages: English
        u"frenchOption",             // 38  Languages: French
        u"italianOption",            // 39  Languages: Italian
        u"englishEdition",           // 40  hiddenStore
        u"frenchEdition",            // 41  hiddenStore
        u"italianEdition",           // 42  hiddenStore
        u"otherEdition",             // 43  hiddenStore
        u"classifyInstructions",     // 44  Creation: how to classify
        u"hideHelpOption",           // 45  Config
        u"purposeText",              // 46  Introduction
        u"whatItDoesText",           // 47  Introduction
        u"nothingChangedText",       // 48  Introduction
        u"introductionTitle",        // 49  Introduction: title
        u"moveInstructions",         // 50  Creation: how to move
        u"smallIconsHint",           // 51  helpCover: the small-icons hint
        u"analysisNextText",         // 52  Introduction
        u"menuPrompt",               // 53  Menu
        u"menuTitle",                // 54  Menu: title
        u"classifyDescription",      // 55  Menu, beside classifyButton
        u"cleanUpDescription",       // 56  Menu, beside cleanUpButton
        u"modifyDescription",        // 57  Menu, beside modifyButton
        u"resetDescription",         // 58  Menu, beside resetButton
        u"englishPrompt",            // 59  Languages: English prompt
        u"creationTitle",            // 60  Creation: title
        u"helpShortcutsNote",        // 61  Creation: help shortcuts need no classifying
        u"pleaseWait",               // 62  window: please wait
        u"purgesTitle",              // 63  Purges: title
        u"orphansDescription",       // 64  Purges
        u"purgeInstructions",        // 65  Purges
        u"modifyTitle",              // 66  Modify: title
        u"removeInstructions",       // 67  Modify
        u"originalsStayNote",        // 68  Modify
        u"configTitle",              // 69  Config: title
        u"configPrompt",             // 70  Config
        u"windowsDriveCaption",      // 71  hiddenStore
        u"windowsEditionCaption",    // 72  hiddenStore
        u"startMenuCaption",         // 73  Config
        u"programsCaption",          // 74  Config
        u"aboutTitle",               // 75  About: product title
        u"progressLine",             // 76  window: the progress label
        u"helpCoverTitle",           // 77  helpCover: product title
        u"helpCoverWait",            // 78  helpCover: please wait
        u"frenchPrompt",             // 79  Languages: French prompt
        u"italianPrompt",            // 80  Languages: Italian prompt
        u"moveTitle",                // 81  Creation: title in move mode
        u"renameHint",               // 82  Creation: right-click to rename
        u"renameCategoryAction",     // 83  the category buttons' pop-up menu
    };
    return table;
}

bool setCaption(QObject& window, std::u16string_view control, const QString& caption) {
    const QString name = QString::fromUtf16(control.data(), qsizetype(control.size()));
    if (auto* label = window.findChild<QLabel*>(name)) {
        label->setText(caption);
        return true;
    }
    if (auto* button = window.findChild<QAbstractButton*>(name)) {
        button->setText(caption);
        return true;
    }
    if (auto* item = window.findChild<QAction*>(name)) {
        item->setText(caption);
        return true;
    }
    return false;
}

} // namespace tvn
