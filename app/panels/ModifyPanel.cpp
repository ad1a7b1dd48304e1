#include "app/panels/ModifyPanel.h"

#include "app/panels/FilteredList.h"
#include "app/widgets/ButtonRoles.h"
#include "app/widgets/FolderBesideName.h"
#include "app/widgets/QtListBox.h"
#include "app/widgets/Widgets.h"
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
    layout->addWidget(modifyTitle);
    layout->addWidget(removeInstructions);
    copiesList =
        std::make_unique<FilteredList>(*this, *layout, QStringLiteral("copiesList"), false);
    layout->addWidget(originalsStayNote);
    modifyDoneButton =
        makeButton(this, QStringLiteral("modifyDoneButton"), QStringLiteral("Finito"));
    moveButton = makeButton(this, QStringLiteral("moveButton"), QStringLiteral("SPOSTA"));
    removeButton = makeButton(this, QStringLiteral("removeButton"), QStringLiteral("RIMUOVI"));
    modifyUndoButton = makeButton(this, QStringLiteral("modifyUndoButton"), QString());
    addButtonRow(*layout, {modifyDoneButton, modifyUndoButton}, {moveButton, removeButton});

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

QtListBox& ModifyPanel::copies() const {
    return copiesList->entries();
}

void ModifyPanel::selectFirstCopy() {
    copiesList->selectFirst();
}

bool ModifyPanel::clearFilter() {
    return copiesList->clearFilter();
}

bool ModifyPanel::enterListFrom(const QWidget& receiver) {
    return copiesList->enterListFrom(receiver);
}

void ModifyPanel::showUndoTexts(const QString& caption, const QString& tip) {
    modifyUndoButton->setText(caption);
    modifyUndoButton->setToolTip(tip);
}

void ModifyPanel::enableUndo(bool enabled) {
    modifyUndoButton->setEnabled(enabled);
}

void ModifyPanel::applyAccessibleTexts(int language) {
    copiesList->applyAccessibleTexts(modifyTitle->text(), removeInstructions->text(), language);
    removeButton->setAccessibleDescription(originalsStayNote->text());
    modifyDoneButton->setAccessibleDescription(builtInText(BuiltInText::BackToMenu, language));
    moveButton->setAccessibleDescription(builtInText(BuiltInText::MoveCopies, language));
}

void ModifyPanel::showFolderBesideEachCopy(std::function<QString(int row)> folderOf) {
    QListWidget& list = copiesList->widget();
    list.setItemDelegate(new FolderBesideName(std::move(folderOf), &list));
}

} // namespace tvn
