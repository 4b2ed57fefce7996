#include "quizfile/pairs_table.h"

#include "quizfile/text_file.h"

#include <csv.h>

using namespace Qt::StringLiterals;

namespace PairsTable {

namespace {

char guessDelimiter(QByteArrayView text)
{
    const qsizetype end = text.indexOf('\n');
    const QByteArrayView first = end < 0 ? text : text.first(end);
    if (first.contains('\t'))
        return '\t';
    if (first.contains(';') && !first.contains(','))
        return ';';
    return ',';
}

// libcsv hands over fields and row ends; this collects them with the line each row began on.
struct Collector
{
    int line = 1;
    int rowLine = 0;
    QStringList fields;
    QList<QPair<int, QStringList>> rows;

    static void field(void *data, size_t size, void *self)
    {
        auto *c = static_cast<Collector *>(self);
        if (c->fields.isEmpty())
            c->rowLine = c->line;
        c->fields << QString::fromUtf8(static_cast<const char *>(data), qsizetype(size));
    }
    static void rowEnd(int, void *self)
    {
        auto *c = static_cast<Collector *>(self);
        c->rows.append({c->rowLine, c->fields});
        c->fields.clear();
    }
};

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
    const QByteArray text = decoded.text.toUtf8();

    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_delim(&parser, static_cast<unsigned char>(delimiter ? delimiter : guessDelimiter(text)));
    Collector collector;
    // Line by line, so every row knows where it began.
    bool failed = false;
    for (QByteArrayView rest(text); !rest.isEmpty() && !failed; ++collector.line) {
        const qsizetype end = rest.indexOf('\n');
        const QByteArrayView line = end < 0 ? rest : rest.first(end + 1);
        if (csv_parse(&parser, line.data(), size_t(line.size()), &Collector::field, &Collector::rowEnd, &collector)
            != size_t(line.size())) {
            failed = true;
            break;
        }
        rest = rest.sliced(line.size());
    }
    if (!failed && csv_fini(&parser, &Collector::field, &Collector::rowEnd, &collector) != 0) {
        failed = true;
        --collector.line;
    }
    const QString error = QString::fromUtf8(csv_strerror(csv_error(&parser)));
    csv_free(&parser);
    if (failed) {
        result.problems.append({collector.line, u"this table line is not valid CSV (%1): check its double "
                                                "quotes; a quote inside a cell is written twice"_s.arg(error)});
        return result;
    }

    for (qsizetype i = skipHeader ? 1 : 0; i < collector.rows.size(); ++i) {
        const auto &[line, fields] = collector.rows.at(i);
        QStringList cells = fields;
        while (!cells.isEmpty() && cells.last().trimmed().isEmpty())
            cells.removeLast();
        if (cells.isEmpty())
            continue;
        if (cells.size() < 2 || cells.size() > 4) {
            result.problems.append({line, u"this row has %1 columns; a pairs table has 2 to 4: expression, "
                                          "meaning, explanation and picture"_s.arg(cells.size())});
            continue;
        }
        Row row;
        row.line = line;
        row.expression = cells.at(0);
        row.meaning = cells.at(1);
        row.explanation = explanationLines(cells.value(2));
        row.picture = cells.value(3).trimmed();
        if (row.expression.isEmpty() && (!row.explanation.isEmpty() || !row.picture.isEmpty())) {
            result.problems.append({line, u"this row has no expression but an explanation or a picture: an extra "
                                          "meaning has only its meaning"_s});
            continue;
        }
        result.rows.append(row);
    }
    return result;
}

} // namespace PairsTable
