#include "studiocore/clipboard_table.h"

namespace ClipboardTable {

QList<QStringList> parse(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool atCellStart = true;  // a quote here opens a quoted cell
    bool rowOpen = false;     // the row holds something, so the text's end ends it
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = text.at(i);
        if (atCellStart && c == u'"') {
            // Up to the quote that is not doubled; anything after it up to the tab or the line's
            // end is kept as it stands.
            for (++i; i < n; ++i) {
                if (text.at(i) == u'"') {
                    if (i + 1 < n && text.at(i + 1) == u'"') {
                        cell += u'"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                cell += text.at(i);
            }
            atCellStart = false;
            rowOpen = true;
            continue;
        }
        ++i;
        if (c == u'\t') {
            row << cell;
            cell.clear();
            atCellStart = true;
            rowOpen = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i < n && text.at(i) == u'\n')
                ++i;
            row << cell;
            rows << row;
            row.clear();
            cell.clear();
            atCellStart = true;
            rowOpen = false;
        } else {
            cell += c;
            atCellStart = false;
            rowOpen = true;
        }
    }
    if (rowOpen) {
        row << cell;
        rows << row;
    }
    return rows;
}

} // namespace ClipboardTable
