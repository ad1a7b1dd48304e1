#include "app/panels/PurgesPanel.h"

#include "app/ButtonRoles.h"
#include "app/ListFilter.h"
#include "app/QtListBox.h"
#include "app/Widgets.h"
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
                                 "questo programma) i quali collegamenti originali non "
                                 "esistono più."));
    purgeInstructions =
        makeLabel(this, QStringLiteral("purgeInstructions"),
                  QStringLiteral("Se lo desiderate, selezionate uno o più classificazioni "
                                 "inutili e premete il comando RIMUOVI."));
    orphansList = makeList(this, QStringLiteral("orphansList"));
    layout->addWidget(purgesTitle);
    layout->addWidget(orphansDescription);
    orphansFilter = new ListFilter(*this, *layout, *orphansList);
    layout->addWidget(orphansList, 1);
    layout->addWidget(purgeInstructions);
    purgesBackButton =
        makeButton(this, QStringLiteral("purgesBackButton"), QStringLiteral("Torna al menu..."));
    purgeButton = makeButton(this, QStringLiteral("purgeButton"), QStringLiteral("RIMUOVI"));
    purgesUndoButton = makeButton(this, QStringLiteral("purgesUndoButton"), QString());
    addButtonRow(*layout, {purgesBackButton, purgesUndoButton}, {purgeButton});

    orphansBox = std::make_unique<QtListBox>(*orphansList, true);
    orphansFilter->attach(*orphansBox);
    connect(purgeButton, &QPushButton::clicked, this, &PurgesPanel::purgeClicked);
    connect(purgesBackButton, &QPushButton::clicked, this, &PurgesPanel::backClicked);
    connect(purgesUndoButton, &QPushButton::clicked, this, &PurgesPanel::undoClicked);
}

PurgesPanel::~PurgesPanel() = default;

void PurgesPanel::open() {
    show();
    roles_.setDefaultButton(purgeButton);
    roles_.setCancelButton(purgesBackButton);
    purgeButton->setFocus();
}

void PurgesPanel::selectFirstOrphan() {
    if (orphansBox->count() > 0) {
        orphansBox->selectOnly(0);
        orphansList->setFocus();
    }
}

bool PurgesPanel::clearFilter() {
    return orphansFilter->clear();
}

bool PurgesPanel::enterListFrom(const QWidget& receiver) {
    if (&receiver != orphansFilter->box())
        return false;
    orphansFilter->enterList();
    return true;
}

void PurgesPanel::showUndoTexts(const QString& caption, const QString& tip) {
    purgesUndoButton->setText(caption);
    purgesUndoButton->setToolTip(tip);
}

void PurgesPanel::enableUndo(bool enabled) {
    purgesUndoButton->setEnabled(enabled);
}

void PurgesPanel::applyAccessibleTexts(int language) {
    orphansList->setAccessibleName(purgesTitle->text());
    orphansList->setAccessibleDescription(orphansDescription->text());
    purgeButton->setAccessibleDescription(purgeInstructions->text());
    purgesBackButton->setAccessibleDescription(builtInText(BuiltInText::BackToMenu, language));
    orphansFilter->applyAccessibleTexts(language);
}

} // namespace tvn
