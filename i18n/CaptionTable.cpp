#include "i18n/CaptionTable.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>

namespace tvn {

const std::array<std::u16string_view, kLanguageFieldCount>& captionTable() {
    // One row per field of the file, in the file's order.
    static constexpr std::array<std::u16string_view, kLanguageFieldCount> table = {
        u"Msg1",               // 1   select one or more shortcuts
        u"Msg2",               // 2   wrong configuration
        u"Msg3",               // 3   the configuration file could not be written
        u"Msg4",               // 4   the small-icons hint
        u"Msg5",               // 5   reset before changing an option?
        u"Msg6",               // 6   delete all classifications?
        u"Msg7",               // 7   all classifications deleted
        u"Msg8",               // 8   the program's description (help)
        u"Msg9",               // 9   prompt for a new category name
        u"Msg10",              // 10  rename question, up to the old name
        u"Msg11",              // 11  rename question, between the two names
        u"Msg12",              // 12  rename question, after the new name
        u"",                   // 13  read and not used
        u"CAdd",               // 14  Menu
        u"CContinue",          // 15  Introduction
        u"CExit",              // 16  Menu
        u"CmdChangeLanguage",  // 17  Config
        u"CmdLanguageOK",      // 18  Languages
        u"CMove",              // 19  Modify
        u"COK",                // 20  Config
        u"Command1",           // 21  Purges
        u"Command2",           // 22  Modify
        u"Command3",           // 23  Introduction
        u"Command4",           // 24  Languages
        u"Command5",           // 25  Menu
        u"Command6",           // 26  Menu
        u"Command7",           // 27  Menu
        u"Command8",           // 28  Creation
        u"Command9",           // 29  Menu
        u"Command10",          // 30  Creation
        u"CPurge",             // 31  Purges
        u"CReAnalyse",         // 32  Menu
        u"CRemove",            // 33  Modify
        u"CShowPurges",        // 34  Menu
        u"DoNotShowAgain",     // 35  Introduction
        u"DoNotShowAgain2",    // 36  Config
        u"Language0",          // 37  Languages: English
        u"Language1",          // 38  Languages: French
        u"Language2",          // 39  Languages: Italian
        u"Version0",           // 40  Picture1
        u"Version1",           // 41  Picture1
        u"Version2",           // 42  Picture1
        u"Version3",           // 43  Picture1
        u"Label100",           // 44  Creation: how to classify
        u"ChkHide",            // 45  Config
        u"Label1",             // 46  Introduction
        u"Label2",             // 47  Introduction
        u"Label3",             // 48  Introduction
        u"Label4",             // 49  Introduction: title
        u"Label5",             // 50  Creation: how to move
        u"Label6",             // 51  About2: the small-icons hint
        u"Label7",             // 52  Introduction
        u"Label8",             // 53  Menu
        u"Label9",             // 54  Menu: title
        u"Label10",            // 55  Menu, beside CAdd
        u"Label11",            // 56  Menu, beside CShowPurges
        u"Label12",            // 57  Menu, beside Command6
        u"Label13",            // 58  Menu, beside Command7
        u"Label14",            // 59  Languages: English prompt
        u"Label15",            // 60  Creation: title
        u"Label16",            // 61  Creation: help shortcuts need no classifying
        u"Label17",            // 62  window: please wait
        u"Label18",            // 63  Purges: title
        u"Label19",            // 64  Purges
        u"Label20",            // 65  Purges
        u"Label21",            // 66  Modify: title
        u"Label22",            // 67  Modify
        u"Label23",            // 68  Modify
        u"Label24",            // 69  Config: title
        u"Label25",            // 70  Config
        u"Label26",            // 71  Picture1
        u"Label27",            // 72  Picture1
        u"Label28",            // 73  Config
        u"Label29",            // 74  Config
        u"Label30",            // 75  About: product title
        u"Label31",            // 76  window: the progress label
        u"Label32",            // 77  About2: product title
        u"Label35",            // 78  About2: please wait
        u"Label36",            // 79  Languages: French prompt
        u"Label37",            // 80  Languages: Italian prompt
        u"Label38",            // 81  Creation: title in move mode
        u"Label39",            // 82  Creation: right-click to rename
        u"MnuChangeCategorie", // 83  the category buttons' pop-up menu
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
