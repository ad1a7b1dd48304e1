#include "app/widgets/FolderBesideName.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace tvn {

namespace {

// Between the entry's text and the folder's name, and after the folder's name.
constexpr int kGap = 12;
constexpr int kRightMargin = 4;

} // namespace

FolderBesideName::FolderBesideName(std::function<QString(int row)> folderOf, QObject* parent)
    : QStyledItemDelegate(parent)
    , folderOf_(std::move(folderOf)) {}

void FolderBesideName::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QString folder = folderOf_(index.row());
    if (folder.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    const QStyle* style = row.widget ? row.widget->style() : QApplication::style();
    // The row's background, selection included, spans the folder's name too.
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &row, painter, row.widget);

    const int room = option.rect.width() / 2;
    const QString shown =
        option.fontMetrics.elidedText(folder, Qt::ElideMiddle, room - kGap - kRightMargin);
    const int width = option.fontMetrics.horizontalAdvance(shown) + kRightMargin;
    QStyleOptionViewItem name = option;
    name.rect.setRight(option.rect.right() - width - kGap);
    QStyledItemDelegate::paint(painter, name, index);

    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->setPen(
        option.palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
    QRect folderArea = option.rect;
    folderArea.setRight(option.rect.right() - kRightMargin);
    painter->drawText(folderArea, Qt::AlignRight | Qt::AlignVCenter, shown);
    painter->restore();
}

} // namespace tvn
