#pragma once

#include "studiocore/quiz_draft.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QImage>

class QUndoStack;


// The quiz's pairs as a table: expression, meaning, explanation lines and picture, one row a pair.
// Every edit from a view and every edit the window asks for goes through the undo stack as one
// step; the commands change the rows through replaceRows and moveRowsTo.
class PairsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Expression, Meaning, Explanation, Picture, ColumnCount };
    static constexpr int kThumbnailHeight = 24;

    explicit PairsModel(QUndoStack *undo, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    // Picture files dropped on a row: the first on that row, each further one on the next.
    QStringList mimeTypes() const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }

    const QList<PairRow> &rows() const { return m_rows; }

    // Edits, each one undo step.
    void insertBlankRows(int row, int count);
    void insertPairs(int row, const QList<PairRow> &pairs, const QString &undoText);
    void removePairs(QList<int> rows);
    // Moves rows first..first+count-1 by delta rows (up when negative), within the table.
    bool movePairs(int first, int count, int delta);
    void setPicture(int row, const StudioPicture &picture);
    // Cells copied from a spreadsheet, pasted with their first at (row, column); rows past the end
    // are added, columns past the explanation are left out.
    void pasteCells(int row, int column, const QList<QStringList> &cells);
    // Picture files set on rows from row on; problems with any file are emitted and that file left out.
    void setPictureFiles(int row, const QStringList &paths);

    // For the undo commands: replaces count rows at row by rows; moves count rows at from to to.
    void replaceRows(int row, int count, const QList<PairRow> &rows);
    void moveRowsTo(int from, int count, int to);
    // For opening a file: every row anew, no undo step.
    void resetRows(const QList<PairRow> &rows);

    static QStringList explanationLines(const QString &text);

Q_SIGNALS:
    // A picture file that cannot be used, in words for the teacher.
    void pictureRefused(const QString &message);

private:
    QImage thumbnail(const StudioPicture &picture) const;
    static QImage unreadableMark();

    QUndoStack *m_undo;
    QList<PairRow> m_rows;
    mutable QHash<quint64, QImage> m_thumbnails;
};
