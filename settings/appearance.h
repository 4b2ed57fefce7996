#pragma once

#include <QString>

// What "Запис" puts on the main window: colours as packed values R + 256*G + 65536*B, the font
// of the lists and the output box.
struct Appearance
{
    quint32 formBackground = 0;
    quint32 textBackground = 0;
    quint32 textColour = 0;
    QString fontFace;
    int fontSize = 0;
};
