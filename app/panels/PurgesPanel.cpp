#include "app/panels/PurgesPanel.h"

#include "app/panels/FilteredList.h"
#include "app/widgets/ButtonRoles.h"
#include "app/widgets/QtListBox.h"
#include "app/widgets/Widgets.h"
#include "i18n/BuiltInTexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tvn {

PurgesPanel::PurgesPanel(QWidget& window, ButtonRoles& roles)
    : QFrame(&window)
    , roles_(roles) {
    shapePanel(*this, QStringLiteral("purgesPanel"));
    QVBoxLayout* layout = makePanelLayout(this, 6);
    purgesTitle = makeLabel(this, QStringLiteral("purgesTitle"),
                            QStringLiteral("DEPURAZIONE DELLE ICONE INUTILI "), LabelStyle::Title);
    orphansDescription =
        makeLabel(this, QStringLiteral("orphansDescription"),
                  QStringLiteral("Ecco la lista dei collegamenti classificati (creati con "
                                 "questo programma) i cui collegamenti originali non "
                                 "esistono più."));
    purgeInstructions =
        makeLabel(this, QStringLiteral("purgeInstructions"),
                  QStringLiteral("Se lo desiderate, selezionate una o più classificazioni "
                                 "inutili e premete il comando RIMUOVI."));
    layout->addWidget(purgesTitle);
    layout->addWidget(orphansDescription);
    orphansList =
        std::make_unique<FilteredList>(*this, *layout, QStringLiteral("orphansList"), true);
    noOrphansNote =
        makeLabel(this, QStringLiteral("noOrphansNote"), builtInText(BuiltInText::NoOrphans, 0));
    layout->addWidget(purgeInstructions);
    layout->addWidget(noOrphansNote);
    purgesBackButton =
        makeButton(this, QStringLiteral("purgesBackButton"), QStringLiteral("Torna al menu..."));
    purgeButton = makeButton(this, QStringLiteral("purgeButton"), QStringLiteral("RIMUOVI"));
    purgesUndoButton = makeButton(this, QStringLiteral("purgesUndoButton"), QString());
    addButtonRow(*layout, {purgesBackButton, purgesUndoButton}, {purgeButton});

    connect(purgeButton, &QPushButton::clicked, this, &PurgesPanel::purgeClicked);
    connect(purgesBackButton, &QPushButton::clicked, this, &PurgesPanel::backClicked);
    connect(purgesUndoButton, &QPushButton::clicked, this, &PurgesPanel::undoClicked);
    const auto showWhetherEmpty = [this] {
        const bool empty = orphans().count() == 0;
        purgeInstructions->setVisible(!empty);
        noOrphansNote->setVisible(empty);
    };
    connect(&orphans(), &QtListBox::countsChanged, this, showWhetherEmpty);
    showWhetherEmpty();
}

PurgesPanel::~PurgesPanel() = default;

void PurgesPanel::open() {
    show();
    roles_.setDefaultButton(purgeButton);
    roles_.setCancelButton(purgesBackButton);
    purgeButton->setFocus();
}

QtListBox& PurgesPanel::orphans() const {
    return orphansList->entries();
}

void PurgesPanel::selectFirstOrphan() {
    orphansList->selectFirst();
}

bool PurgesPanel::clearFilter() {
    return orphansList->clearFilter();
}

bool PurgesPanel::enterListFrom(const QWidget& receiver) {
    return orphansList->enterListFrom(receiver);
}

void PurgesPanel::showUndoTexts(const QString& caption, const QString& tip) {
    purgesUndoButton->setText(caption);
    purgesUndoButton->setToolTip(tip);
}

void PurgesPanel::showNoOrphansText(const QString& text) {
    noOrphansNote->setText(text);
}

void PurgesPanel::enableUndo(bool enabled) {
    purgesUndoButton->setEnabled(enabled);
}

void PurgesPanel::applyAccessibleTexts(int language) {
    orphansList->applyAccessibleTexts(purgesTitle->text(), orphansDescription->text(), language);
    purgeButton->setAccessibleDescription(purgeInstructions->text());
    purgesBackButton->setAccessibleDescription(builtInText(BuiltInText::BackToMenu, language));
}

} // namespace tvn
