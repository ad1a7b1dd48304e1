#pragma once

#include <QString>

namespace tvn {

// The words of the about and information windows, which the language files have no field for.
struct AboutTexts {
    QString aboutTitle;    // the about window's title
    QString writeToUs;     // the about window's invitation, "%1" the e-mail address
    QString clickToGoOn;   // the about window's prompt
    QString infoTitle;     // the information window's title
    QString completely;    // "This program is completely" ...
    QString free;          // ... "FREE!!!"
    QString please;        // "Please" ...
    QString sendUsAnEmail; // ... "SEND US AN E-MAIL"
    QString withComments;  // "with your comments or suggestions"
    QString to;            // "to:" before the e-mail address
    QString latestVersion; // "Get the latest version of this program"
    QString otherSoftware; // "and lots of other free software at:" before the web address
    QString thanks;        // the closing shout
};

// The texts in the language (0 English, 1 French, 2 Italian; English otherwise).
AboutTexts aboutTexts(int languageIndex);

} // namespace tvn
