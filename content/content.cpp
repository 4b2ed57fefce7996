#include "content.h"

QStringList Content::linesOf(int k) const
{
    return k >= 1 && k <= lines.size() ? lines.at(k - 1) : QStringList();
}

QString Content::pictureOf(int k) const
{
    return k >= 1 && k <= pictures.size() ? pictures.at(k - 1) : QString();
}

QStringList emptyPictureFlags()
{
    QStringList flags{QStringLiteral("Utochnenie dali ima grafika - 30 br")};
    for (int k = 1; k <= ContentLimits::kPictures; ++k)
        flags << QStringLiteral("0");
    return flags;
}
