#include "quizfile/text_file.h"

#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace TextFile {

namespace {

// In Windows-1251 the Cyrillic letters are the bytes 0xC0 to 0xFF and stand mostly alone; in
// UTF-8 such a byte always starts a sequence of continuation bytes.
bool looksLikeWindows1251(const QByteArray &bytes)
{
    qsizetype high = 0, letters = 0;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80)
            ++high;
        if (b >= 0xC0)
            ++letters;
    }
    return high > 0 && letters * 2 > high;
}

} // namespace

Decoded decode(const QByteArray &bytes)
{
    Decoded result;
    QByteArrayView body(bytes);
    if (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    result.text = utf8.decode(body);
    if (!utf8.hasError() && !result.text.contains(QChar(0)))
        return result;

    // Find the line, decoding line by line.
    int line = 1;
    for (QByteArrayView rest = body; !rest.isEmpty(); ++line) {
        const qsizetype end = rest.indexOf('\n');
        const QByteArrayView current = end < 0 ? rest : rest.first(end);
        QStringDecoder lineDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = lineDecoder.decode(current);
        if (lineDecoder.hasError() || decoded.contains(QChar(0)))
            break;
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
    }
    result.text.clear();
    result.badLine = line;
    if (looksLikeWindows1251(bytes.mid(0))) {
        result.problem = u"the file is not UTF-8: its letters look like Windows-1251 (Cyrillic). Save it as UTF-8: "
                         "in Notepad choose \"Save as\" and the encoding \"UTF-8\"; in LibreOffice choose \"Save as\", "
                         "tick \"Edit filter settings\" and the character set \"Unicode (UTF-8)\""_s;
    } else {
        result.problem = u"the file is not UTF-8 text (this line has bytes that are not UTF-8, or a NUL): save it "
                         "as UTF-8 text in your editor"_s;
    }
    return result;
}

QStringList lines(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    return text.split(u'\n');
}

} // namespace TextFile
