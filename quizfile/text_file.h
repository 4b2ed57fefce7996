#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "quizfile/messages.h"

// Text files that teachers pass around: UTF-8, with or without a byte-order mark. Anything else
// gets a message that says how to save it as UTF-8. A text may hold no control character but tab
// and line breaks, no noncharacter and no byte-order mark past the file's start: they show as
// nothing or as boxes, and some of them stop the tools a quiz goes through.
namespace TextFile {

struct Decoded
{
    QString text;
    int badLine = 0;    // the first line that is not UTF-8 or holds a sign no text may hold; 0 when all is well
    QuizFile::Words problem;
    bool ok() const { return badLine == 0; }
};

Decoded decode(const QByteArray &bytes);

// The first sign in text that no text may hold, as "the control character U+0007", or a null
// string when there is none. Tab and line breaks are allowed; a text of one line checks them itself.
QuizFile::Words badCharacter(QStringView text);

// A text's lines, whatever its line breaks (LF or CR LF).
QStringList lines(QString text);

} // namespace TextFile
