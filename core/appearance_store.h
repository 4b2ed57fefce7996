#pragma once

#include "core/appearance.h"

#include <QHash>
#include <QStringList>

// The appearance settings of the main window, starting from fixed defaults at every program
// start. They are held typed, as an Appearance; the design's 19 text items are a view of them.
// Item 0 is a remark, item 1 the font face, item 2 the font size in points; appearance element
// e (0 to 3) keeps its colour at item 4e+3 and its red, green and blue components at items
// 4e+4 to 4e+6. Numbers are plain decimal text.
class AppearanceStore
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

    const Appearance &appearance() const { return m_appearance; }
    // Each setter also forgets the text its item was last written as.
    void setFontFace(const QString &face) { m_appearance.fontFace = face; m_asWritten.remove(kFontFace); }
    void setFontSize(qint32 points) { m_appearance.fontSize = points; m_asWritten.remove(kFontSize); }
    // The top byte of a colour value is dropped.
    void setColour(int e, quint32 value)
    {
        m_appearance.colour(e) = value & ColourValue::kMask;
        m_asWritten.remove(colourItem(e));
    }
    void setComponent(int e, int k, qint32 value)
    {
        m_appearance.components[e][k] = value;
        m_asWritten.remove(componentItem(e, k));
    }

    // An empty text for a position outside the store.
    QString item(int n) const;
    // A number item takes the text's leading decimal number; a text that is not the plain
    // decimal form of what it sets reads back as it was written. The store never grows:
    // positions outside it are ignored.
    void setItem(int n, const QString &text);
    QStringList items() const;

    // The item's leading decimal number as a 32-bit integer; 0 when it does not begin with one.
    qint32 number(int n) const;

private:
    // The item's text as the typed fields give it.
    QString typedItem(int n) const;

    Appearance m_appearance;
    // Items last written as a text their typed field does not give back, by position.
    QHash<int, QString> m_asWritten;
};
