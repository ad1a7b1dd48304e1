#include "app/frame/MainWindow.h"
#include "app/panels/ConfigPanel.h"
#include "app/panels/CreationPanel.h"
#include "app/panels/IntroductionPanel.h"
#include "app/panels/LanguagesPanel.h"
#include "app/panels/ListPanel.h"
#include "app/panels/MenuPanel.h"

// What assistive technology says of each control, in the interface language. A button, box or
// option is named by its caption, as the toolkit does by itself; this names the lists and text
// boxes after the label that tells what they hold, and gives every control a description.

namespace tvn {

void MainWindow::applyAccessibleTexts() {
    const int language = state_.languageIndex;
    languages_->applyAccessibleTexts(language);
    introduction_->applyAccessibleTexts(language);
    menu_->applyAccessibleTexts(language);
    creation_->applyAccessibleTexts(language);
    modify_->applyAccessibleTexts(language);
    purges_->applyAccessibleTexts(language);
    // The option that hides the help shortcuts is described by the Creation panel's note on them.
    config_->applyAccessibleTexts(language, creation_->helpShortcutsNoteText());
}

} // namespace tvn
