#include "quizfile/pairs_table.h"

#include "quizfile/text_file.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <utility>

using namespace Qt::StringLiterals;
using QuizFile::say;
using QuizFile::Words;

namespace PairsTable {

namespace {

struct Failure
{
    int line = 0;   // 0: the table parsed
    QString error;
};

// Hands a row on without its trailing empty cells (spreadsheets pad short rows); empty rows are dropped.
template <typename OnRow>
void deliver(int line, QStringList cells, OnRow &onRow)
{
    while (!cells.isEmpty() && cells.last().trimmed().isEmpty())
        cells.removeLast();
    if (!cells.isEmpty())
        onRow(line, std::move(cells));
}

// A spreadsheet saving tabs puts a cell wholly in quotes, its own quotes doubled; anything else
// is the teacher's text.
QString unquoted(const QString &cell)
{
    if (cell.size() < 2 || !cell.startsWith(u'"') || !cell.endsWith(u'"'))
        return cell;
    const QStringView inside = QStringView(cell).sliced(1, cell.size() - 2);
    for (qsizetype i = 0; i < inside.size(); ++i) {
        if (inside.at(i) != u'"')
            continue;
        if (i + 1 == inside.size() || inside.at(i + 1) != u'"')
            return cell;
        ++i;
    }
    return inside.toString().replace(u"\"\""_s, u"\""_s);
}

// Flash-card sites export one pair a line with tabs between the cells and never quote, so a quote
// is part of the text, and a quote left open cannot swallow the lines after it.
template <typename OnRow>
void readTabLines(const QString &text, OnRow &onRow)
{
    const QStringList lines = TextFile::lines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringList cells = lines.at(i).split(u'\t');
        for (QString &cell : cells)
            cell = unquoted(cell);
        deliver(int(i + 1), std::move(cells), onRow);
    }
}

// libcsv hands over fields and row ends; this collects them with the line each row began on.
template <typename OnRow>
struct CsvCollector
{
    OnRow &onRow;
    int line = 1;
    int rowLine = 0;    // where the row being read began; 0 between rows
    QStringList fields;

    static void field(void *data, size_t size, void *self)
    {
        auto *c = static_cast<CsvCollector *>(self);
        c->fields << QString::fromUtf8(static_cast<const char *>(data), qsizetype(size));
    }
    static void rowEnd(int, void *self)
    {
        auto *c = static_cast<CsvCollector *>(self);
        deliver(c->rowLine ? c->rowLine : c->line, std::exchange(c->fields, {}), c->onRow);
        c->rowLine = 0;
    }
};

template <typename OnRow>
Failure readCsv(const QByteArray &text, char delimiter, OnRow &onRow)
{
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_delim(&parser, static_cast<unsigned char>(delimiter));
    CsvCollector<OnRow> collector{onRow, 1, 0, {}};
    Failure failure;
    // Line by line, so every row knows where it began.
    for (QByteArrayView rest(text); !rest.isEmpty(); ++collector.line) {
        const qsizetype end = rest.indexOf('\n');
        const QByteArrayView line = end < 0 ? rest : rest.first(end + 1);
        if (collector.rowLine == 0 && !line.trimmed().isEmpty())
            collector.rowLine = collector.line;
        if (csv_parse(&parser, line.data(), size_t(line.size()), &CsvCollector<OnRow>::field,
                      &CsvCollector<OnRow>::rowEnd, &collector) != size_t(line.size())) {
            failure.line = collector.line;
            break;
        }
        rest = rest.sliced(line.size());
    }
    // A quote left open swallows the rest of the table: the row it opened is the one to mend.
    if (failure.line == 0 && csv_fini(&parser, &CsvCollector<OnRow>::field, &CsvCollector<OnRow>::rowEnd, &collector) != 0)
        failure.line = collector.rowLine ? collector.rowLine : std::max(1, collector.line - 1);
    if (failure.line != 0)
        failure.error = QString::fromUtf8(csv_strerror(csv_error(&parser)));
    csv_free(&parser);
    return failure;
}

template <typename OnRow>
Failure readRows(const QString &text, const QByteArray &utf8, char delimiter, OnRow onRow)
{
    if (delimiter == '\t') {
        readTabLines(text, onRow);
        return {};
    }
    return readCsv(utf8, delimiter, onRow);
}

// How well a separator fits the table: rows read up to a CSV error, if any.
struct Fit
{
    char delimiter = 0;
    int rows = 0;
    int columns = 0;        // the number of columns (2 to 4) most rows have
    int sameColumns = 0;    // how many rows have it
    int fitting = 0;        // rows with 2 to 4 columns
    bool failed = false;
    qsizetype spaced = 0;   // the sign followed by a space: prose, not a column break

    bool betterThan(const Fit &other) const
    {
        if (sameColumns != other.sameColumns)
            return sameColumns > other.sameColumns;
        if (fitting != other.fitting)
            return fitting > other.fitting;
        if (failed != other.failed)
            return !failed;
        return spaced < other.spaced;
    }
};

Fit fit(const QString &text, const QByteArray &utf8, char delimiter)
{
    Fit result;
    result.delimiter = delimiter;
    std::array<int, 5> withColumns{};
    result.failed = readRows(text, utf8, delimiter, [&](int, const QStringList &cells) {
        ++result.rows;
        if (cells.size() >= 2 && cells.size() <= 4)
            ++withColumns[size_t(cells.size())];
    }).line != 0;
    for (int n = 2; n <= 4; ++n) {
        result.fitting += withColumns[size_t(n)];
        if (withColumns[size_t(n)] > result.sameColumns) {
            result.sameColumns = withColumns[size_t(n)];
            result.columns = n;
        }
    }
    const char signAndSpace[] = {delimiter, ' '};
    result.spaced = utf8.count(QByteArrayView(signAndSpace, 2));
    return result;
}

// Earlier candidates win ties: a tab is never prose, and a semicolon in a cell is rarer than a comma.
Fit chooseDelimiter(const QString &text, const QByteArray &utf8)
{
    Fit best;
    for (const char candidate : {'\t', ';', ','}) {
        const Fit f = fit(text, utf8, candidate);
        if (best.delimiter == 0 || f.betterThan(best))
            best = f;
    }
    return best;
}

Words delimiterName(char delimiter)
{
    switch (delimiter) {
    case '\t': return say("tabs");
    case ';': return say("semicolons (;)");
    case ',': return say("commas (,)");
    default: return Words::same(u"\"%1\""_s.arg(QLatin1Char(delimiter)));
    }
}

// A cell as a note shows it: in quotes, and no longer than a line.
QString shown(const QString &cell)
{
    const QString text = cell.simplified();
    return u"\"%1\""_s.arg(text.size() > 40 ? text.first(39) + u'…' : text);
}

// Words that head the columns of vocabulary and literature tables.
constexpr QStringView kHeadingWords[] = {
    u"expression", u"meaning", u"word", u"translation", u"term", u"definition", u"question", u"answer",
    u"explanation", u"picture", u"image", u"front", u"back", u"author", u"title", u"country", u"capital",
    u"израз", u"значение", u"дума", u"превод", u"термин", u"понятие", u"определение", u"въпрос",
    u"отговор", u"обяснение", u"картинка", u"автор", u"произведение", u"заглавие", u"държава", u"столица",
};

bool isHeadingWord(const QString &cell)
{
    QString word = cell.trimmed().toLower();
    if (word.endsWith(u':'))
        word.chop(1);
    return std::find(std::begin(kHeadingWords), std::end(kHeadingWords), word) != std::end(kHeadingWords);
}

// Short, capitalised, no digits: how headings look, and often not how pairs look.
bool isHeadingShaped(const QString &cell)
{
    const QString text = cell.trimmed();
    return !text.isEmpty() && text.at(0).isUpper() && std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); })
        && text.split(u' ', Qt::SkipEmptyParts).size() <= 3;
}

struct TableRow
{
    int line;
    QStringList cells;
};

enum class Heading { No, Words, Shape };

Heading looksLikeHeading(const QList<TableRow> &table)
{
    const QStringList &first = table.first().cells;
    if (first.size() < 2 || first.size() > 4)
        return Heading::No;
    if (isHeadingWord(first.at(0)) && isHeadingWord(first.at(1)))
        return Heading::Words;
    if (!isHeadingShaped(first.at(0)) || !isHeadingShaped(first.at(1)))
        return Heading::No;
    if (isHeadingWord(first.at(0)) || isHeadingWord(first.at(1)))
        return Heading::Words;
    const qsizetype others = table.size() - 1;
    const qsizetype shaped = std::count_if(table.cbegin() + 1, table.cend(), [](const TableRow &row) {
        return row.cells.size() >= 2 && isHeadingShaped(row.cells.at(0)) && isHeadingShaped(row.cells.at(1));
    });
    return others > 0 && shaped * 2 < others ? Heading::Shape : Heading::No;
}

QStringList explanationLines(const QString &cell)
{
    return cell.trimmed().isEmpty() ? QStringList() : TextFile::lines(cell);
}

} // namespace

Result read(const QByteArray &bytes, char delimiter, bool skipHeader)
{
    Result result;
    const TextFile::Decoded decoded = TextFile::decode(bytes);
    if (!decoded.ok()) {
        result.problems.append({decoded.badLine, decoded.problem});
        return result;
    }
    const QByteArray utf8 = decoded.text.toUtf8();
    const Fit chosen = delimiter ? Fit{delimiter} : chooseDelimiter(decoded.text, utf8);

    QList<TableRow> table;
    const Failure failure = readRows(decoded.text, utf8, chosen.delimiter,
                                     [&](int line, QStringList cells) { table.append({line, std::move(cells)}); });
    if (failure.line != 0) {
        result.problems.append({failure.line, say("this table line is not valid CSV (%1): check its double "
                                              "quotes; a quote inside a cell is written twice").arg(failure.error)});
        return result;
    }
    if (table.isEmpty())
        return result;

    if (!delimiter && chosen.sameColumns > 0) {
        const Words name = delimiterName(chosen.delimiter);
        const Words message = chosen.rows == 1
            ? say("the table's columns are separated by %1: its one row has %2 columns").arg(name).arg(chosen.columns)
            : chosen.sameColumns == chosen.rows
            ? say("the table's columns are separated by %1: all %2 rows have %3 columns").arg(name).arg(chosen.rows).arg(chosen.columns)
            : say("the table's columns are separated by %1: %2 of %3 rows have %4 columns").arg(name).arg(chosen.sameColumns)
                  .arg(chosen.rows).arg(chosen.columns);
        result.notes.append({table.first().line, message});
    }
    const Heading heading = skipHeader ? Heading::No : looksLikeHeading(table);

    for (qsizetype i = skipHeader ? 1 : 0; i < table.size(); ++i) {
        const auto &[line, cells] = table.at(i);
        if (cells.size() < 2 || cells.size() > 4) {
            result.problems.append({line, cells.size() == 1
                ? say("this row has 1 column; a pairs table has 2 to 4: expression, meaning, explanation and "
                  "picture, separated by %1").arg(delimiterName(chosen.delimiter))
                : say("this row has %1 columns; a pairs table has 2 to 4: expression, meaning, explanation and "
                  "picture, separated by %2").arg(cells.size()).arg(delimiterName(chosen.delimiter))});
            continue;
        }
        const Row row{.line = line, .expression = cells.at(0), .meaning = cells.at(1),
                      .explanation = explanationLines(cells.value(2)), .picture = cells.value(3).trimmed()};
        if (row.expression.isEmpty() && (!row.explanation.isEmpty() || !row.picture.isEmpty())) {
            result.problems.append({line, say("this row has no expression but an explanation or a picture: an extra "
                                          "meaning has only its meaning")});
            continue;
        }
        result.rows.append(row);
    }

    // A forgotten heading row quietly becomes a pair, and a heading flag on a table without one
    // loses the first pair: say which row starts the quiz.
    const auto firstPair = std::find_if(result.rows.cbegin(), result.rows.cend(), [](const Row &r) { return !r.expression.isEmpty(); });
    const TableRow &top = table.first();
    if (skipHeader) {
        QStringList skipped;
        for (const QString &cell : top.cells.first(std::min<qsizetype>(top.cells.size(), 4)))
            skipped << shown(cell);
        // One arg() for all the texts: a cell's own "%3" must stay as it is.
        result.notes.append({top.line, firstPair == result.rows.cend()
            ? say("line %1 (%2) is skipped as the heading, as pairs_header = true says").arg(top.line).arg(skipped.join(u", "_s))
            : say("line %1 (%2) is skipped as the heading, as pairs_header = true says; the first pair is line %3: %4 – %5")
                  .arg(QString::number(top.line), skipped.join(u", "_s), QString::number(firstPair->line),
                       shown(firstPair->expression), shown(firstPair->meaning))});
    } else if (heading != Heading::No) {
        const Words looks = heading == Heading::Words
            ? say("line %1 (%2, %3) looks like a heading, as its cells are words that usually head columns, yet it is "
                  "taken as the first pair: if it is a heading, add pairs_header = true to the quiz file")
            : say("line %1 (%2, %3) looks like a heading, as its cells are short and capitalised, without digits, unlike "
                  "most rows below it, yet it is taken as the first pair: if it is a heading, add pairs_header = true to "
                  "the quiz file");
        result.notes.append({top.line, looks.arg(top.line).arg(shown(top.cells.at(0)), shown(top.cells.at(1)))});
    } else if (firstPair != result.rows.cend()) {
        result.notes.append({firstPair->line, say("the first pair is line %1: %2 – %3").arg(firstPair->line)
                                                  .arg(shown(firstPair->expression), shown(firstPair->meaning))});
    }
    return result;
}

} // namespace PairsTable
