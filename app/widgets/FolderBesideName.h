#pragma once

#include <functional>
#include <QStyledItemDelegate>

namespace tvn {

// Draws each row of a list with the name of the folder its entry lies in at the row's right end,
// in a quieter colour, so that a list of copies from every category says where each one is. The
// entry's own text stays the row's text (what filters, selections and screen readers use); a
// name too long for what is left is elided.
class FolderBesideName final : public QStyledItemDelegate {
public:
    FolderBesideName(std::function<QString(int row)> folderOf, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    std::function<QString(int row)> folderOf_;
};

} // namespace tvn
