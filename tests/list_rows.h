#pragma once

#include <QAbstractItemView>
#include <QTest>

// The rows of a list view as the tests read and click them.
namespace ListRows {

inline QModelIndex at(const QAbstractItemView *view, int row) { return view->model()->index(row, 0); }
inline QString text(const QAbstractItemView *view, int row) { return at(view, row).data().toString(); }
inline int count(const QAbstractItemView *view) { return view->model()->rowCount(); }
inline QModelIndexList selected(const QAbstractItemView *view) { return view->selectionModel()->selectedRows(); }
inline QString currentText(const QAbstractItemView *view) { return view->currentIndex().data().toString(); }

// The first row with exactly this text, -1 when none.
inline int rowOf(const QAbstractItemView *view, const QString &text)
{
    const QModelIndexList found = view->model()->match(at(view, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
    return found.isEmpty() ? -1 : found.first().row();
}

inline void click(QAbstractItemView *view, int row)
{
    view->scrollTo(at(view, row));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(at(view, row)).center());
}

} // namespace ListRows
