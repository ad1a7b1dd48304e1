#include "Categories.h"
#include "FrmMain.h"
#include "Geometry.h"
#include "Widgets.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

// The working panels: classification (and moving) with the category buttons, the list of
// classified copies, and the orphan purge.

namespace tvn {
namespace {

constexpr int kMargin = 10;
constexpr int kTitleHeight = 20;

QListWidget* makeList(QWidget* parent, const QString& name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setMinimumHeight(60);
    return list;
}

} // namespace

void FrmMain::buildCreationPanel() {
    Creation = makePanel(QStringLiteral("Creation"));
    const int columnWidth = kCategoryLeft - 2 * kMargin;
    const int panelHeight = kPanelRect.height();

    // The two titles share one place: move mode shows the second.
    Label15 = makeLabel(Creation, QStringLiteral("Label15"),
                        QStringLiteral("CLASSIFICAZIONE DI COLLEGAMENTI"), LabelStyle::Title);
    Label38 = makeLabel(Creation, QStringLiteral("Label38"),
                        QStringLiteral("SPOSTAMENTO DI COLLEGAMENTI"), LabelStyle::Title);
    for (QLabel* title : {Label15, Label38}) {
        title->setWordWrap(false);
        title->setGeometry(kMargin, 8, kPanelRect.width() - 2 * kMargin, kTitleHeight);
    }
    Label38->hide();

    // The left column: instructions, the list and the hint about help shortcuts.
    auto* column = new QWidget(Creation);
    column->setObjectName(QStringLiteral("CreationColumn"));
    column->setGeometry(kMargin, 8 + kTitleHeight, columnWidth,
                        panelHeight - 8 - kTitleHeight - kMargin);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    // The move instructions lie under the classification ones, which cover them until move
    // mode hides them.
    Label5 = makeLabel(column, QStringLiteral("Label5"),
                       QStringLiteral("Selezionate i collegamenti che volete spostare e segliete "
                                      "la nuova categoria corrispondente. Quando avrete "
                                      "assegnato tutte le nuove categorie, premete Finito..."));
    Label100 = makeLabel(column, QStringLiteral("Label100"),
                         QStringLiteral("Ecco la lista dei collegamenti (del menu PROGRAMMI) che "
                                        "non sono stati ancora classificati. Selezionate uno o "
                                        "più collegamenti e scegliete la categoria relativa "
                                        "schiacciando uno dei tasti a fianco."));
    Label100->setAutoFillBackground(true);
    auto* instructions = new QGridLayout;
    instructions->setContentsMargins(0, 0, 0, 0);
    instructions->addWidget(Label5, 0, 0);
    instructions->addWidget(Label100, 0, 0);
    layout->addLayout(instructions);
    NotYet = makeList(column, QStringLiteral("NotYet"));
    layout->addWidget(NotYet, 1);
    Label16 = makeLabel(column, QStringLiteral("Label16"),
                        QStringLiteral("E' inutile classificate i collegamenti per i file di aiuto "
                                       "(help), di testo (Leggimi o Read Me) o di "
                                       "disinstallazione (Uninstall) poiché essi saranno "
                                       "comunque accessibilli dal menu PROGRAMMI."));
    Label39 = makeLabel(column, QStringLiteral("Label39"),
                        QStringLiteral("Premete su una categoria con il tasto di destra del mouse "
                                       "per cambiarle il nome."));
    for (QLabel* hint : {Label16, Label39}) {
        QFont font = hint->font();
        font.setPointSizeF(font.pointSizeF() - 1.0);
        hint->setFont(font);
        layout->addWidget(hint);
    }

    const auto captions = builtInCategoryCaptions();
    for (int k = 0; k < kCategoryCount; ++k) {
        QPushButton* button = makeButton(Creation, QStringLiteral("Categories%1").arg(k),
                                         captions[static_cast<size_t>(k)]);
        button->setMinimumWidth(0);
        button->setGeometry(kCategoryLeft, kCategoryTops[k], kCategoryWidth, kCategoryHeight);
        Categories[static_cast<size_t>(k)] = button;
    }

    // The two done buttons share one place below the categories: move mode shows the second.
    const int doneTop = panelHeight - kMargin - 24;
    Command10 = makeButton(Creation, QStringLiteral("Command10"), QStringLiteral("Finito"));
    Command8 = makeButton(Creation, QStringLiteral("Command8"), QStringLiteral("Finito..."));
    for (QPushButton* done : {Command10, Command8}) {
        done->setMinimumWidth(0);
        done->setGeometry(kCategoryLeft, doneTop, kCategoryWidth, 24);
    }
    Command8->hide();

    MnuPopup = new QMenu(this);
    MnuPopup->setObjectName(QStringLiteral("MnuPopup"));
    MnuChangeCategorie = MnuPopup->addAction(QStringLiteral("Personalizza..."));
    MnuChangeCategorie->setObjectName(QStringLiteral("MnuChangeCategorie"));
}

void FrmMain::buildModifyPanel() {
    Modify = makePanel(QStringLiteral("Modify"));
    QVBoxLayout* layout = makePanelLayout(Modify, 6);
    Label21 = makeLabel(Modify, QStringLiteral("Label21"),
                        QStringLiteral("CANCELLAZIONE DELLE CLASSIFICAZIONI"), LabelStyle::Title);
    Label22 = makeLabel(Modify, QStringLiteral("Label22"),
                        QStringLiteral("Ecco la lista di tutti i collegamenti classificati "
                                       "attraverso il comando AGGIUNGI del menu principale. "
                                       "Selezionate un collegamento e premete RIMUOVI."));
    Label23 = makeLabel(Modify, QStringLiteral("Label23"),
                        QStringLiteral("La rimozione di uno di questi collegamenti non implica la "
                                       "rimozione del collegamento originale (che si trova nel "
                                       "menu PROGRAMMI) o del file originale."));
    ListModify = makeList(Modify, QStringLiteral("ListModify"));
    layout->addWidget(Label21);
    layout->addWidget(Label22);
    layout->addWidget(ListModify, 1);
    layout->addWidget(Label23);
    Command2 = makeButton(Modify, QStringLiteral("Command2"), QStringLiteral("Finito"));
    CMove = makeButton(Modify, QStringLiteral("CMove"), QStringLiteral("SPOSTA"));
    CRemove = makeButton(Modify, QStringLiteral("CRemove"), QStringLiteral("RIMUOVI"));
    addButtonRow(*layout, {Command2}, {CMove, CRemove});
}

void FrmMain::buildPurgesPanel() {
    Purges = makePanel(QStringLiteral("Purges"));
    QVBoxLayout* layout = makePanelLayout(Purges, 6);
    Label18 = makeLabel(Purges, QStringLiteral("Label18"),
                        QStringLiteral("DEPURAZIONE DELLE ICONE INUTILI "), LabelStyle::Title);
    Label19 = makeLabel(Purges, QStringLiteral("Label19"),
                        QStringLiteral("Ecco la lista dei collegamenti classificati (creati con "
                                       "questo programma) i quali collegamenti originali non "
                                       "esistono più."));
    Label20 = makeLabel(Purges, QStringLiteral("Label20"),
                        QStringLiteral("Se lo desiderate, selezionate uno o più classificazioni "
                                       "inutili e premete il comando RIMUOVI."));
    PurgeList = makeList(Purges, QStringLiteral("PurgeList"));
    layout->addWidget(Label18);
    layout->addWidget(Label19);
    layout->addWidget(PurgeList, 1);
    layout->addWidget(Label20);
    Command1 = makeButton(Purges, QStringLiteral("Command1"), QStringLiteral("Torna al menu..."));
    CPurge = makeButton(Purges, QStringLiteral("CPurge"), QStringLiteral("RIMUOVI"));
    addButtonRow(*layout, {Command1}, {CPurge});
}

} // namespace tvn
