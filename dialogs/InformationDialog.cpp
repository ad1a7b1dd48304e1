#include "dialogs/InformationDialog.h"

#include "dialogs/AboutTexts.h"
#include "dialogs/BuiltInPictures.h"
#include "dialogs/Look.h"
#include "dialogs/MakerAddresses.h"
#include "dialogs/Twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace tvn {
namespace {

enum class Emphasis { None, Bold, Shout, Address };

QFont fontFor(QFont font, Emphasis emphasis) {
    font.setPointSizeF(emphasis == Emphasis::Shout ? 13.0 : 10.0);
    if (emphasis != Emphasis::None)
        font.setBold(true);
    return font;
}

} // namespace

InformationDialog::InformationDialog(QWidget& mainWindow, int languageIndex)
    : QDialog(&mainWindow) {
    const AboutTexts texts = aboutTexts(languageIndex);
    setObjectName(QStringLiteral("FrmInfo"));
    setWindowTitle(texts.infoTitle);
    setFont(torvaneFont());

    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(12, 12, 12, 12);
    columns->setSpacing(16);
    picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(QPixmap(builtInPicturePath(BuiltInPicture::Info, languageIndex)));
    picture->setFixedSize(px(3360), px(3360));
    columns->addWidget(picture, 0, Qt::AlignVCenter);

    auto* text = new QVBoxLayout;
    text->setSpacing(6);
    columns->addLayout(text, 1);
    const QString email = QString::fromUtf16(kMakerEmailAddress);
    const QString web = QString::fromUtf16(kMakerWebAddress);
    struct Part {
        int index;
        QString text;
        Emphasis emphasis;
    };
    // One row per line; the parts of a line are read left to right.
    const std::vector<std::vector<Part>> lines = {
        {{3, texts.completely, Emphasis::None}, {4, texts.free, Emphasis::Shout}},
        {{5, texts.please, Emphasis::None}, {7, texts.sendUsAnEmail, Emphasis::Bold}},
        {{10, texts.withComments, Emphasis::None}},
        {{8, texts.to, Emphasis::None}, {9, email, Emphasis::Address}},
        {},
        {{0, texts.latestVersion, Emphasis::None}},
        {{6, texts.otherSoftware, Emphasis::None}},
        {{1, web, Emphasis::Address}},
        {},
        {{11, texts.thanks, Emphasis::Shout}},
    };
    // The text column's width; a line whose parts do not fit it side by side shows one part
    // per row, so that no language's words are cut or drawn over each other.
    const int columnWidth = clientSizeOf(9150, 5950).width() - 2 * 12 - px(3360) - 16;
    constexpr int kPartSpacing = 6;
    const auto addRow = [&](const std::vector<QLabel*>& labels) {
        auto* row = new QHBoxLayout;
        row->setSpacing(kPartSpacing);
        row->addStretch();
        for (QLabel* label : labels)
            row->addWidget(label, 0, Qt::AlignBaseline);
        row->addStretch();
        text->addLayout(row);
    };
    text->addStretch();
    for (const std::vector<Part>& line : lines) {
        if (line.empty()) {
            text->addSpacing(14);
            continue;
        }
        std::vector<QLabel*> labels;
        int lineWidth = -kPartSpacing;
        for (const Part& part : line) {
            QLabel* label =
                makeWindowLabel(this, QStringLiteral("textPart%1").arg(part.index), part.text);
            label->setFont(fontFor(font(), part.emphasis));
            if (part.emphasis == Emphasis::Address || part.emphasis == Emphasis::Shout) {
                QPalette palette = label->palette();
                palette.setColor(QPalette::WindowText, part.emphasis == Emphasis::Address
                                                           ? QColor(0, 0, 160)
                                                           : QColor(176, 0, 0));
                label->setPalette(palette);
            }
            textParts[static_cast<size_t>(part.index)] = label;
            labels.push_back(label);
            lineWidth += label->sizeHint().width() + kPartSpacing;
        }
        if (lineWidth <= columnWidth) {
            addRow(labels);
            continue;
        }
        for (QLabel* label : labels)
            addRow({label});
    }
    text->addStretch();

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    okButton->setMinimumWidth(80);
    text->addWidget(okButton, 0, Qt::AlignRight);
    connect(okButton, &QPushButton::clicked, this, &InformationDialog::okClicked);

    placeOnMainWindow(mainWindow);
}

void InformationDialog::placeOnMainWindow(const QWidget& mainWindow) {
    setFixedSize(clientSizeOf(9150, 5950));
    // Both windows share their top-left corner, wherever the main window has been moved.
    move(mainWindow.pos());
}

void InformationDialog::okClicked() {
    accept();
}

} // namespace tvn
