#pragma once

#include <QtGlobal>

// Window geometry is laid out in twips, 15 to a logical pixel at 96 dots per inch; Qt's own
// high-DPI scaling takes logical pixels from there.
constexpr int twips(int t)
{
    // In 64 bits, so that a content's largest lengths round without overflowing.
    const qint64 w = t;
    return int(w >= 0 ? (w + 7) / 15 : -((-w + 7) / 15));
}
