#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Cells copied from LibreOffice Calc or Excel: the clipboard holds them as text, rows on lines and
// cells split by tabs; a cell with a tab, a line break or a double quote in it is in double quotes,
// its quotes doubled. Rows keep their own number of cells.
namespace ClipboardTable {

QList<QStringList> parse(const QString &text);

} // namespace ClipboardTable
