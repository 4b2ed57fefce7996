#include "quizfile/quiz_file.h"

#include "quizfile/pairs_table.h"
#include "quizfile/text_file.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageIOHandler>
#include <QImageReader>
#include <QImageWriter>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QtEndian>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif
#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

#define TOML_EXCEPTIONS 0
#define TOML_ENABLE_FORMATTERS 0
#include <toml++/toml.h>

#include <string_view>

using namespace Qt::StringLiterals;

namespace QuizFile {

namespace {

const QStringList kTopKeys{u"id"_s, u"caption"_s, u"instructions"_s, u"window"_s, u"pair"_s,
                           u"extra_meanings"_s, u"pairs_file"_s, u"pairs_delimiter"_s,
                           u"pairs_header"_s, u"expressions_name"_s, u"meanings_name"_s, u"version"_s, u"author"_s};
const QStringList kPairKeys{u"expression"_s, u"meaning"_s, u"explanation"_s, u"picture"_s};
const QStringList kWindowKeys{u"width"_s, u"expressions_left"_s, u"expressions_width"_s,
                              u"meanings_left"_s, u"meanings_width"_s};
// The widest window a quiz may ask for: 2,000 pixels at 96 dots per inch.
constexpr qint64 kMaxWidth = 30000;

int editDistance(const QString &a, const QString &b)
{
    QList<int> row(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = qMin(qMin(row[j] + 1, row[j - 1] + 1), diagonal + (a[i - 1] == b[j - 1] ? 0 : 1));
            diagonal = above;
        }
    }
    return row[b.size()];
}

// A text or a name in a message. Signs no text may hold are shown as their code, so a message
// never carries a control sequence to the terminal that prints it.
QString quoted(const QString &text)
{
    QString shown = u"\""_s;
    for (const QChar c : text) {
        if (TextFile::badCharacter(QStringView(&c, 1)).isNull() && c != u'\t' && c != u'\n' && c != u'\r')
            shown += c;
        else
            shown += u"\\u"_s + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
    }
    return shown + u'"';
}

QString fromToml(std::string_view text)
{
    // QString::fromUtf8 drops a byte-order mark at a text's start; the check must see it.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(QByteArrayView(text.data(), qsizetype(text.size())));
}

// A file's bytes, or why it cannot be used (in words that follow its name).
struct FileBytes
{
    QByteArray bytes;
    Words problem;   // null when the file was read
};

QString megabytes(qint64 bytes)
{
    return u"%1 MB"_s.arg(bytes / (1024 * 1024));
}

// Why a file of this kind and size is not read, or a null string.
Words refusal(bool folder, bool plain, qint64 size, qint64 limit)
{
    if (folder)
        return say("is a folder, not a file");
    if (!plain)
        return say("is not a plain file (it is a device, a pipe or a socket)");
    if (size > limit)
        return say("is larger than %1, the most a quiz reads: make it smaller").arg(megabytes(limit));
    return Words();
}

// Reads a whole regular file of at most limit bytes. The kind and size are checked before
// opening, so a device or a pipe is never opened; on Unix again on the opened file, which does
// not wait for a writer (O_NONBLOCK), so a file swapped for a pipe in between cannot stall the check.
FileBytes readRegularFile(const QString &path, qint64 limit)
{
    QFile file;
    qint64 size = 0;
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0) {
        return {{}, errno == ENOENT || errno == ENOTDIR ? say("is missing")
                                                         : say("cannot be read (%1)").arg(qt_error_string(errno))};
    }
    if (Words why = refusal(S_ISDIR(info.st_mode), S_ISREG(info.st_mode), info.st_size, limit); !why.isNull())
        return {{}, why};
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {{}, say("cannot be read (%1)").arg(qt_error_string(errno))};
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    if (::fstat(fd, &info) != 0)
        return {{}, say("cannot be read (%1)").arg(qt_error_string(errno))};
    if (Words why = refusal(S_ISDIR(info.st_mode), S_ISREG(info.st_mode), info.st_size, limit); !why.isNull())
        return {{}, why};
    size = info.st_size;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, say("is missing")};
    if (Words why = refusal(info.isDir(), info.isFile(), info.size(), limit); !why.isNull())
        return {{}, why};
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, say("cannot be read (%1)").arg(file.errorString())};
    size = info.size();
#endif
    // One byte more than its size tells a file that grew meanwhile from one read whole.
    FileBytes result{file.read(size + 1), Words()};
    if (file.error() != QFileDevice::NoError)
        return {{}, say("cannot be read (%1)").arg(file.errorString())};
    if (result.bytes.size() > size)
        return {{}, say("changed while it was read: check it again")};
    return result;
}

// A file's shape, seen before parsing: the parser recurses once per level of nesting, so a key of
// a million dots would overflow its stack, and it holds every value in memory.
struct Shape
{
    int line = 0;  // where the file first nests deeper than kMaxNesting or holds more than kMaxValues
    bool tooDeep = false;
    int unclosedLine = 0;  // where a text that runs to the end of the file opens: the parser only sees its end
    QString unclosedQuote;
};

// Nesting is the brackets still open plus the dots of the key being written; values are counted
// by the signs that start one ('=', ',', '[', '{'). Strings and comments are skipped as TOML
// reads them.
Shape shapeOf(QStringView text)
{
    Shape shape;
    int line = 1;
    int brackets = 0; // [ and { still open
    int dots = 0;     // dots in the key being written
    qsizetype values = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        auto tripleAt = [&](qsizetype at, QChar quote) {
            return at + 2 < text.size() && text[at] == quote && text[at + 1] == quote && text[at + 2] == quote;
        };
        if (c == u'"' || c == u'\'') {
            const bool multiLine = tripleAt(i, c);
            const int opened = line;
            const bool escapes = c == u'"';
            i += multiLine ? 3 : 1;
            for (; i < text.size(); ++i) {
                if (text[i] == u'\n') {
                    ++line;
                    if (!multiLine)
                        break; // an unclosed string: the parser reports it
                } else if (escapes && text[i] == u'\\') {
                    if (i + 1 < text.size() && text[i + 1] == u'\n')
                        ++line;
                    ++i;
                } else if (text[i] == c && (!multiLine || tripleAt(i, c))) {
                    if (multiLine) // up to two more quotes belong to the text
                        while (i + 1 < text.size() && text[i + 1] == c)
                            ++i;
                    break;
                }
            }
            if (multiLine && i >= text.size()) {
                shape.unclosedLine = opened;
                shape.unclosedQuote = QString(3, c);
            }
            continue;
        }
        if (c == u'#') {
            while (i + 1 < text.size() && text[i + 1] != u'\n')
                ++i;
            continue;
        }
        if (c == u'.') {
            ++dots;
        } else if (c == u'[' || c == u'{') {
            ++brackets;
            ++values;
            dots = 0;
        } else if (c == u']' || c == u'}') {
            brackets = qMax(0, brackets - 1);
            dots = 0;
        } else if (c == u'=' || c == u',') {
            ++values;
            dots = 0;
        } else if (c == u'\n') {
            ++line;
            dots = 0;
        }
        if (brackets + dots > kMaxNesting || values > kMaxValues) {
            shape.line = line;
            shape.tooDeep = brackets + dots > kMaxNesting;
            return shape;
        }
    }
    return shape;
}

int lineOf(const toml::node &node)
{
    return int(node.source().begin.line);
}

// The parser's error in words a teacher can act on, at the line to mend, for the slips teachers
// make: one bracket for two, a forgotten [[pair]], a word processor's quotes, a Windows path, a
// text left open. Anything else keeps the parser's own words.
std::pair<int, Words> syntaxError(const QString &text, const Shape &shape, int line, const QString &description)
{
    static const QRegularExpression tableAsList(uR"(cannot redefine existing table '([^']*)' as array-of-tables)"_s);
    static const QRegularExpression givenTwice(uR"(cannot redefine existing \w+ '([^']*)')"_s);
    static const QRegularExpression badEscape(uR"(unknown escape sequence '(\\.?)')"_s);
    const QStringList lines = TextFile::lines(text);
    const QString errorLine = lines.value(line - 1);
    QRegularExpressionMatch m;
    if ((m = tableAsList.match(description)).hasMatch()) {
        const QString name = m.captured(1);
        const QRegularExpression single(u"^\\s*\\[\\s*"_s + QRegularExpression::escape(name) + u"\\s*\\](\\s|#|$)"_s);
        const qsizetype at = lines.indexOf(single);
        return {at >= 0 ? int(at) + 1 : line,
                say("[%1] with one bracket on each side makes one table, but there are several: write [[%1]], with "
                "two brackets on each side, before every one of them").arg(name)};
    }
    if ((m = givenTwice.match(description)).hasMatch()) {
        const QString key = m.captured(1);
        if (kPairKeys.contains(key)) {
            return {line, say("%1 is given a second time in the same pair: is a [[pair]] line missing above this line? "
                          "Every pair starts with its own [[pair]]").arg(key)};
        }
        return {line, say("%1 is given twice: give it once").arg(key)};
    }
    if (description.contains(u"could not determine value type"_s)) {
        static const QString curly = u"“”„‟«»‘’‚‛″"_s;
        if (std::any_of(errorLine.cbegin(), errorLine.cend(), [](QChar c) { return curly.contains(c); })) {
            return {line, say("this text is in curly quotes (“ ” or „ “), as a word processor writes them: use straight "
                          "double quotes (\"), such as caption = \"Столици\"; write quiz files in a plain-text editor")};
        }
        return {line, say("this value is not something TOML knows: text goes in double quotes, such as caption = "
                      "\"Столици\", numbers are written as digits, and true or false as they are")};
    }
    if ((m = badEscape.match(description)).hasMatch()) {
        return {line, say("in double quotes a backslash (\\) starts a sign such as \\n, and %1 is none: in a file's path "
                      "write / instead of \\, such as \"snimki/Na.png\"; a backslash in a text is written twice (\\\\)")
                          .arg(m.captured(1))};
    }
    if (description.contains(u"end-of-file"_s) && shape.unclosedLine > 0) {
        return {shape.unclosedLine, say("this text opened with %1 on line %2 is never closed: end it with %1 where it ends")
                                        .arg(shape.unclosedQuote).arg(shape.unclosedLine)};
    }
    if (description.contains(u"unescaped control characters"_s) && errorLine.count(u'"') % 2 == 1) {
        return {line, say("this text's closing double quote is missing: a text in \" \" ends on its own line; for a text "
                      "of several lines write \"\"\" before and after it")};
    }
    return {line, say("this is not valid TOML: %1").arg(description)};
}

// Why a text that is shown on one line (a caption, a list's name, a list item) is not one line,
// or a null string.
Words notOneLine(const QString &text)
{
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return say("runs over more than one line");
        if (c == u'\t')
            return say("has a tab, which shows as nothing: use a space");
    }
    return Words();
}

#ifdef Q_OS_WIN
// RELATIVE (an existing file's path below BASE) as the disk names it, letter case included.
QString nameOnDisk(const QString &base, const QString &relative)
{
    QStringList parts;
    QString path = base;
    for (const QString &part : QDir::cleanPath(relative).split(u'/')) {
        path += u'/' + part;
        WIN32_FIND_DATAW found;
        const HANDLE handle = FindFirstFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()), &found);
        if (handle == INVALID_HANDLE_VALUE)
            return QDir::cleanPath(relative);
        FindClose(handle);
        parts << QString::fromWCharArray(found.cFileName);
    }
    return parts.join(u'/');
}
#endif

// The file in folder whose name is nearest to a mistyped one, or a null string: a letter or two
// off, or in other capitals, as a teacher mistypes a picture's name. Only the folder's first
// entries are looked at, so a folder of a million files costs no more than a large one.
QString nearestName(const QDir &folder, const QString &name)
{
    constexpr int kMaxEntries = 2000;
    const QString wanted = name.toCaseFolded();
    const int allowed = int(qMax<qsizetype>(2, wanted.size() / 4));
    QString best;
    int bestDistance = allowed + 1;
    QDirIterator entries(folder.path(), QDir::Files | QDir::Hidden | QDir::System);
    for (int seen = 0; seen < kMaxEntries && entries.hasNext(); ++seen) {
        const QString candidate = entries.nextFileInfo().fileName();
        const QString folded = candidate.toCaseFolded();
        if (qAbs(folded.size() - wanted.size()) > allowed || !TextFile::badCharacter(candidate).isNull())
            continue;
        if (const int d = editDistance(folded, wanted); d < bestDistance) {
            bestDistance = d;
            best = candidate;
        }
    }
    return best;
}

// Collects what one quiz file says, with the lines things were said on.
class Reader
{
public:
    Reader(const QString &path, Result &result, PictureReading pictures)
        : m_path(path), m_dir(QFileInfo(path).dir()), m_folder(QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath()),
          m_result(result), m_pictureReading(pictures)
    {}

    void read(const QByteArray &bytes);
    qsizetype unkeptProblems() const { return m_unkept; }

private:
    // Problems beyond a few screenfuls are counted, not kept, so their messages cannot fill memory.
    void report(const Problem &p)
    {
        if (m_result.problems.size() < 10 * kMaxProblems)
            m_result.problems.append(p);
        else
            ++m_unkept;
    }
    void problem(int line, const Words &message) { report({m_path, line, message}); }
    // The value of an optional key when it is of kind T; a value of another kind is reported.
    template <typename T>
    const T *optional(const toml::table &table, const char *key, const Words &wrongKind)
    {
        const toml::node *node = table.get(key);
        const T *value = node ? node->as<T>() : nullptr;
        if (node && !value)
            problem(lineOf(*node), wrongKind);
        return value;
    }
    void unknownKeys(const toml::table &table, const QStringList &known, const Words &where);
    QString text(const toml::table &table, const char *key, bool required, const Words &what);
    QStringList lines(const toml::node &node, const Words &what);
    void readPackage(const toml::table &top);
    void readWindow(const toml::table &top);
    void readPairs(const toml::table &top);
    void readPairsFile(const toml::table &top);
    void readExtraMeanings(const toml::table &top);
    void checkStrings(const toml::node &node);
    bool readFile(const QString &file, const QString &base, int line, const QString &from, const Words &what,
                  qint64 limit, QByteArray *bytes, QString *path);
    int picture(const QString &file, int line, const QString &from, const QString &base);
    void checkWhole(const toml::table &top);

    QString m_path;
    QDir m_dir;
    QString m_folder; // the quiz file's folder, links followed: nothing outside it is read
    Result &m_result;
    PictureReading m_pictureReading;
    qsizetype m_unkept = 0;
    Quiz &quiz() { return m_result.quiz; }
    // Where each pair and extra meaning came from, for the checks of the whole quiz.
    struct Origin { QString file; int line; };
    struct PairOrigin { Origin expression, meaning; }; // each text's own line, to mend it there
    QList<PairOrigin> m_pairOrigins;
    QList<Origin> m_extraOrigins;
    QHash<QString, int> m_pictureIndex;
    bool m_pairsTableFailed = false;
};

void Reader::unknownKeys(const toml::table &table, const QStringList &known, const Words &where)
{
    for (auto &&[key, node] : table) {
        const QString name = fromToml(key.str());
        if (known.contains(name))
            continue;
        if (&known != &kTopKeys && kTopKeys.contains(name)) {
            problem(int(key.source().begin.line),
                    say("%1 belongs at the top of the file, before the first [[pair]] or [window]: every key after "
                    "such a line belongs to it").arg(name));
            continue;
        }
        const auto distance = [&](const QString &k) { return editDistance(name, k); };
        const QString &nearest = *std::ranges::min_element(known, {}, distance);
        const Words hint = distance(nearest) > 2
            ? say("the keys %1 are: %2").arg(where, known.join(u", "_s))
            : say("did you mean %1?").arg(quoted(nearest));
        problem(int(key.source().begin.line), say("unknown key %1 %2; %3").arg(quoted(name), where, hint));
    }
}

QString Reader::text(const toml::table &table, const char *key, bool required, const Words &what)
{
    const toml::node *node = table.get(key);
    if (!node) {
        if (required)
            problem(lineOf(table), say("%1 is missing: add %2 = \"...\"").arg(what, QString::fromLatin1(key)));
        return QString();
    }
    if (!node->is_string()) {
        problem(lineOf(*node), say("%1 must be text in double quotes").arg(what));
        return QString();
    }
    return fromToml(node->as_string()->get());
}

QStringList Reader::lines(const toml::node &node, const Words &what)
{
    QStringList result;
    if (const auto *s = node.as_string())
        return TextFile::lines(fromToml(s->get()));
    if (const auto *array = node.as_array()) {
        for (const toml::node &item : *array) {
            if (!item.is_string()) {
                problem(lineOf(item), say("every line of %1 must be text in double quotes").arg(what));
                continue;
            }
            result += TextFile::lines(fromToml(item.as_string()->get()));
        }
        return result;
    }
    problem(lineOf(node), say("%1 must be text in double quotes, or a list of lines in [ ]").arg(what));
    return result;
}

void Reader::checkStrings(const toml::node &node)
{
    // Signs refused in the file's own text can still be written as escapes, such as "\u0000".
    const Words refused = say("this %1 has %2, which no text may hold: remove the escape that writes it");
    if (const auto *table = node.as_table()) {
        for (auto &&[key, value] : *table) {
            if (const Words bad = TextFile::badCharacter(fromToml(key.str())); !bad.isNull())
                problem(int(key.source().begin.line), refused.arg(say("key"), bad));
            checkStrings(value);
        }
    } else if (const auto *array = node.as_array()) {
        for (const toml::node &item : *array)
            checkStrings(item);
    } else if (const auto *string = node.as_string()) {
        if (const Words bad = TextFile::badCharacter(fromToml(string->get())); !bad.isNull())
            problem(lineOf(node), refused.arg(say("text"), bad));
    }
}

void Reader::read(const QByteArray &bytes)
{
    const TextFile::Decoded decoded = TextFile::decode(bytes);
    if (!decoded.ok()) {
        problem(decoded.badLine, decoded.problem);
        return;
    }
    const Shape shape = shapeOf(decoded.text);
    if (shape.tooDeep) {
        problem(shape.line, say("keys, tables or lists here are nested more than %1 levels deep; a quiz file needs 2 "
                            "or 3: write the keys out flat, as the example quizzes do").arg(kMaxNesting));
        return;
    } else if (shape.line) {
        problem(shape.line, say("by this line the quiz file holds more than %1 keys, values and tables, more than any "
                            "quiz needs (%2 pairs take about 200000): split it into smaller quizzes")
                                .arg(kMaxValues).arg(kMaxItems));
        return;
    }
    const QByteArray utf8 = decoded.text.toUtf8();
    toml::parse_result parsed = toml::parse(std::string_view(utf8.constData(), size_t(utf8.size())));
    if (!parsed) {
        const toml::parse_error &error = parsed.error();
        const auto [line, message] = syntaxError(decoded.text, shape, int(error.source().begin.line),
                                                 fromToml(error.description()));
        problem(line, message);
        return;
    }
    const toml::table &top = parsed.table();
    checkStrings(top);
    unknownKeys(top, kTopKeys, say("at the top of a quiz file"));

    quiz().id = text(top, "id", true, say("the quiz's id"));
    if (const toml::node *id = top.get("id"); id && id->is_string() && !isValidId(quiz().id)) {
        problem(lineOf(*id), say("the id %1 cannot name a program: use 1 to 32 small Latin letters, digits and "
                             "hyphens, starting with a letter, such as \"capitals\"").arg(quoted(quiz().id)));
    }
    quiz().caption = text(top, "caption", true, say("the window caption"));
    if (const toml::node *caption = top.get("caption"); caption && caption->is_string()) {
        if (quiz().caption.trimmed().isEmpty())
            problem(lineOf(*caption), say("the caption is empty: write the window's caption"));
        else if (const Words why = notOneLine(quiz().caption); !why.isNull())
            problem(lineOf(*caption), say("the caption must be one line: it %1").arg(why));
    }
    readPackage(top);
    for (auto [key, name] : {std::pair{"expressions_name", &quiz().expressionsName},
                             std::pair{"meanings_name", &quiz().meaningsName}}) {
        const toml::node *node = top.get(key);
        const QString given = text(top, key, false, Words::same(QString::fromLatin1(key)));
        if (!node || given.isNull())
            continue;
        if (given.trimmed().isEmpty() || !notOneLine(given).isNull())
            problem(lineOf(*node), say("%1 must be one line of text, without tabs").arg(QString::fromLatin1(key)));
        else
            *name = given;
    }
    if (const toml::node *instructions = top.get("instructions")) {
        // The output box separates lines with CR LF; a list gives every line its own break.
        const QStringList shown = lines(*instructions, say("the instructions"));
        quiz().instructions = instructions->is_array() ? shown.join(u"\r\n"_s) + u"\r\n"_s
                                                       : shown.join(u"\r\n"_s);
    }
    readWindow(top);
    readPairs(top);
    const qsizetype problemsBefore = m_result.problems.size() + m_unkept;
    readPairsFile(top);
    // A table that could not be read has had its say; "no pairs" would only mislead.
    m_pairsTableFailed = m_result.problems.size() + m_unkept > problemsBefore;
    readExtraMeanings(top);
    checkWhole(top);
}

// The version and the author name the quiz's package and its maintainer, so they go into a
// package's control file: one line each, of the signs those fields allow.
void Reader::readPackage(const toml::table &top)
{
    // Anchored: '$' alone lets a final line break through, into the package's changelog.
    static const QRegularExpression version(QRegularExpression::anchoredPattern(u"[0-9][0-9A-Za-z.+~]{0,31}"_s));
    if (const QString given = text(top, "version", false, Words::same(u"version"_s)); !given.isNull()) {
        if (version.match(given).hasMatch())
            quiz().version = given;
        else
            problem(lineOf(*top.get("version")), say("version must be a version number such as \"1.2\": digits, Latin "
                                                 "letters and . + ~, starting with a digit, at most 32 signs"));
    }
    // A name, and an e-mail address in < > if the teacher likes.
    static const QRegularExpression author(uR"(^[^<>,@]+(<[^<>\s,@]+@[^<>\s,@]+>)?$)"_s);
    if (const QString given = text(top, "author", false, Words::same(u"author"_s)); !given.isNull()) {
        const QString trimmed = given.simplified();
        if (trimmed.size() <= 100 && notOneLine(given).isNull() && TextFile::badCharacter(given).isNull()
            && author.match(trimmed).hasMatch() && !trimmed.startsWith(u'<')) {
            quiz().author = trimmed;
        } else {
            problem(lineOf(*top.get("author")), say("author must be your name on one line of at most 100 signs, with your "
                                                "e-mail address in < > if you like, such as \"Мария Петрова "
                                                "<maria@example.org>\""));
        }
    }
}

void Reader::readWindow(const toml::table &top)
{
    const auto *window = optional<toml::table>(top, "window",
        say("window must be a table: write [window] on a line of its own, then its keys"));
    if (!window)
        return;
    unknownKeys(*window, kWindowKeys, say("in [window]"));
    std::array<int, 5> lineOfItem{};
    for (int i = 0; i < 5; ++i) {
        const std::string key = kWindowKeys[i].toStdString();
        const toml::node *value = window->get(key);
        lineOfItem[i] = value ? lineOf(*value) : lineOf(*window);
        if (!value)
            continue;
        const std::optional<qint64> number = value->value_exact<qint64>();
        if (!number || *number < (i % 2 == 0 ? 1 : 0) || *number > kMaxWidth) {
            problem(lineOf(*value), say("%1 must be a whole number of twips from %2 to %3 (15 twips to a pixel)")
                                        .arg(kWindowKeys[i]).arg(i % 2 == 0 ? 1 : 0).arg(kMaxWidth));
            continue;
        }
        quiz().layout[i] = qint32(*number);
    }
    const Layout &l = quiz().layout;
    const std::array<Words, 2> lists{say("expressions"), say("meanings")};
    for (int side = 0; side < 2; ++side) {
        const qint64 end = qint64(l[1 + 2 * side]) + l[2 + 2 * side];
        if (end > l[0]) {
            problem(lineOfItem[2 + 2 * side],
                    say("the %1 list would end at %2 twips, outside the window, which is %3 twips wide: make the "
                    "window wider or the list narrower").arg(lists[side]).arg(end).arg(l[0]));
        }
    }
}

void Reader::readPairs(const toml::table &top)
{
    const toml::node *node = top.get("pair");
    if (!node)
        return;
    const toml::array *pairs = node->as_array();
    if (!pairs || !pairs->is_array_of_tables()) {
        problem(lineOf(*node), say("pairs are written as [[pair]] tables, each with expression = \"...\" and "
                               "meaning = \"...\""));
        return;
    }
    for (const toml::node &item : *pairs) {
        const toml::table &table = *item.as_table();
        unknownKeys(table, kPairKeys, say("in a [[pair]]"));
        Pair pair;
        pair.expression = text(table, "expression", true, say("this pair's expression"));
        pair.meaning = text(table, "meaning", true, say("this pair's meaning"));
        if (const toml::node *explanation = table.get("explanation"))
            pair.explanation = lines(*explanation, say("the explanation"));
        if (const toml::node *picture = table.get("picture")) {
            if (!picture->is_string())
                problem(lineOf(*picture), say("picture must be a file name in double quotes"));
            else
                pair.picture = this->picture(fromToml(picture->as_string()->get()), lineOf(*picture), m_path,
                                             m_dir.path());
        }
        quiz().pairs.append(pair);
        // A missing text is reported at its [[pair]] line, a given one at its own.
        auto at = [&](const char *key) { const toml::node *value = table.get(key); return lineOf(value ? *value : table); };
        m_pairOrigins.append(PairOrigin{{m_path, at("expression")}, {m_path, at("meaning")}});
    }
}

void Reader::readPairsFile(const toml::table &top)
{
    const QString file = text(top, "pairs_file", false, Words::same(u"pairs_file"_s));
    const toml::node *node = top.get("pairs_file");
    if (!node || file.isEmpty())
        return;
    char delimiter = 0;
    if (const toml::node *d = top.get("pairs_delimiter")) {
        const QString given = d->is_string() ? fromToml(d->as_string()->get()) : QString();
        const char16_t sign = given.size() == 1 ? given.at(0).unicode() : 0;
        // A line break would make the whole table one row; other control signs cannot be typed.
        if (sign == 0 || sign > 126 || (sign < 0x20 && sign != u'\t') || given.at(0).isLetterOrNumber() || sign == u'"') {
            problem(lineOf(*d), say("pairs_delimiter must be one sign in double quotes: \"\\t\" for a tab, \",\" or \";\""));
            return;
        }
        delimiter = char(given.at(0).unicode());
    }
    bool header = false;
    if (const toml::node *h = top.get("pairs_header")) {
        if (!h->is_boolean())
            problem(lineOf(*h), say("pairs_header must be true or false"));
        else
            header = h->as_boolean()->get();
    }

    const QString shown = QDir::cleanPath(QFileInfo(m_path).dir().path() + u'/' + file);
    QByteArray bytes;
    QString path;
    if (!readFile(file, m_dir.path(), lineOf(*node), m_path, say("the pairs table"), kMaxTextFileBytes, &bytes, &path))
        return;
    if (const qsizetype lines = bytes.count('\n'); lines > kMaxTableLines) {
        problem(lineOf(*node), say("the pairs table %1 has %2 lines, more than the %3 any quiz needs (a quiz holds at "
                               "most %4 pairs and meanings): split it into smaller quizzes")
                                   .arg(quoted(file)).arg(lines).arg(kMaxTableLines).arg(kMaxItems));
        return;
    }
    const PairsTable::Result rows = PairsTable::read(bytes, delimiter, header);
    for (const PairsTable::Problem &p : rows.problems)
        report({shown, p.line, Words{p.english, p.message}});
    for (const PairsTable::Problem &n : rows.notes)
        m_result.notes.append({shown, n.line, Words{n.english, n.message}});
    for (const PairsTable::Row &row : rows.rows) {
        if (row.expression.isEmpty()) {
            quiz().extraMeanings << row.meaning;
            m_extraOrigins.append({shown, row.line});
            continue;
        }
        Pair pair{row.expression, row.meaning, row.explanation};
        if (!row.picture.isEmpty())
            pair.picture = picture(row.picture, row.line, shown, QFileInfo(path).absolutePath());
        quiz().pairs.append(pair);
        m_pairOrigins.append(PairOrigin{{shown, row.line}, {shown, row.line}});
    }
}

void Reader::readExtraMeanings(const toml::table &top)
{
    const auto *array = optional<toml::array>(top, "extra_meanings",
        say("extra_meanings must be a list of texts in [ ], such as [\"Рим\", \"Атина\"]"));
    if (!array)
        return;
    for (const toml::node &item : *array) {
        if (!item.is_string()) {
            problem(lineOf(item), say("every extra meaning must be text in double quotes"));
            continue;
        }
        quiz().extraMeanings << fromToml(item.as_string()->get());
        m_extraOrigins.append({m_path, lineOf(item)});
    }
}

// Reads a file the quiz names, relative to base (a folder inside the quiz's folder). Only regular
// files inside the quiz's folder, once links are followed, are read, and none larger than limit.
bool Reader::readFile(const QString &file, const QString &base, int line, const QString &from, const Words &what,
                      qint64 limit, QByteArray *bytes, QString *path)
{
    auto refuse = [&](const Words &why) {
        report({from, line, Words::same(u"%1 %2 %3"_s).arg(what, quoted(file), why)});
        return false;
    };
    if (file.trimmed().isEmpty())
        return refuse(say("names no file: write the file's name"));
    if (!TextFile::badCharacter(file).isNull() || !notOneLine(file).isNull()) {
        // "snimki\new.png" in double quotes is "snimki", a line break, "ew.png".
        return refuse(say("has a sign no file name may hold: rename the file; in a Windows path such as snimki\\new.png "
                      "the backslash starts such a sign, so write / instead: \"snimki/new.png\""));
    }

    if (QDir::isAbsolutePath(file) || file.split(u'/').contains(u".."_s)) {
        return refuse(say("is outside the quiz's folder: a quiz reads only files in its own folder and the folders "
                      "within it; copy the file there and name it from there, such as \"flags/bg.png\""));
    }
    const QFileInfo info(QDir(base).filePath(file));
    if (!info.exists() && file.contains(u'\\')) {
        QString slashes = file;
        return refuse(say("is missing: in a file's path write / instead of \\, such as %1")
                          .arg(quoted(slashes.replace(u'\\', u'/'))));
    }
    if (!info.exists()) { // a link to nothing is missing too
        // Only a folder inside the quiz's own is looked into.
        const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
        const bool inside = !m_folder.isEmpty() && !folder.isEmpty()
            && (folder == m_folder || folder.startsWith(m_folder.endsWith(u'/') ? m_folder : m_folder + u'/'));
        const QString nearest = inside ? nearestName(QDir(folder), info.fileName()) : QString();
        if (nearest.isEmpty())
            return refuse(say("is missing: put the file beside the quiz file, or correct its name"));
        const qsizetype slash = file.lastIndexOf(u'/');
        return refuse(say("is missing: did you mean %1? Correct the name, or put the file beside the quiz file")
                          .arg(quoted(file.first(slash + 1) + nearest)));
    }
#ifdef Q_OS_WIN
    // Windows finds "Flag.PNG" for flag.png; a bundle, and every other computer, do not.
    if (const QString onDisk = nameOnDisk(base, file); onDisk != QDir::cleanPath(file)) {
        return refuse(say("is named %1 on the disk: write its name with the same capital and small letters, "
                          "which other computers tell apart")
                          .arg(quoted(onDisk)));
    }
#endif
    const QString canonical = info.canonicalFilePath();
    const QString inside = m_folder.endsWith(u'/') ? m_folder : m_folder + u'/';
    if (m_folder.isEmpty() || !(canonical.startsWith(inside) || canonical == m_folder)) {
        return refuse(say("is a link that leads outside the quiz's folder: a quiz reads only files in its own folder; "
                      "copy the file itself there"));
    }
    FileBytes read = readRegularFile(canonical, limit);
    if (!read.problem.isNull())
        return refuse(read.problem);
    m_result.dependencies << canonical;
    *bytes = std::move(read.bytes);
    *path = canonical;
    return true;
}

// A progressive JPEG's decoder runs over the whole picture once per scan, so the scans (SOS
// markers) are counted first, walking the segments as the decoder does: a segment is skipped by
// its length, and after a scan's header its coded data runs to the next marker that is not a
// restart (FF 00 is a coded FF).
int jpegScans(QByteArrayView bytes)
{
    int scans = 0;
    qsizetype i = 2; // past SOI
    while (i + 1 < bytes.size()) {
        if (uchar(bytes[i]) != 0xFF) { // coded data, or stray bytes the decoder skips too
            ++i;
            continue;
        }
        const uchar marker = uchar(bytes[i + 1]);
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // no length
            i += 2;
            continue;
        }
        if (marker == 0xD9) // EOI
            break;
        if (marker == 0xDA)
            ++scans;
        if (i + 3 >= bytes.size())
            break;
        i += 2 + ((uchar(bytes[i + 2]) << 8) | uchar(bytes[i + 3]));
    }
    return scans;
}

// A PNG's chunks that decoding needs, up to IEND: the picture, its palette and transparency, and
// its colour space. Texts are left out before the decoder sees them, since each may unpack to
// megabytes, and so is whatever follows IEND.
QByteArray pngToDecode(const QByteArray &bytes)
{
    static const QByteArrayList kKept{"IHDR", "PLTE", "IDAT", "IEND", "tRNS", "gAMA", "cHRM", "sRGB", "iCCP"};
    QByteArray kept = bytes.first(qMin<qsizetype>(8, bytes.size())); // the signature
    bool profile = false;
    for (qsizetype at = 8; at + 12 <= bytes.size();) {
        const qint64 length = qFromBigEndian<quint32>(bytes.data() + at);
        if (length > bytes.size() - at - 12)
            break; // cut short: the decoder says so
        const QByteArray type = bytes.sliced(at + 4, 4);
        const qsizetype end = at + 12 + qsizetype(length);
        if (kKept.contains(type) && !(type == "iCCP" && std::exchange(profile, true)))
            kept += QByteArrayView(bytes).sliced(at, end - at);
        at = end;
        if (type == "IEND")
            break;
    }
    // The same bytes when nothing was left out (most pictures), shared rather than copied.
    return kept.size() == bytes.size() ? bytes : kept;
}

// A JPEG without its comments and application segments before the first scan, but for what
// decoding uses: JFIF, the first Exif (its orientation), a colour profile and Adobe's colour
// transform. The decoder keeps such segments in memory, and a file may hold 50 MB of them. Stray
// bytes between segments are dropped, as the decoder skips them too.
QByteArray jpegToDecode(const QByteArray &bytes)
{
    QByteArray kept = bytes.first(qMin<qsizetype>(2, bytes.size())); // SOI
    bool exif = false;
    qsizetype i = 2;
    while (i + 4 <= bytes.size()) {
        const uchar marker = uchar(bytes[i + 1]);
        if (uchar(bytes[i]) != 0xFF || marker == 0xFF) {
            ++i;
            continue;
        }
        if (marker == 0xDA) // the first scan: from here on, as it is
            break;
        const qsizetype end = i + 2 + ((uchar(bytes[i + 2]) << 8) | uchar(bytes[i + 3]));
        if (end > bytes.size())
            break;
        const QByteArrayView body = QByteArrayView(bytes).sliced(i + 4, end - i - 4);
        const bool application = marker >= 0xE0 && marker <= 0xEF;
        const bool used = marker == 0xE0 || (marker == 0xE1 && body.startsWith("Exif") && !std::exchange(exif, true))
            || (marker == 0xE2 && body.startsWith("ICC_PROFILE")) || (marker == 0xEE && body.startsWith("Adobe"));
        if (marker != 0xFE && (!application || used))
            kept += QByteArrayView(bytes).sliced(i, end - i);
        i = end;
    }
    // The same bytes when nothing was left out (most photos), shared rather than copied.
    if (kept.size() == qMin(i, bytes.size()))
        return bytes;
    return kept.append(QByteArrayView(bytes).sliced(qMin(i, bytes.size())));
}

// The picture as the program will hold it: the pixels alone, in sRGB, written anew by Qt's own
// encoder, so nothing of the file (its texts, profile, or bytes after its end) reaches a program.
QByteArray writtenAnew(QImage image, const QByteArray &format)
{
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace(QColorSpace::SRgb))
        image.convertToColorSpace(QColorSpace::SRgb);
    // An image made over the pixels carries none of the decoded one's texts or profile.
    QImage bare(image.constBits(), image.width(), image.height(), image.bytesPerLine(), image.format());
    bare.setColorTable(image.colorTable());
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "jpeg")
        writer.setQuality(90);
    return writer.write(bare.copy()) ? data : QByteArray();
}

// What a picture file is, read from its header alone, without decoding it.
struct PictureHeader
{
    QByteArray format; // "png" or "jpeg"; empty for anything else
    QByteArray bytes;  // what the decoder is given: the file less what decoding does not need
    QSize size;        // as stored
    int scans = 0;     // a JPEG's
    bool sideways = false;

    QSize upright() const { return sideways ? size.transposed() : size; }
    // What may be decoded at all: no picture made to take gigabytes or minutes.
    bool withinLimits() const
    {
        return !size.isEmpty() && qint64(size.width()) * size.height() <= kMaxPixels && scans <= kMaxJpegScans;
    }
};

PictureHeader pictureHeader(QByteArray file)
{
    PictureHeader header;
    QBuffer original(&file);
    original.open(QIODevice::ReadOnly);
    header.format = QImageReader::imageFormat(&original);
    if (header.format != "png" && header.format != "jpeg")
        return {};
    header.bytes = header.format == "png" ? pngToDecode(file) : jpegToDecode(file);
    QBuffer buffer(&header.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, header.format);
    header.size = reader.size();
    header.scans = header.format == "jpeg" ? jpegScans(header.bytes) : 0;
    // A phone's portrait photo is stored sideways, with a tag to turn it.
    reader.setAutoTransform(true);
    header.sideways = reader.transformation() & QImageIOHandler::TransformationRotate90;
    return header;
}

QSize fitted(QSize upright, QSize fit)
{
    if (upright.boundedTo(fit) == upright)
        return upright;
    return upright.scaled(fit, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

// Decodes a picture whose header is within the limits: upright, and a large one straight to the
// size it is shown at (a JPEG decoder does that in a fraction of the time and memory).
QImage decodePicture(const PictureHeader &header, QSize fit, QString *why)
{
    QByteArray bytes = header.bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, header.format);
    reader.setAutoTransform(true);
    const QSize shown = fitted(header.upright(), fit);
    if (shown != header.upright()) // the scaled size is in the orientation the picture is stored in
        reader.setScaledSize(header.sideways ? shown.transposed() : shown);
    reader.setAllocationLimit(int(kMaxPixels * 4 / (1024 * 1024)) + 1);
    const QImage image = reader.read();
    if (image.isNull() && why)
        *why = reader.errorString();
    return image;
}

// Reads a picture once, however many pairs show it; returns its index, or -1 after a problem.
int Reader::picture(const QString &file, int line, const QString &from, const QString &base)
{
    const QString known = QFileInfo(QDir(base).filePath(file)).canonicalFilePath();
    if (const auto it = m_pictureIndex.constFind(known); !known.isEmpty() && it != m_pictureIndex.constEnd())
        return *it;
    QByteArray bytes;
    QString path;
    if (!readFile(file, base, line, from, say("the picture"), kMaxPictureFileBytes, &bytes, &path))
        return -1;
    auto refuse = [&](const Words &why) {
        report({from, line, say("the picture %1 %2").arg(quoted(file), why)});
        return -1;
    };
    const PictureHeader header = pictureHeader(bytes);
    if (header.format.isEmpty())
        return refuse(say("is not a PNG or JPEG image: save it as PNG or JPEG"));
    const QSize size = header.size;
    if (size.isEmpty() || qint64(size.width()) * size.height() > kMaxPixels) {
        return refuse(say("is %1 × %2 pixels, too large to read safely: make it smaller than 50 megapixels in "
                      "a picture editor").arg(size.width()).arg(size.height()));
    }
    if (const int scans = header.scans; scans > kMaxJpegScans) {
        return refuse(say("is a JPEG of %1 scans, which would take minutes to show (a JPEG needs at most %2): save "
                      "it again in a picture editor").arg(scans).arg(kMaxJpegScans));
    }
    const QSize upright = header.upright();
    const QSize shown = fitted(upright, kMaxPictureSize);
    Picture picture{header.bytes, header.format, shown, false};
    if (m_pictureReading == PictureReading::Decode) {
        QString why;
        const QImage image = decodePicture(header, kMaxPictureSize, &why);
        if (image.isNull())
            return refuse(say("cannot be read as an image (%1): save it again as PNG or JPEG").arg(why));
        picture = {writtenAnew(image, header.format), header.format, image.size()};
        if (picture.data.isEmpty())
            return refuse(say("could not be written anew for the quiz: save it again as PNG or JPEG"));
    }
    if (shown != upright) {
        m_result.notes.append({from, line, say("the picture %1 is %2 × %3 pixels; it is scaled down to %4 × %5 so "
                                           "that it shows whole on the screen")
                                               .arg(quoted(file)).arg(upright.width()).arg(upright.height())
                                               .arg(shown.width()).arg(shown.height())});
    }
    quiz().pictures.append(picture);
    m_pictureIndex.insert(path, int(quiz().pictures.size() - 1));
    return int(quiz().pictures.size() - 1);
}

void Reader::checkWhole(const toml::table &top)
{
    const QList<Pair> &pairs = quiz().pairs;
    auto where = [](const Origin &o, const QString &self) {
        return o.file == self ? say("line %1").arg(o.line) : Words::same(u"%1:%2"_s.arg(o.file).arg(o.line));
    };
    auto checkText = [&](const QString &text, const Origin &origin, const Words &what) {
        if (text.isNull()) // missing, and said so already
            return;
        if (text.trimmed().isEmpty()) {
            report({origin.file, origin.line, say("the %1 is empty: write it, or remove the pair").arg(what)});
        } else if (const Words why = notOneLine(text); !why.isNull()) {
            report({origin.file, origin.line, say("the %1 %2 %3: a list shows one line per item").arg(what, quoted(text), why)});
        }
    };

    // Lookups take the first match, so a repeated text would make the answer key ambiguous.
    QHash<QString, Origin> expressions;
    QHash<QString, Origin> meanings;
    auto repeated = [&](QHash<QString, Origin> &seen, const QString &text, const Origin &origin, const Words &what) {
        if (text.trimmed().isEmpty())
            return;
        const auto first = seen.constFind(text);
        if (first == seen.constEnd()) {
            seen.insert(text, origin);
            return;
        }
        report({origin.file, origin.line,
                say("the %1 %2 is given twice, here and on %3: the answer key would be ambiguous; give each %1 once")
                    .arg(what, quoted(text), where(*first, origin.file))});
    };
    const qsizetype n = pairs.size();
    const qsizetype extra = quiz().extraMeanings.size();
    const int topLine = 1; // for what concerns the whole quiz
    // Said before the items' problems, so that it is kept however many of those there are.
    const bool tooMany = n > kMaxItems || n + extra > kMaxItems;
    if (tooMany) {
        report({m_path, topLine,
                say("the quiz has %1 pairs and %2 meanings in all; the program counts up to %3 of each: split it into "
                "smaller quizzes").arg(n).arg(n + extra).arg(kMaxItems)});
    }
    for (int i = 0; i < pairs.size(); ++i) {
        checkText(pairs[i].expression, m_pairOrigins[i].expression, say("expression"));
        checkText(pairs[i].meaning, m_pairOrigins[i].meaning, say("meaning"));
        repeated(expressions, pairs[i].expression, m_pairOrigins[i].expression, say("expression"));
        repeated(meanings, pairs[i].meaning, m_pairOrigins[i].meaning, say("meaning"));
    }
    for (int i = 0; i < quiz().extraMeanings.size(); ++i) {
        checkText(quiz().extraMeanings[i], m_extraOrigins[i], say("extra meaning"));
        repeated(meanings, quiz().extraMeanings[i], m_extraOrigins[i], say("meaning"));
    }

    if (n == 0) {
        if (!m_pairsTableFailed)
            report({m_path, topLine, say("the quiz has no pairs: add [[pair]] tables or a pairs_file")});
        return;
    }
    if (tooMany)
        return;
    // "Оцени" is enabled once the entered pairs are at least three times the meanings left; with
    // every pair entered, the extra meanings are what is left.
    if (3 * extra > n) {
        const toml::node *node = top.get("extra_meanings");
        const Origin at = node ? Origin{m_path, lineOf(*node)} : m_extraOrigins.first();
        report({at.file, at.line,
                say("with %1 pairs and %2 extra meanings the quiz can never be graded: \"Оцени\" needs "
                                  "at least three entered pairs for every meaning left over; %3").arg(n).arg(extra)
                                      .arg(n < 3 ? say("%1 pairs allow no extra meanings").arg(n)
                                                 : say("%1 pairs allow 0 to %2 extra meanings").arg(n).arg(n / 3))});
    }
}

} // namespace

int Quiz::pictureCount() const
{
    return int(std::count_if(pairs.cbegin(), pairs.cend(), [](const Pair &p) { return p.picture >= 0; }));
}

int Quiz::explanationCount() const
{
    return int(std::count_if(pairs.cbegin(), pairs.cend(), [](const Pair &p) { return !p.explanation.isEmpty(); }));
}

QString Problem::text() const
{
    return u"%1:%2: %3"_s.arg(file).arg(line).arg(message);
}

QString Problem::noteText() const
{
    return say("%1:%2: note: %3").arg(file).arg(line).arg(message).local;
}

QString Result::failure(const QString &file) const
{
    const qsizetype count = problemCount();
    return (count == 1 ? say("%1: 1 problem; nothing was built. Mend the file and check it again.").arg(file)
                       : say("%1: %2 problems; nothing was built. Mend the file and check it again.").arg(file).arg(count))
        .local;
}

QString Result::summary(const QString &file) const
{
    return say("OK: %1: pairs: %2, extra meanings: %3, pictures: %4, explanations: %5").arg(file)
        .arg(quiz.pairs.size()).arg(quiz.extraMeanings.size()).arg(quiz.pictureCount())
        .arg(quiz.explanationCount()).local;
}

QImage readPicture(const QByteArray &data, QSize fit, QString *why)
{
    auto fail = [why](const QString &text) {
        if (why)
            *why = text;
        return QImage();
    };
    if (data.size() > kMaxPictureFileBytes)
        return fail(u"larger than %1 MB"_s.arg(kMaxPictureFileBytes / (1024 * 1024)));
    const PictureHeader header = pictureHeader(data);
    if (header.format.isEmpty())
        return fail(u"not a PNG or JPEG image"_s);
    if (!header.withinLimits()) {
        return fail(u"%1 × %2 pixels and %3 scans, past the limits"_s.arg(header.size.width())
                        .arg(header.size.height()).arg(header.scans));
    }
    return decodePicture(header, fit.isEmpty() ? kMaxPictureSize : fit, why);
}

bool isValidId(const QString &id)
{
    static const QRegularExpression valid(QRegularExpression::anchoredPattern(u"[a-z][a-z0-9-]{0,31}"_s));
    return valid.match(id).hasMatch();
}

Result checkBytes(const QByteArray &bytes, const QString &path, PictureReading pictures)
{
    Result result;
    result.dependencies << QFileInfo(path).absoluteFilePath();
    if (bytes.size() > kMaxTextFileBytes) {
        result.problems.append({path, 1, say("the quiz file is larger than %1, the most a quiz reads: make it smaller")
                                             .arg(megabytes(kMaxTextFileBytes))});
        return result;
    }
    Reader reader(path, result, pictures);
    reader.read(bytes);
    // In the order a teacher reads them: file by file, line by line.
    QStringList files;
    for (const Problem &p : std::as_const(result.problems)) {
        if (!files.contains(p.file))
            files << p.file;
    }
    std::stable_sort(result.problems.begin(), result.problems.end(), [&](const Problem &a, const Problem &b) {
        const qsizetype fa = files.indexOf(a.file), fb = files.indexOf(b.file);
        return fa != fb ? fa < fb : a.line < b.line;
    });
    const qsizetype more = result.problems.size() - kMaxProblems + reader.unkeptProblems();
    if (more > 0) {
        const Problem next = result.problems.size() > kMaxProblems ? result.problems.at(kMaxProblems) : result.problems.last();
        result.problems.resize(kMaxProblems);
        result.problems.append({next.file, next.line, say("and %1 more problems, not listed: mend those above and "
                                                      "check again").arg(more)});
        result.moreProblems = more;
    }
    return result;
}

Result check(const QString &path, PictureReading pictures)
{
    FileBytes read = readRegularFile(path, kMaxTextFileBytes);
    if (!read.problem.isNull()) {
        Result result;
        result.problems.append({path, 1, say("the quiz file %1").arg(read.problem)});
        return result;
    }
    return checkBytes(read.bytes, path, pictures);
}

} // namespace QuizFile
