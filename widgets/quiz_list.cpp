#include "widgets/quiz_list.h"

#include <QAccessible>
#include <QKeyEvent>

QuizList::QuizList(QWidget *parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

void QuizList::showSelected(qsizetype row)
{
    const QModelIndex index = model()->index(int(row), 0);
    if (!index.isValid())
        return clearSelection();
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

// Ctrl+click or Ctrl+Space would take the selection away: after the evaluation a pair must stay
// selected, or "Обясни" would let "Оцени" run a second time.
QItemSelectionModel::SelectionFlags QuizList::selectionCommand(const QModelIndex &index,
                                                               const QEvent *event) const
{
    const auto command = QListView::selectionCommand(index, event);
    if (m_removing
        || (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle) && selectionModel()->isSelected(index)))
        return QItemSelectionModel::NoUpdate;
    return command;
}

// A single-selection view selects the row after a removed current one; the quiz decides what is
// selected, so only the current row moves on.
void QuizList::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    m_removing = true;
    QListView::rowsAboutToBeRemoved(parent, start, end);
    m_removing = false;
}

// QListView reports its new current item as focused whether or not the list has the focus. An
// entered or taken-back pair moves the current rows of lists the learner is not in, and a screen
// reader would leave the focused button for their items; only the focused list may say so.
void QuizList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (hasFocus())
        QListView::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous);
}

void QuizList::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QListView::selectionChanged(selected, deselected);
    // An assistive tool's select adds its row to the one already selected: the newly selected row
    // is the learner's choice.
    if (!selected.isEmpty())
        Q_EMIT chosen(selected.indexes().constFirst().row());
    else if (!selectionModel()->hasSelection())
        Q_EMIT chosen(-1);
}

// After an entry the list has no selection but keeps a current row. A key that leaves that row
// where it is (Home on the first row, Up on it, End on the last) would select nothing; it selects
// the current row as a move onto it would, and says so.
void QuizList::keyPressEvent(QKeyEvent *event)
{
    const bool noneSelected = !selectionModel()->hasSelection();
    const QModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
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
