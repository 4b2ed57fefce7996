#include "quizfile/text_file.h"

#include <QStringDecoder>

#include <array>

using namespace Qt::StringLiterals;
using QuizFile::say;
using QuizFile::Words;

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

// Excel's "Unicode Text" and some Notepads save UTF-16: two bytes a letter, so every other byte of
// Latin text is zero, with or without a byte-order mark in front.
bool looksLikeUtf16(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return true;
    const QByteArrayView start = bytes.first(qMin<qsizetype>(bytes.size(), 4096));
    std::array<qsizetype, 2> zeros{};
    for (qsizetype i = 0; i < start.size(); ++i)
        zeros[size_t(i % 2)] += start[i] == '\0';
    return start.size() >= 4 && qMax(zeros[0], zeros[1]) * 4 >= start.size() && qMin(zeros[0], zeros[1]) * 8 < start.size();
}

// Where the first sign no text may hold is, or -1; its code point in *found.
qsizetype firstBadCharacter(QStringView text, char32_t *found)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode());
        const bool control = (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || (c >= 0x7F && c <= 0x9F);
        const bool noncharacter = (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE;
        // A byte-order mark inside a text is invisible, and Qt drops one at a text's start.
        if (control || noncharacter || c == 0xFEFF || QChar::isSurrogate(c)) {
            *found = c;
            return i;
        }
        if (c > 0xFFFF)
            ++i;
    }
    return -1;
}

Words describe(char32_t c)
{
    const QString code = u"U+"_s + QString::number(uint(c), 16).toUpper().rightJustified(4, u'0');
    if (c == 0)
        return say("the NUL sign (%1)").arg(code);
    if (c == 0xFEFF)
        return say("a byte-order mark (%1)").arg(code);
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
        return say("the control character %1").arg(code);
    if (QChar::isSurrogate(c))
        return say("half of a character (%1)").arg(code);
    return say("the noncharacter %1").arg(code);
}

} // namespace

Words badCharacter(QStringView text)
{
    char32_t c = 0;
    return firstBadCharacter(text, &c) < 0 ? Words() : describe(c);
}

Decoded decode(const QByteArray &bytes)
{
    Decoded result;
    const Words saveAsUtf8 =
        say("in Notepad choose \"Save as\" and the encoding \"UTF-8\"; in LibreOffice choose \"Save as\", tick \"Edit "
        "filter settings\" and the character set \"Unicode (UTF-8)\"; in Excel choose \"Save as\" and the type "
        "\"CSV UTF-8 (Comma delimited)\"");
    if (looksLikeUtf16(bytes)) {
        result.badLine = 1;
        result.problem = say("the file is UTF-16 text (two bytes a letter, what Excel calls \"Unicode Text\"), not UTF-8. "
                         "Save it as UTF-8: ") + saveAsUtf8;
        return result;
    }
    QByteArrayView body(bytes);
    if (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);
    // Any further byte-order mark is kept, to be refused below rather than dropped unseen.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    result.text = utf8.decode(body);
    if (!utf8.hasError()) {
        char32_t c = 0;
        const qsizetype at = firstBadCharacter(result.text, &c);
        if (at < 0)
            return result;
        result.badLine = int(QStringView(result.text).first(at).count(u'\n')) + 1;
        result.problem = say("this line has %1, which no text may hold: remove it").arg(describe(c));
        result.text.clear();
        return result;
    }

    // Find the line, decoding line by line.
    int line = 1;
    for (QByteArrayView rest = body; !rest.isEmpty(); ++line) {
        const qsizetype end = rest.indexOf('\n');
        const QByteArrayView current = end < 0 ? rest : rest.first(end);
        QStringDecoder lineDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = lineDecoder.decode(current);
        if (lineDecoder.hasError())
            break;
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
    }
    result.text.clear();
    result.badLine = line;
    result.problem = (looksLikeWindows1251(bytes)
                          ? say("the file is not UTF-8: its letters look like Windows-1251 (Cyrillic). Save it as UTF-8: ")
                          : say("the file is not UTF-8 text (this line has bytes that are not UTF-8). Save it as UTF-8: "))
        + saveAsUtf8;
    return result;
}

QStringList lines(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    return text.split(u'\n');
}

} // namespace TextFile
