#include "quizopen/quiz_open.h"

#include "quizfile/bundle.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace QuizOpen {

Opened open(const QString &path)
{
    // Each picture's header is checked now, its pixels decoded when it is first shown.
    const QuizFile::Result checked = QuizFile::checkFileOrBundle(path, QuizFile::PictureReading::HeaderOnly);
    Opened opened;
    for (const QuizFile::Problem &problem : checked.problems)
        opened.problems << problem.text();
    if (checked.ok())
        opened.content = contentFromQuiz(checked.quiz);
    return opened;
}

Content contentFromQuiz(const QuizFile::Quiz &quiz)
{
    Content c;
    const QuizFile::Layout &l = quiz.layout;
    c.window = {quiz.caption, l[0], {l[1], l[3]}, {l[2], l[4]}};
    c.instructions = quiz.instructions;
    c.expressionsName = quiz.expressionsName;
    c.meaningsName = quiz.meaningsName;
    QList<QStringList> lines;
    QList<QByteArray> pictures;
    for (const QuizFile::Pair &pair : quiz.pairs) {
        c.expressions << pair.expression;
        c.meanings << pair.meaning;
        lines << pair.explanation;
        pictures << (pair.picture >= 0 ? quiz.pictures.at(pair.picture).data : QByteArray());
    }
    c.meanings << quiz.extraMeanings;
    setPairTables(c, lines, {}, pictures);
    c.readPicture = [](const QByteArray &data) { return QuizFile::readPicture(data); };
    return c;
}

QString problemsTitle()
{
    return u"Тестът не може да бъде отворен"_s;
}

QString problemsText(const QString &path, const QStringList &problems)
{
    QString text = u"Файлът „%1“ не може да бъде отворен като тест:"_s.arg(QFileInfo(path).fileName()) + u"\n\n"_s;
    text += problems.mid(0, kShownProblems).join(u'\n');
    if (const qsizetype more = problems.size() - kShownProblems; more > 0)
        text += u"\n… и още %1 %2."_s.arg(more).arg(more == 1 ? u"проблем"_s : u"проблема"_s);
    return text + u"\n\nПоправете файла или изберете друг."_s;
}

} // namespace QuizOpen
