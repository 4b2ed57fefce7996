#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "quizfile/messages.h"

// A table of pairs saved from a spreadsheet (CSV) or exported from a flash-card site (one pair a
// line, tab between expression and meaning, no quoting). Columns: expression, meaning, and
// optionally the explanation (its lines in one cell) and a picture file. A row with an empty
// expression gives an extra meaning.
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
    Problem() = default;
    Problem(int line, const QuizFile::Words &words) : line(line), message(words.local), english(words.english) {}

    int line = 0;
    QString message;   // in the language chosen for messages (quizfile/messages.h)
    QString english;
};

struct Result
{
    QList<Row> rows;
    QList<Problem> problems;
    QList<Problem> notes;   // not problems: which separator was taken, which row is the first pair, a likely heading
};

// A tab-separated table is read as plain lines split at tabs, quotes and all; any other
// delimiter follows CSV's quoting. delimiter 0: whichever of tab, semicolon and comma gives the
// same number of columns (2 to 4) on the most rows.
Result read(const QByteArray &bytes, char delimiter, bool skipHeader);

} // namespace PairsTable
