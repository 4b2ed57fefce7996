#pragma once

#include <QListWidget>

// A list of the test (expressions, meanings, entered pairs) as a screen reader should hear it.
class QuizList : public QListWidget
{
    Q_OBJECT

public:
    using QListWidget::QListWidget;

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void keyPressEvent(QKeyEvent *event) override;
};
