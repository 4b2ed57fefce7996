#pragma once

#include "studiocore/quiz_draft.h"

#include <QString>
#include <QStringList>

// Opening and saving a quiz: a bundle (.zort, one file) or a quiz file with its pictures in a
// folder beside it. Opening goes through the shared reader; a bundle is written by the shared
// bundle writer from a quiz file that passed the check.
namespace QuizStorage {

struct Opened
{
    QuizDraft draft;
    QStringList problems;  // as the checker prints them, "FILE:LINE: message"
    // Whether there is a quiz to show at all: a file with problems still opens, so they can be mended.
    bool readable = false;
};

Opened open(const QString &path);

// Each returns an error text, or nothing when the file was written. A file's own pictures go into
// the folder "<name>-pictures" beside it.
QString saveQuizFile(const QuizDraft &draft, const QString &path);
// A bundle holds only a quiz that passes the check; problems then holds the checker's problems.
QString saveBundle(const QuizDraft &draft, const QString &path, QStringList *problems = nullptr);
QString save(const QuizDraft &draft, const QString &path, QStringList *problems = nullptr);

// The folder new pictures of a quiz file at path go into, relative to it.
QString pictureFolder(const QString &path);

} // namespace QuizStorage
