#pragma once

#include <QtGlobal>

// What splitting a colour value leaves behind for its caller to read.
struct ColourSplit
{
    qint32 red = 0;
    qint32 green = 0;
    quint8 blue = 0;
};

// A colour value is red + 256 * green + 65536 * blue, each component 0 to 255; the top byte is
// never part of the colour.
namespace ColourValue {

constexpr qint32 kMask = 0xFFFFFF;

constexpr qint32 compose(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

constexpr ColourSplit split(quint32 value)
{
    return {qint32(value & 0xFF), qint32((value >> 8) & 0xFF), quint8((value >> 16) & 0xFF)};
}

} // namespace ColourValue
