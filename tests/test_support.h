#pragma once

#include "core/content.h"
#include "core/quiz.h"

#include <QStringList>

// Content of any size on the built-in layout: expression k is "израз k"-like text that sorts
// differently from content order, so display positions never equal content positions.
inline Content makeContent(int expressions, int meanings)
{
    Content c = builtInContent();
    c.expressions.clear();
    c.meanings.clear();
    for (int k = 1; k <= expressions; ++k)
        c.expressions << QStringLiteral("expr %1").arg(1000 - k);
    for (int k = 1; k <= meanings; ++k)
        c.meanings << QStringLiteral("значение %1").arg(1000 - k);
    return c;
}

inline qsizetype rowOf(const Quiz &quiz, int list, const QString &text)
{
    return quiz.list(list).items().indexOf(text);
}

// Selects expression k and meaning m (content numbers) and presses "Избрах".
inline void enterPair(Quiz &quiz, int k, int m)
{
    const Content &c = quiz.content();
    quiz.selectRow(0, rowOf(quiz, 0, c.expressions.at(k - 1)));
    quiz.selectRow(1, rowOf(quiz, 1, c.meanings.at(m - 1)));
    quiz.dispatch(Quiz::Enter);
}

// Content numbers of the visible list's items read back through the content, for checking that
// a hidden number list is parallel to its visible list.
inline QStringList expectedNumbers(const Quiz &quiz, int side)
{
    const QStringList &texts = side == 0 ? quiz.content().expressions : quiz.content().meanings;
    QStringList numbers;
    for (const QString &text : quiz.list(side).items())
        numbers << QString::number(texts.indexOf(text) + 1);
    return numbers;
}

// The tests' way to a single step of the quiz.
class QuizSteps
{
public:
    static void renumber(Quiz &quiz) { quiz.renumber(); }
    static void explainItem(Quiz &quiz, qint16 p) { quiz.explainItem(p); }
    static void showPicture(Quiz &quiz, qint16 p) { quiz.showPicture(p); }
};

Q_DECLARE_METATYPE(Content)
