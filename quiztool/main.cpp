// zort-quiz: checks a quiz file and turns it into the generated code a quiz program is built from.
//
//   zort-quiz check FILE                  prints OK with the counts, or every problem; FILE may
//                                         be a bundle (*.zort)
//   zort-quiz bundle FILE [OUT]           the same, then writes the quiz with its table and
//                                         pictures as one bundle, OUT or FILE's name with .zort
//   zort-quiz say NAME [ARG]...           prints a line of the scripts (quizfile/messages.h)
//   zort-quiz generate FILE OUTDIR NAME [--fill TEMPLATE OUTPUT]...
//                                         the same, then writes OUTDIR/NAME.cpp, .qrc, .d and
//                                         _pictures.d, and
//                                         each template with the quiz's caption filled in
#include "quizfile/bundle.h"
#include "quizfile/generate.h"
#include "quizfile/messages.h"
#include "quizfile/quiz_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The messages in Bulgarian when the locale is (LANG=bg_BG.UTF-8), in English otherwise.
    QuizFile::setMessageLanguage(QuizFile::localeLanguage());
    const QStringList args = app.arguments().mid(1);
    QTextStream out(stdout), err(stderr);
    // The scripts' own lines, in the same language as the check's.
    if (args.size() >= 2 && args.at(0) == u"say"_s) {
        const QString line = QuizFile::scriptMessage(args.at(1), args.mid(2));
        err << line << '\n';
        return line.isNull() ? 2 : 0;
    }
    const bool generating = args.size() >= 4 && args.size() % 3 == 1 && args.at(0) == u"generate"_s;
    const bool bundling = (args.size() == 2 || args.size() == 3) && args.at(0) == u"bundle"_s;
    if (!generating && !bundling && !(args.size() == 2 && args.at(0) == u"check"_s)) {
        err << "usage: zort-quiz check FILE\n"
               "       zort-quiz bundle FILE [OUT.zort]\n"
               "       zort-quiz generate FILE OUTDIR NAME [--fill TEMPLATE OUTPUT]...\n";
        return 2;
    }
    const QString file = args.at(1);
    const bool checkingBundle = !generating && !bundling && QuizFile::isBundleName(file);
    const QuizFile::Result result = checkingBundle ? QuizFile::checkBundle(file) : QuizFile::check(file);
    for (const QuizFile::Problem &problem : result.problems)
        err << problem.text() << '\n';
    if (!result.ok()) {
        err << result.failure(file) << '\n';
        return 1;
    }
    if (!generating) {
        for (const QuizFile::Problem &note : result.notes)
            out << note.noteText() << '\n';
        out << result.summary(file) << '\n';
    }
    if (bundling) {
        const QFileInfo quiz(file);
        const QString bundle = args.size() == 3 ? args.at(2) : quiz.dir().filePath(quiz.completeBaseName() + u".zort"_s);
        if (const QString error = QuizFile::writeBundle(result, file, bundle); !error.isEmpty()) {
            err << "zort-quiz: " << error << '\n';
            return 1;
        }
        out << u"Bundle: %1"_s.arg(bundle) << '\n';
    }
    if (!generating)
        return 0;
    QString error = QuizFile::generate(result, args.at(2), args.at(3));
    for (qsizetype i = 4; error.isEmpty() && i < args.size(); i += 3) {
        error = args.at(i) == u"--fill"_s ? QuizFile::fillTemplate(result.quiz, args.at(i + 1), args.at(i + 2))
                                          : u"unknown option %1"_s.arg(args.at(i));
    }
    if (!error.isEmpty()) {
        err << "zort-quiz: " << error << '\n';
        return 1;
    }
    return 0;
}
