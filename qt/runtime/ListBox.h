#pragma once

#include <QListWidget>

namespace bitloom::runtime {

// A single-selection list whose click event is raised for every pick the user
// makes, by mouse or keyboard, including a click on the item that is already
// selected; and when the program changes the selection.
class ListBox : public QListWidget {
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent = nullptr);

    // The selected row, or -1 when nothing is selected.
    int listIndex() const;

Q_SIGNALS:
    void clickEvent();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
};

} // namespace bitloom::runtime
