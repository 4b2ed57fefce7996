#include "quiz_list.h"

#include <QAccessible>
#include <QKeyEvent>

// QListView reports its new current item as focused whether or not the list has the focus. An
// entered or taken-back pair moves the current rows of lists the learner is not in, and a screen
// reader would leave the focused button for their items; only the focused list may say so.
void QuizList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (hasFocus())
        QListWidget::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous);
}

// After an entry the list has no selection but keeps a current row. A key that leaves that row
// where it is (Home on the first row, Up on it, End on the last) would select nothing; it selects
// the current row as a move onto it would, and says so.
void QuizList::keyPressEvent(QKeyEvent *event)
{
    const bool noneSelected = !selectionModel()->hasSelection();
    const QModelIndex before = currentIndex();
    QListWidget::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Home: case Qt::Key_End: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Space:
        break;
    default:
        return;
    }
    if (!noneSelected || !before.isValid() || currentIndex() != before)
        return;
    if (!selectionModel()->hasSelection())
        selectionModel()->select(before, QItemSelectionModel::ClearAndSelect);
    if (QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(before.row());
        QAccessible::updateAccessibility(&focus);
    }
}
