#pragma once

#include "quiz_file.h"

#include <QString>

// Writes what a checked quiz becomes in the build: NAME.cpp defining `const Content &NAME()`,
// its pictures with NAME.qrc when it has any, and NAME.cmake telling the build the quiz's id,
// caption and the files it was made from. Files whose text is unchanged are left alone, so an
// unchanged quiz rebuilds nothing. Returns an error text, empty on success.
namespace QuizFile {

QString generate(const Result &checked, const QString &quizPath, const QString &outDir, const QString &name);

} // namespace QuizFile
