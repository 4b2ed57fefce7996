#pragma once

#include <QtGlobal>

class QString;

// Numbers kept in lists are decimal text. Reading one back takes the leading decimal number
// (leading blanks and one sign allowed); a text that does not begin with a number reads as 0.
// Values outside the target type saturate instead of overflowing.
namespace NumberText {

qint16 read16(const QString &text);
qint32 read32(const QString &text);

} // namespace NumberText
