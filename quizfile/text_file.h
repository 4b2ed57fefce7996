#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text files that teachers pass around: UTF-8, with or without a byte-order mark. Anything else
// gets a message that says how to save it as UTF-8.
namespace TextFile {

struct Decoded
{
    QString text;
    int badLine = 0;    // the first line that is not UTF-8, 0 when all is well
    QString problem;
    bool ok() const { return badLine == 0; }
};

Decoded decode(const QByteArray &bytes);

// A text's lines, whatever its line breaks (LF or CR LF).
QStringList lines(QString text);

} // namespace TextFile
