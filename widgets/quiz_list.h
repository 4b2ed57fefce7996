#pragma once

#include <QListView>

// A list of the quiz (expressions, meanings, entered pairs, font faces and sizes) as a learner and
// a screen reader should meet it: one row selected at a time, which the learner can move but not
// take away.
class QuizList : public QListView
{
    Q_OBJECT

public:
    explicit QuizList(QWidget *parent = nullptr);

    // Selects a row, or nothing for -1, and brings it into sight.
    void showSelected(qsizetype row);

Q_SIGNALS:
    // The learner chose a row the list had not selected, or (-1) something took the selection away.
    void chosen(int row);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_removing = false;
};
