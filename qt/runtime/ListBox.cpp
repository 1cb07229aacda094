#include "ListBox.h"

#include <QMouseEvent>

namespace bitloom::runtime {

ListBox::ListBox(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, &ListBox::clickEvent);
}

int ListBox::listIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    // A press beside the items keeps the selection, as a list box should.
    const QListWidgetItem *picked = itemAt(event->position().toPoint());
    if (!picked) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    const int before = listIndex();
    QListWidget::mousePressEvent(event);
    // A new selection has raised the event already; picking the selected item
    // again changes no selection, yet it is a pick all the same.
    if (event->button() == Qt::LeftButton && row(picked) == before && listIndex() == before)
        Q_EMIT clickEvent();
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex &index,
                                                              const QEvent *event) const
{
    // The user picks an item with the left button or the keyboard, and can
    // never empty the list's choice: no Ctrl+click toggle, no right-click pick.
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    if (event && event->isPointerEvent()) {
        const auto *mouse = static_cast<const QMouseEvent *>(event);
        if (!((mouse->button() | mouse->buttons()) & Qt::LeftButton))
            return QItemSelectionModel::NoUpdate;
    }
    return QItemSelectionModel::ClearAndSelect;
}

} // namespace bitloom::runtime
