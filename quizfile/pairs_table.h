#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A table of pairs saved from a spreadsheet (CSV) or exported from a flash-card site (one pair a
// line, tab between expression and meaning). Columns: expression, meaning, and optionally the
// explanation (its lines in one cell) and a picture file. A row with an empty expression gives an
// extra meaning.
namespace PairsTable {

struct Row
{
    int line = 0;
    QString expression;
    QString meaning;
    QStringList explanation;
    QString picture;
};

struct Problem
{
    int line = 0;
    QString message;
};

struct Result
{
    QList<Row> rows;
    QList<Problem> problems;
};

// delimiter 0: a tab when the first line has one, otherwise a comma, or a semicolon when the
// first line has semicolons and no comma (as spreadsheets save CSV where the comma is the decimal sign).
Result read(const QByteArray &bytes, char delimiter, bool skipHeader);

} // namespace PairsTable
