#include "cweta.h"

#include "common/number_text.h"

Cweta::Cweta()
    : m_items{QStringLiteral("всичко това е за управление на цветове"),
              QStringLiteral("Times New Roman"),
              QStringLiteral("12"),
              // form background RGB(128, 0, 0)
              QStringLiteral("128"), QStringLiteral("128"), QStringLiteral("0"), QStringLiteral("0"),
              // text background white; its components only match after the first opening
              QStringLiteral("16777215"), QStringLiteral("0"), QStringLiteral("128"), QStringLiteral("0"),
              // text colour RGB(8, 0, 0)
              QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("0"), QStringLiteral("0"),
              // button background RGB(192, 0, 0), kept but applied nowhere
              QStringLiteral("192"), QStringLiteral("192"), QStringLiteral("0"), QStringLiteral("0")}
{
}

void Cweta::setItem(int n, const QString &text)
{
    if (n >= 0 && n < kItems)
        m_items[n] = text;
}

qint32 Cweta::number(int n) const
{
    return NumberText::read32(item(n));
}
