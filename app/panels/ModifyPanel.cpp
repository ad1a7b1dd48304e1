#include "app/panels/ModifyPanel.h"

#include "app/ButtonRoles.h"
#include "app/FolderBesideName.h"
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

ModifyPanel::ModifyPanel(QWidget& window, ButtonRoles& roles)
    : QFrame(&window)
    , roles_(roles) {
    shapePanel(*this, QStringLiteral("modifyPanel"));
    QVBoxLayout* layout = makePanelLayout(this, 6);
    modifyTitle =
        makeLabel(this, QStringLiteral("modifyTitle"),
                  QStringLiteral("CANCELLAZIONE DELLE CLASSIFICAZIONI"), LabelStyle::Title);
    removeInstructions =
        makeLabel(this, QStringLiteral("removeInstructions"),
                  QStringLiteral("Ecco la lista di tutti i collegamenti classificati "
                                 "attraverso il comando AGGIUNGI del menu principale. "
                                 "Selezionate un collegamento e premete RIMUOVI."));
    originalsStayNote =
        makeLabel(this, QStringLiteral("originalsStayNote"),
                  QStringLiteral("La rimozione di uno di questi collegamenti non implica la "
                                 "rimozione del collegamento originale (che si trova nel "
                                 "menu PROGRAMMI) o del file originale."));
    copiesList = makeList(this, QStringLiteral("copiesList"));
    layout->addWidget(modifyTitle);
    layout->addWidget(removeInstructions);
    copiesFilter = new ListFilter(*this, *layout, *copiesList);
    layout->addWidget(copiesList, 1);
    layout->addWidget(originalsStayNote);
    modifyDoneButton =
        makeButton(this, QStringLiteral("modifyDoneButton"), QStringLiteral("Finito"));
    moveButton = makeButton(this, QStringLiteral("moveButton"), QStringLiteral("SPOSTA"));
    removeButton = makeButton(this, QStringLiteral("removeButton"), QStringLiteral("RIMUOVI"));
    modifyUndoButton = makeButton(this, QStringLiteral("modifyUndoButton"), QString());
    addButtonRow(*layout, {modifyDoneButton, modifyUndoButton}, {moveButton, removeButton});

    copiesBox = std::make_unique<QtListBox>(*copiesList, false);
    copiesFilter->attach(*copiesBox);
    connect(removeButton, &QPushButton::clicked, this, &ModifyPanel::removeClicked);
    connect(moveButton, &QPushButton::clicked, this, &ModifyPanel::moveClicked);
    connect(modifyDoneButton, &QPushButton::clicked, this, &ModifyPanel::doneClicked);
    connect(modifyUndoButton, &QPushButton::clicked, this, &ModifyPanel::undoClicked);
}

ModifyPanel::~ModifyPanel() = default;

void ModifyPanel::open() {
    show();
    roles_.setDefaultButton(removeButton);
    roles_.setCancelButton(modifyDoneButton);
    removeButton->setFocus();
}

void ModifyPanel::selectFirstCopy() {
    if (copiesBox->count() > 0) {
        copiesBox->selectOnly(0);
        copiesList->setFocus();
    }
}

bool ModifyPanel::clearFilter() {
    return copiesFilter->clear();
}

bool ModifyPanel::enterListFrom(const QWidget& receiver) {
    if (&receiver != copiesFilter->box())
        return false;
    copiesFilter->enterList();
    return true;
}

void ModifyPanel::showUndoTexts(const QString& caption, const QString& tip) {
    modifyUndoButton->setText(caption);
    modifyUndoButton->setToolTip(tip);
}

void ModifyPanel::enableUndo(bool enabled) {
    modifyUndoButton->setEnabled(enabled);
}

void ModifyPanel::applyAccessibleTexts(int language) {
    copiesList->setAccessibleName(modifyTitle->text());
    copiesList->setAccessibleDescription(removeInstructions->text());
    removeButton->setAccessibleDescription(originalsStayNote->text());
    modifyDoneButton->setAccessibleDescription(builtInText(BuiltInText::BackToMenu, language));
    moveButton->setAccessibleDescription(builtInText(BuiltInText::MoveCopies, language));
    copiesFilter->applyAccessibleTexts(language);
}

void ModifyPanel::showFolderBesideEachCopy(std::function<QString(int row)> folderOf) {
    copiesList->setItemDelegate(new FolderBesideName(std::move(folderOf), copiesList));
}

} // namespace tvn
