#pragma once

#include "studiocore/quiz_draft.h"

#include "quizfile/pairs_table.h"

#include <QAbstractTableModel>

// A table of pairs (CSV or tab-separated) being imported: read with the shared reader exactly as a
// quiz's pairs_file is read, with the separator and heading the teacher picks, and shown as the
// rows will be read. Importing gives the pairs, their pictures (files beside the table) and the
// extra meanings (rows without an expression).
class TableImportModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Reads the file (a plain file of at most QuizFile::BundleLimits::kMaxTextBytes); an error text, or empty.
    QString open(const QString &path);
    // For a table already in memory; folder is where its pictures are.
    void setBytes(const QByteArray &bytes, const QString &folder);
    // 0: whichever of tab, semicolon and comma fits the most rows, as the reader decides.
    void setDelimiter(char delimiter);
    void setHeading(bool firstRowIsHeading);
    char delimiter() const { return m_delimiter; }
    bool heading() const { return m_heading; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // What the reader said: problems, then notes (the separator it took, a likely heading).
    QStringList messages() const;
    bool hasProblems() const { return !m_result.problems.isEmpty(); }

    struct Imported
    {
        QList<PairRow> pairs;
        QStringList extraMeanings;
        QStringList problems;  // pictures that could not be used
    };
    Imported imported() const;

private:
    void read();

    QByteArray m_bytes;
    QString m_folder;
    char m_delimiter = 0;
    bool m_heading = false;
    PairsTable::Result m_result;
};
