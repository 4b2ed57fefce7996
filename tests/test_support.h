#pragma once

#include "content/content.h"
#include "test_window/zort.h"

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

inline qsizetype rowOf(const Zort &zort, int list, const QString &text)
{
    return zort.slowo(list).items().indexOf(text);
}

// Selects expression k and meaning m (content numbers) and presses "Избрах".
inline void enterPair(Zort &zort, int k, int m)
{
    const Content &c = zort.content();
    zort.selectSlowo(0, rowOf(zort, 0, c.expressions.at(k - 1)));
    zort.selectSlowo(1, rowOf(zort, 1, c.meanings.at(m - 1)));
    zort.Uprawl_Click(Zort::Izbrah);
}

// Content numbers of the visible list's items read back through the content, for checking that
// a hidden number list is parallel to its visible list.
inline QStringList expectedNumbers(const Zort &zort, int side)
{
    const QStringList &texts = side == 0 ? zort.content().expressions : zort.content().meanings;
    QStringList numbers;
    for (const QString &text : zort.slowo(side).items())
        numbers << QString::number(texts.indexOf(text) + 1);
    return numbers;
}

// The tests' way to a single step of the quiz.
class ZortSteps
{
public:
    static void Opredeli_nomera(Zort &zort) { zort.Opredeli_nomera(); }
    static void Obqsni_element(Zort &zort, qint16 p) { zort.Obqsni_element(p); }
    static void Pokazhi_grafika(Zort &zort, qint16 p) { zort.Pokazhi_grafika(p); }
};

Q_DECLARE_METATYPE(Content)
