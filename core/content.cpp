#include "core/content.h"

#include "core/number_text.h"

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

QByteArray Content::pictureDataOf(int k) const
{
    return k >= 1 && k <= pictureData.size() ? pictureData.at(k - 1) : QByteArray();
}

void setPairTables(Content &c, const QList<QStringList> &lines, const QStringList &picturePaths,
                   const QList<QByteArray> &pictureData)
{
    c.flags = QStringList{QStringLiteral("Ima li obqsneniq")};
    c.pictureFlags = QStringList{QStringLiteral("Utochnenie dali ima grafika - 30 br")};
    c.lines = lines;
    c.pictures.clear();
    c.pictureData.clear();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString path = picturePaths.value(i);
        const QByteArray data = pictureData.value(i);
        c.flags << QString::number(lines.at(i).isEmpty() ? 0 : 1);
        c.pictureFlags << QString::number(path.isEmpty() && data.isEmpty() ? 0 : 1);
        c.pictures << path;
        if (i < pictureData.size())
            c.pictureData << data;
    }
    while (c.flags.size() <= ContentLimits::kExplanationFlags)
        c.flags << QStringLiteral("0");
    while (c.pictureFlags.size() <= ContentLimits::kPictures)
        c.pictureFlags << QStringLiteral("0");
    while (c.pictures.size() < ContentLimits::kPictures)
        c.pictures << QString();
}

Content contentFromTables(const QuizTables &t)
{
    const auto text = [&t](TextSpan span) {
        return QString::fromRawData(reinterpret_cast<const QChar *>(t.text + span.offset), span.length);
    };
    Content c;
    c.window = {text(t.caption), t.outerWidth, {t.expressionsLeft, t.meaningsLeft},
                {t.expressionsWidth, t.meaningsWidth}};
    c.instructions = text(t.instructions);
    c.expressionsName = text(t.expressionsName);
    c.meaningsName = text(t.meaningsName);
    for (int i = 0; i < t.pairs; ++i)
        c.expressions << text(t.expressions[i]);
    for (int i = 0; i < t.pairs + t.extraMeanings; ++i)
        c.meanings << text(t.meanings[i]);

    QList<QStringList> lines;
    QStringList pictures;
    const TextSpan *line = t.explanationLines;
    for (int k = 1; k <= t.pairs; ++k) {
        QStringList pairLines;
        for (int i = 0; i < t.explanationLineCounts[k - 1]; ++i)
            pairLines << text(*line++);
        lines << pairLines;
        const char *picture = t.pictures[k - 1];
        pictures << (picture ? QString::fromLatin1(picture) : QString());
    }
    setPairTables(c, lines, pictures);
    return c;
}
