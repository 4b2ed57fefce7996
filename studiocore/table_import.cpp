#include "studiocore/table_import.h"

#include "studiocore/picture_import.h"

#include "quizfile/bundle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

using namespace Qt::StringLiterals;

QString TableImportModel::open(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return tr("%1 is not a file.").arg(info.fileName());
    if (info.size() > QuizFile::BundleLimits::kMaxTextBytes)
        return tr("%1 is larger than 16 MB, too large for a table of pairs.").arg(info.fileName());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tr("%1 cannot be read: %2").arg(info.fileName(), file.errorString());
    const QByteArray bytes = file.read(QuizFile::BundleLimits::kMaxTextBytes + 1);
    if (bytes.size() > QuizFile::BundleLimits::kMaxTextBytes)
        return tr("%1 is larger than 16 MB, too large for a table of pairs.").arg(info.fileName());
    setBytes(bytes, info.absolutePath());
    return {};
}

void TableImportModel::setBytes(const QByteArray &bytes, const QString &folder)
{
    m_bytes = bytes;
    m_folder = folder;
    read();
}

void TableImportModel::setDelimiter(char delimiter)
{
    if (delimiter == m_delimiter)
        return;
    m_delimiter = delimiter;
    read();
}

void TableImportModel::setHeading(bool firstRowIsHeading)
{
    if (firstRowIsHeading == m_heading)
        return;
    m_heading = firstRowIsHeading;
    read();
}

void TableImportModel::read()
{
    beginResetModel();
    m_result = PairsTable::read(m_bytes, m_delimiter, m_heading);
    endResetModel();
}

int TableImportModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_result.rows.size());
}

int TableImportModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant TableImportModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const PairsTable::Row &row = m_result.rows.at(index.row());
    if (role == Qt::ToolTipRole && row.expression.isEmpty())
        return tr("No expression: the meaning becomes an extra meaning");
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0: return row.expression;
    case 1: return row.meaning;
    case 2: return row.explanation.join(u"  ¶ "_s);
    case 3: return row.picture;
    }
    return {};
}

QVariant TableImportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)  // the line in the file, as the reader's messages name it
        return section < m_result.rows.size() ? QVariant(m_result.rows.at(section).line) : QVariant();
    switch (section) {
    case 0: return tr("Expression");
    case 1: return tr("Meaning");
    case 2: return tr("Explanation");
    case 3: return tr("Picture");
    }
    return {};
}

QStringList TableImportModel::messages() const
{
    QStringList out;
    for (const PairsTable::Problem &p : m_result.problems)
        out << tr("Line %1: %2").arg(p.line).arg(p.message);
    for (const PairsTable::Problem &p : m_result.notes)
        out << (p.line > 0 ? tr("Line %1: %2").arg(p.line).arg(p.message) : p.message);
    return out;
}

TableImportModel::Imported TableImportModel::imported() const
{
    Imported out;
    QHash<QString, StudioPicture> pictures;  // one file shown by several pairs is one picture
    for (const PairsTable::Row &row : m_result.rows) {
        if (row.expression.isEmpty()) {
            out.extraMeanings << row.meaning;
            continue;
        }
        PairRow pair{row.expression, row.meaning, row.explanation, {}};
        if (!row.picture.isEmpty()) {
            const QString path = QDir(m_folder).filePath(row.picture);
            // As a quiz's pictures, only files in the table's own folder tree.
            const QString canonical = QFileInfo(path).canonicalFilePath();
            if (canonical.isEmpty() || !canonical.startsWith(QDir(m_folder).canonicalPath() + u'/')) {
                out.problems << tr("Line %1: the picture %2 is not in the table's folder").arg(row.line).arg(row.picture);
            } else if (const auto it = pictures.constFind(path); it != pictures.constEnd()) {
                pair.picture = *it;
            } else if (const PictureImport::Loaded loaded = PictureImport::load(path); loaded.ok()) {
                pair.picture = loaded.picture;
                pictures.insert(path, loaded.picture);
            } else {
                out.problems << tr("Line %1: %2").arg(row.line).arg(loaded.problem);
            }
        }
        out.pairs << pair;
    }
    return out;
}
