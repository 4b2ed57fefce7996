#pragma once

#include <QStringList>

// The appearance settings of the main window: 19 text items that start from fixed defaults at
// every program start. Item 0 is a remark, item 1 the font face, item 2 the font size in points;
// appearance element e (0 to 3) keeps its colour at item 4e+3 and its red, green and blue
// components at items 4e+4 to 4e+6. Numbers are plain decimal text.
class Cweta
{
public:
    static constexpr int kItems = 19;
    static constexpr int kElements = 4;
    static constexpr int kFontFace = 1;
    static constexpr int kFontSize = 2;

    static constexpr int colourItem(int element) { return 4 * element + 3; }
    static constexpr int componentItem(int element, int component)
    {
        return colourItem(element) + 1 + component;
    }

    Cweta();

    // An empty text for a position outside the store.
    QString item(int n) const { return m_items.value(n); }
    // The store never grows: positions outside it are ignored.
    void setItem(int n, const QString &text);
    const QStringList &items() const { return m_items; }

    // The item's leading decimal number as a 32-bit integer; 0 when it does not begin with one.
    qint32 number(int n) const;

private:
    QStringList m_items;
};
