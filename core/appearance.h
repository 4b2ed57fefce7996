#pragma once

#include "core/colour_value.h"

#include <QString>

#include <array>

// The design's font: the windows are laid out in it, and it is the lists' font until "Запис".
inline const QString kDesignFace = QStringLiteral("Times New Roman");
constexpr int kDesignPoints = 12;

// The appearance of the main window as the settings store holds it, and as "Запис" puts it on the
// window: the colours of the four elements as colour values (top byte clear) with their red, green
// and blue components, and the font of the lists and the output box. Starts from the defaults.
struct Appearance
{
    quint32 formBackground = ColourValue::compose(128, 0, 0);
    quint32 textBackground = ColourValue::compose(255, 255, 255);
    quint32 textColour = ColourValue::compose(8, 0, 0);
    quint32 buttonBackground = ColourValue::compose(192, 0, 0); // kept, but applied nowhere
    // Element by element; the text background's match its colour only after the first opening.
    std::array<std::array<qint32, 3>, 4> components{{{128, 0, 0}, {0, 128, 0}, {8, 0, 0}, {192, 0, 0}}};
    QString fontFace = kDesignFace;
    qint32 fontSize = kDesignPoints;

    // Element e: 0 form background, 1 text background, 2 text colour, 3 button background.
    quint32 &colour(int e)
    {
        const std::array<quint32 *, 4> colours{&formBackground, &textBackground, &textColour, &buttonBackground};
        return *colours[e];
    }
    quint32 colour(int e) const { return const_cast<Appearance *>(this)->colour(e); }
};
