#include "core/number_text.h"

#include <QString>

#include <limits>

namespace {

// Saturating parse into a 64-bit accumulator; callers clamp to their width.
qint64 leadingNumber(const QString &text, qint64 lo, qint64 hi)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    qint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            break;
        if (value <= hi) // beyond hi the result is clamped anyway; stop growing
            value = value * 10 + (c - u'0');
    }
    if (negative)
        value = -value;
    return qBound(lo, value, hi);
}

} // namespace

qint16 NumberText::read16(const QString &text)
{
    return static_cast<qint16>(leadingNumber(text, std::numeric_limits<qint16>::min(),
                                             std::numeric_limits<qint16>::max()));
}

qint32 NumberText::read32(const QString &text)
{
    return static_cast<qint32>(leadingNumber(text, std::numeric_limits<qint32>::min(),
                                             std::numeric_limits<qint32>::max()));
}
