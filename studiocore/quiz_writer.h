#pragma once

#include "studiocore/quiz_draft.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Where in the studio's form something written to a quiz file came from, so that a problem the
// checker reports on a line can be shown at the field or cell it is about.
struct FormPlace
{
    enum Kind { None, Id, Caption, Instructions, ExpressionsName, MeaningsName, ExtraMeaning, Layout, Pair };
    Kind kind = None;
    int index = -1;   // the pair's row, the extra meaning, or the [window] key (0..4); -1: the whole
    int column = -1;  // for a pair: the PairsModel column, -1 for the pair as a whole

    bool operator==(const FormPlace &other) const = default;
};

// A quiz file as the studio writes it: TOML, every text a basic string with its escapes, each
// key on a line of its own, and the pictures it names.
struct WrittenQuiz
{
    struct PictureFile
    {
        QString name;  // relative to the quiz file
        StudioPicture picture;
    };

    QByteArray text;
    QList<FormPlace> places;  // places[line - 1]: what that line was written for
    QList<PictureFile> pictures;

    FormPlace placeOf(int line) const { return places.value(line - 1); }
};

namespace QuizWriter {

// The text for the checker on the studio's scratch folder: each picture named by its key, so it is
// written there once; or no pictures at all, as the checker made them already.
WrittenQuiz forCheck(const QuizDraft &draft, bool withPictures = true);

// The text to save: pictures keep the names they came with where these are safe, and new ones go
// into pictureFolder ("quiz-pictures"); every name is unique and ends as its format does.
WrittenQuiz forSaving(const QuizDraft &draft, const QString &pictureFolder);

// text as a TOML basic string, in double quotes, with every sign TOML needs escaped.
QByteArray basicString(const QString &text);

} // namespace QuizWriter
