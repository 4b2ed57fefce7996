#pragma once

#include <QtGlobal>

// Window geometry is laid out in twips, 15 to a logical pixel at 96 dots per inch; Qt's own
// high-DPI scaling takes logical pixels from there.
constexpr int twips(int t)
{
    return t >= 0 ? (t + 7) / 15 : -((-t + 7) / 15);
}
