#include "content.h"

#include "common/number_text.h"

WindowLayout WindowLayout::fromRecord(const QStringList &record)
{
    auto number = [&](int item) { return NumberText::read32(record.value(item)); };
    return {record.value(0), number(1), {number(2), number(4)}, {number(3), number(5)}};
}

qint16 Content::explanationFlag(int k) const
{
    return k >= 1 ? NumberText::read16(flags.value(k)) : 0;
}

qint16 Content::pictureFlag(int k) const
{
    return k >= 1 ? NumberText::read16(pictureFlags.value(k)) : 0;
}

QStringList Content::linesOf(int k) const
{
    return k >= 1 && k <= lines.size() ? lines.at(k - 1) : QStringList();
}

QString Content::pictureOf(int k) const
{
    return k >= 1 && k <= pictures.size() ? pictures.at(k - 1) : QString();
}

Content contentFromTables(const QuizTables &t)
{
    int span = 0;
    auto next = [&] {
        const int *s = t.spans[span++];
        return QString::fromRawData(reinterpret_cast<const QChar *>(t.text + s[0]), s[1]);
    };
    Content c;
    c.window = {next(), t.layout[0], {t.layout[1], t.layout[3]}, {t.layout[2], t.layout[4]}};
    c.instructions = next();
    c.expressionsName = next();
    c.meaningsName = next();
    for (int i = 0; i < t.pairs; ++i)
        c.expressions << next();
    for (int i = 0; i < t.pairs + t.extraMeanings; ++i)
        c.meanings << next();

    c.flags << QStringLiteral("Ima li obqsneniq");
    c.pictureFlags << QStringLiteral("Utochnenie dali ima grafika - 30 br");
    for (int k = 1; k <= t.pairs; ++k) {
        QStringList lines;
        for (int i = 0; i < t.lineCounts[k - 1]; ++i)
            lines << next();
        c.flags << QString::number(lines.isEmpty() ? 0 : 1);
        c.lines << lines;
        const char *picture = t.pictures[k - 1];
        c.pictures << (picture ? QString::fromLatin1(picture) : QString());
        c.pictureFlags << QString::number(picture ? 1 : 0);
    }
    while (c.flags.size() <= ContentLimits::kExplanationFlags)
        c.flags << QStringLiteral("0");
    while (c.pictureFlags.size() <= ContentLimits::kPictures)
        c.pictureFlags << QStringLiteral("0");
    while (c.pictures.size() < ContentLimits::kPictures)
        c.pictures << QString();
    return c;
}
