#pragma once

#include "core/content.h"
#include "quizfile/quiz_file.h"

#include <QString>
#include <QStringList>

// A quiz file or a bundle given to the program when it starts: read once, before any window, with
// the same reader and checks as the build, into the content the quiz window shows.
namespace QuizOpen {

struct Opened
{
    Content content;
    QStringList problems; // "FILE:LINE: message", as zort-quiz check prints them; none when it opened
    bool ok() const { return problems.isEmpty(); }
};

// A bundle when the name ends in .zort, a quiz file otherwise.
Opened open(const QString &path);

// A checked quiz as the window shows it: the tables a program built from the same file has, with
// each picture held as its bytes, decoded with the reader's limits when first shown.
Content contentFromQuiz(const QuizFile::Quiz &quiz);

// The message window's title and text for a file that cannot be opened: its name, then its first
// kShownProblems problems and how many more there are.
constexpr int kShownProblems = 10;
QString problemsTitle();
QString problemsText(const QString &path, const QStringList &problems);

} // namespace QuizOpen
