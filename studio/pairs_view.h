#pragma once

#include <QTableView>

class PairsModel;

// The pairs table: cells edited in place (typing, F2 or Enter), the explanation as lines, picture
// files dropped on a row, rows of one height so a table of a thousand pairs scrolls at once.
class PairsView : public QTableView
{
    Q_OBJECT

public:
    explicit PairsView(PairsModel *model, QWidget *parent = nullptr);

    // The rows with a selected cell, or the current row; sorted.
    QList<int> selectedRows() const;
    // The first and the count of selected rows when they follow one another; count 0 otherwise.
    std::pair<int, int> selectedBlock() const;

Q_SIGNALS:
    // Enter or a double click on a picture cell.
    void pictureChosen(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
