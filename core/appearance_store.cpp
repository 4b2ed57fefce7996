#include "core/appearance_store.h"

#include "core/number_text.h"

QString AppearanceStore::typedItem(int n) const
{
    switch (n) {
    case 0:
        return QStringLiteral("всичко това е за управление на цветове");
    case kFontFace:
        return m_appearance.fontFace;
    case kFontSize:
        return QString::number(m_appearance.fontSize);
    }
    const int e = (n - colourItem(0)) / 4, slot = (n - colourItem(0)) % 4;
    return QString::number(slot == 0 ? qint64(m_appearance.colour(e)) : m_appearance.components[e][slot - 1]);
}

QString AppearanceStore::item(int n) const
{
    return n >= 0 && n < kItems ? m_asWritten.value(n, typedItem(n)) : QString();
}

void AppearanceStore::setItem(int n, const QString &text)
{
    if (n < 0 || n >= kItems)
        return;
    m_asWritten.remove(n);
    const qint32 value = NumberText::read32(text);
    const int e = (n - colourItem(0)) / 4, slot = (n - colourItem(0)) % 4;
    if (n == kFontFace)
        setFontFace(text);
    else if (n == kFontSize)
        setFontSize(value);
    else if (n > kFontSize && slot == 0)
        setColour(e, quint32(value));
    else if (n > kFontSize)
        setComponent(e, slot - 1, value);
    if (typedItem(n) != text)
        m_asWritten.insert(n, text);
}

QStringList AppearanceStore::items() const
{
    QStringList texts;
    for (int n = 0; n < kItems; ++n)
        texts << item(n);
    return texts;
}

qint32 AppearanceStore::number(int n) const
{
    return NumberText::read32(item(n));
}
