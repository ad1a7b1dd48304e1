#include "app/panels/ListPanel.h"

#include "app/panels/FilteredList.h"
#include "app/widgets/ButtonRoles.h"
#include "app/widgets/FolderBesideName.h"
#include "app/widgets/QtListBox.h"
#include "app/widgets/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tvn {

ListPanelShape ListPanel::modifyShape() {
    return {QStringLiteral("modifyPanel"),
            {QStringLiteral("modifyTitle"), QStringLiteral("CANCELLAZIONE DELLE CLASSIFICAZIONI")},
            {QStringLiteral("removeInstructions"),
             QStringLiteral("Ecco la lista di tutti i collegamenti classificati "
                            "attraverso il comando AGGIUNGI del menu principale. "
                            "Selezionate un collegamento e premete RIMUOVI.")},
            QStringLiteral("copiesList"),
            false,
            {QStringLiteral("originalsStayNote"),
             QStringLiteral("La rimozione di uno di questi collegamenti non implica la "
                            "rimozione del collegamento originale (che si trova nel "
                            "menu PROGRAMMI) o del file originale.")},
            {QStringLiteral("modifyDoneButton"), QStringLiteral("Finito")},
            {QStringLiteral("removeButton"), QStringLiteral("RIMUOVI")},
            QStringLiteral("modifyUndoButton"),
            ListPanelShape::OtherButton{{QStringLiteral("moveButton"), QStringLiteral("SPOSTA")},
                                        BuiltInText::MoveCopies},
            std::nullopt};
}

ListPanelShape ListPanel::purgesShape() {
    return {QStringLiteral("purgesPanel"),
            {QStringLiteral("purgesTitle"), QStringLiteral("DEPURAZIONE DELLE ICONE INUTILI ")},
            {QStringLiteral("orphansDescription"),
             QStringLiteral("Ecco la lista dei collegamenti classificati (creati con "
                            "questo programma) i cui collegamenti originali non "
                            "esistono più.")},
            QStringLiteral("orphansList"),
            true,
            {QStringLiteral("purgeInstructions"),
             QStringLiteral("Se lo desiderate, selezionate una o più classificazioni "
                            "inutili e premete il comando RIMUOVI.")},
            {QStringLiteral("purgesBackButton"), QStringLiteral("Torna al menu...")},
            {QStringLiteral("purgeButton"), QStringLiteral("RIMUOVI")},
            QStringLiteral("purgesUndoButton"),
            std::nullopt,
            ListPanelShape::Control{QStringLiteral("noOrphansNote"),
                                    builtInText(BuiltInText::NoOrphans, 0)}};
}

ListPanel::ListPanel(QWidget& window, ButtonRoles& roles, const ListPanelShape& shape)
    : QFrame(&window)
    , roles_(roles)
    , otherDescription_(shape.other ? std::optional(shape.other->description) : std::nullopt) {
    shapePanel(*this, shape.panelName);
    QVBoxLayout* layout = makePanelLayout(this, 6);
    title = makeLabel(this, shape.title.name, shape.title.caption, LabelStyle::Title);
    above = makeLabel(this, shape.above.name, shape.above.caption);
    below = makeLabel(this, shape.below.name, shape.below.caption);
    layout->addWidget(title);
    layout->addWidget(above);
    list = std::make_unique<FilteredList>(*this, *layout, shape.listName, shape.sorted);
    layout->addWidget(below);
    if (shape.emptyNote) {
        emptyNote = makeLabel(this, shape.emptyNote->name, shape.emptyNote->caption);
        layout->addWidget(emptyNote);
        const auto showWhetherEmpty = [this] {
            const bool empty = entries().count() == 0;
            below->setVisible(!empty);
            emptyNote->setVisible(empty);
        };
        connect(&entries(), &QtListBox::countsChanged, this, showWhetherEmpty);
        showWhetherEmpty();
    }
    // Created in tab order: Back, the second button, the main one, Undo.
    backButton = makeButton(this, shape.back.name, shape.back.caption);
    if (shape.other)
        otherButton = makeButton(this, shape.other->control.name, shape.other->control.caption);
    actButton = makeButton(this, shape.act.name, shape.act.caption);
    undoButton = makeButton(this, shape.undoName, QString());
    if (otherButton)
        addButtonRow(*layout, {backButton, undoButton}, {otherButton, actButton});
    else
        addButtonRow(*layout, {backButton, undoButton}, {actButton});

    connect(actButton, &QPushButton::clicked, this, &ListPanel::actClicked);
    if (otherButton)
        connect(otherButton, &QPushButton::clicked, this, &ListPanel::otherClicked);
    connect(backButton, &QPushButton::clicked, this, &ListPanel::backClicked);
    connect(undoButton, &QPushButton::clicked, this, &ListPanel::undoClicked);
}

ListPanel::~ListPanel() = default;

void ListPanel::open() {
    show();
    roles_.setDefaultButton(actButton);
    roles_.setCancelButton(backButton);
    actButton->setFocus();
}

QtListBox& ListPanel::entries() const {
    return list->entries();
}

void ListPanel::selectFirst() {
    list->selectFirst();
}

bool ListPanel::clearFilter() {
    return list->clearFilter();
}

bool ListPanel::enterListFrom(const QWidget& receiver) {
    return list->enterListFrom(receiver);
}

void ListPanel::showUndoTexts(const QString& caption, const QString& tip) {
    undoButton->setText(caption);
    undoButton->setToolTip(tip);
}

void ListPanel::enableUndo(bool enabled) {
    undoButton->setEnabled(enabled);
}

void ListPanel::showEmptyListText(const QString& text) {
    if (emptyNote)
        emptyNote->setText(text);
}

void ListPanel::applyAccessibleTexts(int language) {
    list->applyAccessibleTexts(title->text(), above->text(), language);
    actButton->setAccessibleDescription(below->text());
    backButton->setAccessibleDescription(builtInText(BuiltInText::BackToMenu, language));
    if (otherButton && otherDescription_)
        otherButton->setAccessibleDescription(builtInText(*otherDescription_, language));
}

void ListPanel::showFolderBesideEachEntry(std::function<QString(int row)> folderOf) {
    QListWidget& widget = list->widget();
    widget.setItemDelegate(new FolderBesideName(std::move(folderOf), &widget));
}

} // namespace tvn
