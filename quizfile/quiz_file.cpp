#include "quizfile/quiz_file.h"

#include "quizfile/pairs_table.h"
#include "quizfile/text_file.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#define TOML_EXCEPTIONS 0
#define TOML_ENABLE_FORMATTERS 0
#include <toml++/toml.h>

#include <string_view>

using namespace Qt::StringLiterals;

namespace QuizFile {

namespace {

const QStringList kTopKeys{u"id"_s, u"caption"_s, u"instructions"_s, u"window"_s, u"pair"_s,
                           u"extra_meanings"_s, u"pairs_file"_s, u"pairs_delimiter"_s,
                           u"pairs_header"_s, u"expressions_name"_s, u"meanings_name"_s};
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

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

QString fromToml(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

int lineOf(const toml::node &node)
{
    return int(node.source().begin.line);
}

// Collects what one quiz file says, with the lines things were said on.
class Reader
{
public:
    Reader(const QString &path, Result &result) : m_path(path), m_dir(QFileInfo(path).dir()), m_result(result) {}

    void read(const QByteArray &bytes);

private:
    void problem(int line, const QString &message) { m_result.problems.append({m_path, line, message}); }
    // The value of an optional key when it is of kind T; a value of another kind is reported.
    template <typename T>
    const T *optional(const toml::table &table, const char *key, const QString &wrongKind)
    {
        const toml::node *node = table.get(key);
        const T *value = node ? node->as<T>() : nullptr;
        if (node && !value)
            problem(lineOf(*node), wrongKind);
        return value;
    }
    void unknownKeys(const toml::table &table, const QStringList &known, const QString &where);
    QString text(const toml::table &table, const char *key, bool required, const QString &what);
    QStringList lines(const toml::node &node, const QString &what);
    void readWindow(const toml::table &top);
    void readPairs(const toml::table &top);
    void readPairsFile(const toml::table &top);
    void readExtraMeanings(const toml::table &top);
    int picture(const QString &file, int line, const QString &from, const QString &source);
    void checkWhole(const toml::table &top);

    QString m_path;
    QDir m_dir;
    Result &m_result;
    Quiz &quiz() { return m_result.quiz; }
    // Where each pair and extra meaning came from, for the checks of the whole quiz.
    struct Origin { QString file; int line; };
    QList<Origin> m_pairOrigins;
    QList<Origin> m_extraOrigins;
    QHash<QString, int> m_pictureIndex;
};

void Reader::unknownKeys(const toml::table &table, const QStringList &known, const QString &where)
{
    for (auto &&[key, node] : table) {
        const QString name = fromToml(key.str());
        if (known.contains(name))
            continue;
        QString best;
        int bestDistance = 3;
        for (const QString &k : known) {
            const int d = editDistance(name, k);
            if (d < bestDistance) {
                bestDistance = d;
                best = k;
            }
        }
        if (where != u"at the top of a quiz file"_s && kTopKeys.contains(name)) {
            problem(int(key.source().begin.line),
                    u"%1 belongs at the top of the file, before the first [[pair]] or [window]: every key after "
                    "such a line belongs to it"_s.arg(name));
            continue;
        }
        const QString hint = best.isEmpty()
            ? u"the keys %1 are: %2"_s.arg(where, known.join(u", "_s))
            : u"did you mean %1?"_s.arg(quoted(best));
        problem(int(key.source().begin.line), u"unknown key %1 %2; %3"_s.arg(quoted(name), where, hint));
    }
}

QString Reader::text(const toml::table &table, const char *key, bool required, const QString &what)
{
    const toml::node *node = table.get(key);
    if (!node) {
        if (required)
            problem(lineOf(table), u"%1 is missing: add %2 = \"...\""_s.arg(what, QLatin1String(key)));
        return QString();
    }
    if (!node->is_string()) {
        problem(lineOf(*node), u"%1 must be text in double quotes"_s.arg(what));
        return QString();
    }
    return fromToml(node->as_string()->get());
}

QStringList Reader::lines(const toml::node &node, const QString &what)
{
    QStringList result;
    if (const auto *s = node.as_string())
        return TextFile::lines(fromToml(s->get()));
    if (const auto *array = node.as_array()) {
        for (const toml::node &item : *array) {
            if (!item.is_string()) {
                problem(lineOf(item), u"every line of %1 must be text in double quotes"_s.arg(what));
                continue;
            }
            result += TextFile::lines(fromToml(item.as_string()->get()));
        }
        return result;
    }
    problem(lineOf(node), u"%1 must be text in double quotes, or a list of lines in [ ]"_s.arg(what));
    return result;
}

void Reader::read(const QByteArray &bytes)
{
    const TextFile::Decoded decoded = TextFile::decode(bytes);
    if (!decoded.ok()) {
        problem(decoded.badLine, decoded.problem);
        return;
    }
    const QByteArray utf8 = decoded.text.toUtf8();
    toml::parse_result parsed = toml::parse(std::string_view(utf8.constData(), size_t(utf8.size())));
    if (!parsed) {
        const toml::parse_error &error = parsed.error();
        const QString description = fromToml(error.description());
        // The usual slip: text without its double quotes.
        const QString hint = description.contains(u"could not determine value type"_s)
            ? u" (text goes in double quotes, such as caption = \"Столици\")"_s : QString();
        problem(int(error.source().begin.line), u"this is not valid TOML: %1%2"_s.arg(description, hint));
        return;
    }
    const toml::table &top = parsed.table();
    unknownKeys(top, kTopKeys, u"at the top of a quiz file"_s);

    quiz().id = text(top, "id", true, u"the quiz's id"_s);
    if (const toml::node *id = top.get("id"); id && id->is_string() && !isValidId(quiz().id)) {
        problem(lineOf(*id), u"the id %1 cannot name a program: use 1 to 32 small Latin letters, digits and "
                             "hyphens, starting with a letter, such as \"capitals\""_s.arg(quoted(quiz().id)));
    }
    quiz().caption = text(top, "caption", true, u"the window caption"_s);
    if (const toml::node *caption = top.get("caption"); caption && caption->is_string()) {
        if (quiz().caption.trimmed().isEmpty())
            problem(lineOf(*caption), u"the caption is empty: write the window's caption"_s);
        else if (quiz().caption.contains(u'\n') || quiz().caption.contains(u'\r'))
            problem(lineOf(*caption), u"the caption must be one line"_s);
    }
    for (auto [key, name] : {std::pair{"expressions_name", &quiz().expressionsName},
                             std::pair{"meanings_name", &quiz().meaningsName}}) {
        const toml::node *node = top.get(key);
        const QString given = text(top, key, false, QLatin1String(key));
        if (!node || given.isNull())
            continue;
        if (given.trimmed().isEmpty() || given.contains(u'\n') || given.contains(u'\r'))
            problem(lineOf(*node), u"%1 must be one line of text"_s.arg(QLatin1String(key)));
        else
            *name = given;
    }
    if (const toml::node *instructions = top.get("instructions")) {
        // The output box separates lines with CR LF; a list gives every line its own break.
        const QStringList shown = lines(*instructions, u"the instructions"_s);
        quiz().instructions = instructions->is_array() ? shown.join(u"\r\n"_s) + u"\r\n"_s
                                                       : shown.join(u"\r\n"_s);
    }
    readWindow(top);
    readPairs(top);
    readPairsFile(top);
    readExtraMeanings(top);
    checkWhole(top);
}

void Reader::readWindow(const toml::table &top)
{
    const auto *window = optional<toml::table>(top, "window",
        u"window must be a table: write [window] on a line of its own, then its keys"_s);
    if (!window)
        return;
    unknownKeys(*window, kWindowKeys, u"in [window]"_s);
    std::array<int, 5> lineOfItem{};
    for (int i = 0; i < 5; ++i) {
        const std::string key = kWindowKeys[i].toStdString();
        const toml::node *value = window->get(key);
        lineOfItem[i] = value ? lineOf(*value) : lineOf(*window);
        if (!value)
            continue;
        const std::optional<qint64> number = value->value_exact<qint64>();
        if (!number || *number < (i % 2 == 0 ? 1 : 0) || *number > kMaxWidth) {
            problem(lineOf(*value), u"%1 must be a whole number of twips from %2 to %3 (15 twips to a pixel)"_s
                                        .arg(kWindowKeys[i]).arg(i % 2 == 0 ? 1 : 0).arg(kMaxWidth));
            continue;
        }
        quiz().layout[i] = qint32(*number);
    }
    const Layout &l = quiz().layout;
    const std::array<QString, 2> lists{u"expressions"_s, u"meanings"_s};
    for (int side = 0; side < 2; ++side) {
        const qint64 end = qint64(l[1 + 2 * side]) + l[2 + 2 * side];
        if (end > l[0]) {
            problem(lineOfItem[2 + 2 * side],
                    u"the %1 list would end at %2 twips, outside the window, which is %3 twips wide: make the "
                    "window wider or the list narrower"_s.arg(lists[side]).arg(end).arg(l[0]));
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
        problem(lineOf(*node), u"pairs are written as [[pair]] tables, each with expression = \"...\" and "
                               "meaning = \"...\""_s);
        return;
    }
    for (const toml::node &item : *pairs) {
        const toml::table &table = *item.as_table();
        unknownKeys(table, kPairKeys, u"in a [[pair]]"_s);
        Pair pair;
        pair.expression = text(table, "expression", true, u"this pair's expression"_s);
        pair.meaning = text(table, "meaning", true, u"this pair's meaning"_s);
        if (const toml::node *explanation = table.get("explanation"))
            pair.explanation = lines(*explanation, u"the explanation"_s);
        if (const toml::node *picture = table.get("picture")) {
            if (!picture->is_string())
                problem(lineOf(*picture), u"picture must be a file name in double quotes"_s);
            else
                pair.picture = this->picture(fromToml(picture->as_string()->get()), lineOf(*picture), m_path,
                                             m_path);
        }
        quiz().pairs.append(pair);
        m_pairOrigins.append({m_path, lineOf(table)});
    }
}

void Reader::readPairsFile(const toml::table &top)
{
    const QString file = text(top, "pairs_file", false, u"pairs_file"_s);
    const toml::node *node = top.get("pairs_file");
    if (!node || file.isEmpty())
        return;
    char delimiter = 0;
    if (const toml::node *d = top.get("pairs_delimiter")) {
        const QString given = d->is_string() ? fromToml(d->as_string()->get()) : QString();
        if (given.size() != 1 || given.at(0).unicode() > 127 || given.at(0).isLetterOrNumber() || given == u"\""_s) {
            problem(lineOf(*d), u"pairs_delimiter must be one sign in double quotes: \"\\t\" for a tab, \",\" or \";\""_s);
            return;
        }
        delimiter = char(given.at(0).unicode());
    }
    bool header = false;
    if (const toml::node *h = top.get("pairs_header")) {
        if (!h->is_boolean())
            problem(lineOf(*h), u"pairs_header must be true or false"_s);
        else
            header = h->as_boolean()->get();
    }

    const QString path = m_dir.filePath(file);
    const QString shown = QDir::cleanPath(QFileInfo(m_path).dir().path() + u'/' + file);
    QFile table(path);
    if (!table.open(QIODevice::ReadOnly)) {
        problem(lineOf(*node), u"the pairs table %1 cannot be read: is it beside the quiz file?"_s.arg(quoted(file)));
        return;
    }
    m_result.dependencies << QFileInfo(path).absoluteFilePath();
    const PairsTable::Result rows = PairsTable::read(table.readAll(), delimiter, header);
    for (const PairsTable::Problem &p : rows.problems)
        m_result.problems.append({shown, p.line, p.message});
    for (const PairsTable::Problem &n : rows.notes)
        m_result.notes.append({shown, n.line, n.message});
    for (const PairsTable::Row &row : rows.rows) {
        if (row.expression.isEmpty()) {
            quiz().extraMeanings << row.meaning;
            m_extraOrigins.append({shown, row.line});
            continue;
        }
        Pair pair;
        pair.expression = row.expression;
        pair.meaning = row.meaning;
        pair.explanation = row.explanation;
        if (!row.picture.isEmpty())
            pair.picture = picture(row.picture, row.line, shown, path);
        quiz().pairs.append(pair);
        m_pairOrigins.append({shown, row.line});
    }
}

void Reader::readExtraMeanings(const toml::table &top)
{
    const auto *array = optional<toml::array>(top, "extra_meanings",
        u"extra_meanings must be a list of texts in [ ], such as [\"Рим\", \"Атина\"]"_s);
    if (!array)
        return;
    for (const toml::node &item : *array) {
        if (!item.is_string()) {
            problem(lineOf(item), u"every extra meaning must be text in double quotes"_s);
            continue;
        }
        quiz().extraMeanings << fromToml(item.as_string()->get());
        m_extraOrigins.append({m_path, lineOf(item)});
    }
}

// Reads a picture once, however many pairs show it; returns its index, or -1 after a problem.
int Reader::picture(const QString &file, int line, const QString &from, const QString &source)
{
    const QString path = QFileInfo(source).dir().filePath(file);
    const QString key = QFileInfo(path).absoluteFilePath();
    if (const auto it = m_pictureIndex.constFind(key); it != m_pictureIndex.constEnd())
        return *it;
    auto refuse = [&](const QString &why) {
        m_result.problems.append({from, line, u"the picture %1 %2"_s.arg(quoted(file), why)});
        return -1;
    };
    if (!QFileInfo(path).isFile())
        return refuse(u"is missing: put the file beside the quiz file, or correct its name"_s);
    m_result.dependencies << key;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg")
        return refuse(u"is not a PNG or JPEG image: save it as PNG or JPEG"_s);
    const QSize size = reader.size();
    if (size.isEmpty() || qint64(size.width()) * size.height() > kMaxPixels) {
        return refuse(u"is %1 × %2 pixels, too large to read safely: make it smaller than 50 megapixels in "
                      "a picture editor"_s.arg(size.width()).arg(size.height()));
    }
    reader.setAllocationLimit(int(kMaxPixels * 4 / (1024 * 1024)) + 1);
    const QImage image = reader.read();
    if (image.isNull())
        return refuse(u"cannot be read as an image (%1): save it again as PNG or JPEG"_s.arg(reader.errorString()));

    Picture picture;
    picture.format = format;
    picture.size = image.size();
    if (image.width() > kMaxPictureSize.width() || image.height() > kMaxPictureSize.height()) {
        const QImage scaled = image.scaled(kMaxPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QBuffer buffer(&picture.data);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        writer.setQuality(90);
        writer.write(scaled);
        picture.size = scaled.size();
        m_result.notes.append({from, line, u"the picture %1 is %2 × %3 pixels; it is scaled down to %4 × %5 so "
                                           "that it shows whole on the screen"_s
                                               .arg(quoted(file)).arg(image.width()).arg(image.height())
                                               .arg(scaled.width()).arg(scaled.height())});
    } else {
        QFile in(path);
        if (in.open(QIODevice::ReadOnly))
            picture.data = in.readAll();
    }
    quiz().pictures.append(picture);
    m_pictureIndex.insert(key, int(quiz().pictures.size() - 1));
    return int(quiz().pictures.size() - 1);
}

void Reader::checkWhole(const toml::table &top)
{
    const QList<Pair> &pairs = quiz().pairs;
    auto where = [](const Origin &o, const QString &self) {
        return o.file == self ? u"line %1"_s.arg(o.line) : u"%1:%2"_s.arg(o.file).arg(o.line);
    };
    auto checkText = [&](const QString &text, const Origin &origin, const QString &what) {
        if (text.isNull()) // missing, and said so already
            return;
        if (text.trimmed().isEmpty()) {
            m_result.problems.append({origin.file, origin.line,
                                      u"the %1 is empty: write it, or remove the pair"_s.arg(what)});
        } else if (text.contains(u'\n') || text.contains(u'\r')) {
            m_result.problems.append({origin.file, origin.line,
                                      u"the %1 %2 runs over more than one line: a list shows one line per item"_s
                                          .arg(what, quoted(text))});
        }
    };

    // Lookups take the first match, so a repeated text would make the answer key ambiguous.
    QHash<QString, Origin> expressions;
    QHash<QString, Origin> meanings;
    auto repeated = [&](QHash<QString, Origin> &seen, const QString &text, const Origin &origin, const QString &what) {
        if (text.trimmed().isEmpty())
            return;
        const auto first = seen.constFind(text);
        if (first == seen.constEnd()) {
            seen.insert(text, origin);
            return;
        }
        m_result.problems.append({origin.file, origin.line,
                                  u"the %1 %2 is given twice, here and on %3: the answer key would be ambiguous; "
                                  "give each %1 once"_s.arg(what, quoted(text), where(*first, origin.file))});
    };
    for (int i = 0; i < pairs.size(); ++i) {
        checkText(pairs[i].expression, m_pairOrigins[i], u"expression"_s);
        checkText(pairs[i].meaning, m_pairOrigins[i], u"meaning"_s);
        repeated(expressions, pairs[i].expression, m_pairOrigins[i], u"expression"_s);
        repeated(meanings, pairs[i].meaning, m_pairOrigins[i], u"meaning"_s);
    }
    for (int i = 0; i < quiz().extraMeanings.size(); ++i) {
        checkText(quiz().extraMeanings[i], m_extraOrigins[i], u"extra meaning"_s);
        repeated(meanings, quiz().extraMeanings[i], m_extraOrigins[i], u"meaning"_s);
    }

    const qsizetype n = pairs.size();
    const qsizetype extra = quiz().extraMeanings.size();
    const int topLine = 1; // for what concerns the whole quiz
    if (n == 0) {
        m_result.problems.append({m_path, topLine, u"the quiz has no pairs: add [[pair]] tables or a pairs_file"_s});
        return;
    }
    if (n > kMaxItems || n + extra > kMaxItems) {
        m_result.problems.append({m_path, topLine,
                                  u"the quiz has %1 pairs and %2 meanings in all; the program counts up to %3 of "
                                  "each: split it into smaller quizzes"_s.arg(n).arg(n + extra).arg(kMaxItems)});
        return;
    }
    // "Оцени" is enabled once the entered pairs are at least three times the meanings left; with
    // every pair entered, the extra meanings are what is left.
    if (3 * extra > n) {
        const toml::node *node = top.get("extra_meanings");
        const Origin at = node ? Origin{m_path, lineOf(*node)} : m_extraOrigins.first();
        m_result.problems.append({at.file, at.line,
                                  u"with %1 pairs and %2 extra meanings the quiz can never be graded: \"Оцени\" needs "
                                  "at least three entered pairs for every meaning left over; %3"_s.arg(n).arg(extra)
                                      .arg(n < 3 ? u"%1 pairs allow no extra meanings"_s.arg(n)
                                                 : u"%1 pairs allow 0 to %2 extra meanings"_s.arg(n).arg(n / 3))});
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

QString Result::summary(const QString &file) const
{
    return u"OK: %1: %2 pairs, %3 extra meanings, %4 pictures, %5 explanations"_s.arg(file)
        .arg(quiz.pairs.size()).arg(quiz.extraMeanings.size()).arg(quiz.pictureCount())
        .arg(quiz.explanationCount());
}

bool isValidId(const QString &id)
{
    if (id.isEmpty() || id.size() > 32 || !(id.at(0) >= u'a' && id.at(0) <= u'z'))
        return false;
    return std::all_of(id.cbegin(), id.cend(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-';
    });
}

Result checkBytes(const QByteArray &bytes, const QString &path)
{
    Result result;
    result.dependencies << QFileInfo(path).absoluteFilePath();
    Reader(path, result).read(bytes);
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
    return result;
}

Result check(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Result result;
        result.problems.append({path, 0, u"cannot read the quiz file: %1"_s.arg(file.errorString())});
        return result;
    }
    return checkBytes(file.readAll(), path);
}

} // namespace QuizFile
