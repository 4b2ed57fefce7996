#pragma once

#include "quizfile/quiz_file.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

// A picture as the quiz holds it: the bytes the quiz checker made of the teacher's file (upright,
// at most QuizFile::kMaxPictureSize), so what the studio shows and saves is what the quiz shows.
// A picture of a file the studio opened is that file's own bytes, its header checked: it is
// decoded with the checker's limits when its row is shown, and checked whole on trying and saving.
struct StudioPicture
{
    QByteArray data;
    QByteArray format;  // "png" or "jpeg"
    QSize size;
    // The file name it is saved under, relative to the quiz file ("flags/bg.png"), or a bare
    // name ("bg.png") that saving puts into the quiz's picture folder.
    QString name;
    // Tells pictures apart without comparing bytes: thumbnails and the check's scratch files are
    // kept by it. Every picture made gets a new one.
    quint64 key = 0;

    bool isNull() const { return data.isEmpty(); }
    QString suffix() const;
    static quint64 newKey();
};

struct PairRow
{
    QString expression;
    QString meaning;
    QStringList explanation;  // lines
    StudioPicture picture;

    // A row with nothing in it is left out of the quiz, so a row just added is no problem yet.
    bool isBlank() const;
    bool operator==(const PairRow &other) const;
};

// Everything a teacher edits in the studio, as a plain value: the form's fields, the pairs and
// the extra meanings. The check and the file writer work on a copy, so neither needs the window.
struct QuizDraft
{
    QString id;
    QString caption;
    QString instructions;  // lines separated by \n
    QString expressionsName = QStringLiteral("Изрази");
    QString meaningsName = QStringLiteral("Значения");
    bool ownLayout = false;  // [window] written only then
    QuizFile::Layout layout = QuizFile::kDefaultLayout;
    QList<PairRow> pairs;
    QStringList extraMeanings;
    // The package's, kept from the file it was opened from: the form has no fields for them.
    QString version;
    QString author;

    // A quiz the shared reader read: its texts, pairs, pictures (named as the quiz file named them
    // where that can be told from the files it read) and layout.
    static QuizDraft fromChecked(const QuizFile::Result &checked);
};
