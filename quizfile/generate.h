#pragma once

#include "quizfile/quiz_file.h"

#include <QString>

// Writes what a checked quiz becomes in the build: NAME.cpp defining `const Content &NAME()`,
// NAME.qrc with its pictures (in NAME-pictures/), and NAME.d naming every file the quiz was read
// from, for the build to watch, through links in NAME-inputs/ (so no name of the teacher's
// reaches a build file). Files whose text is unchanged are left alone, so an unchanged quiz
// rebuilds nothing. Returns an error text, empty on success.
namespace QuizFile {

QString generate(const Result &checked, const QString &outDir, const QString &name);

// Writes a template (a launcher, metainfo, the package's description) with the quiz's caption in
// place of @QUIZ_CAPTION_DESKTOP@, @QUIZ_CAPTION_XML@ and @QUIZ_CAPTION_CMAKE@, each escaped for
// its kind of file. Returns an error text, empty on success.
QString fillTemplate(const Quiz &quiz, const QString &templatePath, const QString &outputPath);

} // namespace QuizFile
