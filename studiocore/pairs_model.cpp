#include "studiocore/pairs_model.h"

#include "studiocore/edit_commands.h"
#include "studiocore/picture_import.h"

#include <QMimeData>
#include <QPainter>
#include <QUndoStack>
#include <QUrl>

#include <algorithm>

using namespace Qt::StringLiterals;

PairsModel::PairsModel(QUndoStack *undo, QObject *parent) : QAbstractTableModel(parent), m_undo(undo)
{
}

int PairsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PairsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PairsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const PairRow &row = m_rows.at(index.row());
    switch (index.column()) {
    case Expression:
        return role == Qt::DisplayRole || role == Qt::EditRole ? QVariant(row.expression) : QVariant();
    case Meaning:
        return role == Qt::DisplayRole || role == Qt::EditRole ? QVariant(row.meaning) : QVariant();
    case Explanation:
        // The lines on one row of the table; edited as lines.
        if (role == Qt::DisplayRole)
            return row.explanation.join(u"  ¶ "_s);
        if (role == Qt::EditRole || role == Qt::ToolTipRole)
            return row.explanation.join(u'\n');
        return {};
    case Picture:
        if (row.picture.isNull())
            return role == Qt::AccessibleTextRole ? QVariant(tr("no picture")) : QVariant();
        switch (role) {
        case Qt::DisplayRole: return row.picture.name.section(u'/', -1);
        case Qt::DecorationRole: {
            const QImage image = thumbnail(row.picture);
            return image.isNull() ? unreadableMark() : image;
        }
        case Qt::ToolTipRole:
        case Qt::AccessibleTextRole:
            if (thumbnail(row.picture).isNull()) {
                return tr("Picture %1 cannot be shown: it cannot be read as a picture. Choose another file for this "
                          "pair.").arg(row.picture.name);
            }
            return tr("Picture %1, %2 × %3 pixels").arg(row.picture.name).arg(row.picture.size.width())
                .arg(row.picture.size.height());
        default: return {};
        }
    }
    return {};
}

QVariant PairsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case Expression: return tr("Expression");
    case Meaning: return tr("Meaning");
    case Explanation: return tr("Explanation");
    case Picture: return tr("Picture");
    }
    return {};
}

Qt::ItemFlags PairsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
    if (index.column() != Picture)
        f |= Qt::ItemIsEditable;
    return f;
}

QStringList PairsModel::explanationLines(const QString &text)
{
    QStringList lines = QString(text).replace(u"\r\n"_s, u"\n"_s).split(u'\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

bool PairsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid) || index.column() == Picture)
        return false;
    PairRow row = m_rows.at(index.row());
    const QString text = value.toString();
    switch (index.column()) {
    case Expression: row.expression = text; break;
    case Meaning: row.meaning = text; break;
    case Explanation: row.explanation = explanationLines(text); break;
    }
    if (row == m_rows.at(index.row()))
        return true;
    m_undo->push(new ReplaceRowsCommand(this, index.row(), {m_rows.at(index.row())}, {row},
                                        tr("Edit %1 of pair %2").arg(headerData(index.column(), Qt::Horizontal)
                                                                         .toString().toLower())
                                            .arg(index.row() + 1)));
    return true;
}

QStringList PairsModel::mimeTypes() const
{
    return {u"text/uri-list"_s};
}

bool PairsModel::canDropMimeData(const QMimeData *data, Qt::DropAction, int, int, const QModelIndex &) const
{
    if (!data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    return std::all_of(urls.cbegin(), urls.cend(), [](const QUrl &url) { return url.isLocalFile(); });
}

bool PairsModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                              const QModelIndex &parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    // On a row: that row; between rows or below the last: a new row there.
    const int target = parent.isValid() ? parent.row() : (row >= 0 ? row : rowCount());
    QStringList paths;
    for (const QUrl &url : data->urls())
        paths << url.toLocalFile();
    m_undo->beginMacro(tr("Drop pictures"));
    if (!parent.isValid())
        insertBlankRows(target, 1);
    setPictureFiles(target, paths);
    m_undo->endMacro();
    return true;
}

void PairsModel::insertBlankRows(int row, int count)
{
    row = std::clamp(row, 0, rowCount());
    m_undo->push(new ReplaceRowsCommand(this, row, {}, QList<PairRow>(count),
                                        count == 1 ? tr("Add a pair") : tr("Add %1 pairs").arg(count)));
}

void PairsModel::insertPairs(int row, const QList<PairRow> &pairs, const QString &undoText)
{
    row = std::clamp(row, 0, rowCount());
    m_undo->push(new ReplaceRowsCommand(this, row, {}, pairs, undoText));
}

void PairsModel::removePairs(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int r) { return r < 0 || r >= rowCount(); }),
               rows.end());
    if (rows.isEmpty())
        return;
    m_undo->beginMacro(rows.size() == 1 ? tr("Delete pair %1").arg(rows.first() + 1)
                                        : tr("Delete %1 pairs").arg(rows.size()));
    // From the bottom up, each run of neighbouring rows at once, so the rows above keep their places.
    for (qsizetype end = rows.size(); end > 0;) {
        qsizetype start = end - 1;
        while (start > 0 && rows.at(start - 1) == rows.at(start) - 1)
            --start;
        const int first = rows.at(start);
        const int count = int(end - start);
        m_undo->push(new ReplaceRowsCommand(this, first, m_rows.mid(first, count), {}, QString()));
        end = start;
    }
    m_undo->endMacro();
}

bool PairsModel::movePairs(int first, int count, int delta)
{
    const int to = first + delta;
    if (count <= 0 || first < 0 || first + count > rowCount() || to < 0 || to + count > rowCount() || delta == 0)
        return false;
    m_undo->push(new MoveRowsCommand(this, first, count, to, delta < 0 ? tr("Move up") : tr("Move down")));
    return true;
}

void PairsModel::setPicture(int row, const StudioPicture &picture)
{
    if (row < 0 || row >= rowCount())
        return;
    PairRow changed = m_rows.at(row);
    changed.picture = picture;
    m_undo->push(new ReplaceRowsCommand(this, row, {m_rows.at(row)}, {changed},
                                        picture.isNull() ? tr("Remove the picture of pair %1").arg(row + 1)
                                                         : tr("Set the picture of pair %1").arg(row + 1)));
}

void PairsModel::setPictureFiles(int row, const QStringList &paths)
{
    QList<StudioPicture> pictures;
    for (const QString &path : paths) {
        const PictureImport::Loaded loaded = PictureImport::load(path);
        if (loaded.ok())
            pictures << loaded.picture;
        else
            Q_EMIT pictureRefused(loaded.problem);
    }
    if (pictures.isEmpty() || row < 0)
        return;
    const int existing = std::clamp(rowCount() - row, 0, int(pictures.size()));
    QList<PairRow> after = m_rows.mid(row, existing);
    after.resize(pictures.size());
    for (qsizetype i = 0; i < pictures.size(); ++i)
        after[i].picture = pictures.at(i);
    m_undo->push(new ReplaceRowsCommand(this, row, m_rows.mid(row, existing), after,
                                        pictures.size() == 1 ? tr("Set the picture of pair %1").arg(row + 1)
                                                             : tr("Set %1 pictures").arg(pictures.size())));
}

void PairsModel::pasteCells(int row, int column, const QList<QStringList> &cells)
{
    if (cells.isEmpty() || column < 0 || column >= Picture)
        return;
    row = std::clamp(row, 0, rowCount());
    const int existing = std::clamp(rowCount() - row, 0, int(cells.size()));
    QList<PairRow> after = m_rows.mid(row, existing);
    after.resize(cells.size());
    for (qsizetype i = 0; i < cells.size(); ++i) {
        for (qsizetype j = 0; j < cells.at(i).size() && column + j < Picture; ++j) {
            const QString &text = cells.at(i).at(j);
            switch (column + j) {
            case Expression: after[i].expression = text; break;
            case Meaning: after[i].meaning = text; break;
            case Explanation: after[i].explanation = explanationLines(text); break;
            }
        }
    }
    m_undo->push(new ReplaceRowsCommand(this, row, m_rows.mid(row, existing), after,
                                        cells.size() == 1 ? tr("Paste") : tr("Paste %1 rows").arg(cells.size())));
}

void PairsModel::replaceRows(int row, int count, const QList<PairRow> &rows)
{
    const int common = std::min(count, int(rows.size()));
    for (int i = 0; i < common; ++i)
        m_rows[row + i] = rows.at(i);
    if (common > 0)
        Q_EMIT dataChanged(index(row, 0), index(row + common - 1, ColumnCount - 1));
    if (rows.size() > count) {
        beginInsertRows({}, row + common, row + int(rows.size()) - 1);
        for (qsizetype i = common; i < rows.size(); ++i)
            m_rows.insert(row + i, rows.at(i));
        endInsertRows();
    } else if (count > rows.size()) {
        beginRemoveRows({}, row + common, row + count - 1);
        m_rows.remove(row + common, count - common);
        endRemoveRows();
    }
}

void PairsModel::moveRowsTo(int from, int count, int to)
{
    if (from == to)
        return;
    // The destination is counted in the rows as they are before the move.
    beginMoveRows({}, from, from + count - 1, {}, to > from ? to + count : to);
    const QList<PairRow> moving = m_rows.mid(from, count);
    m_rows.remove(from, count);
    for (int i = 0; i < count; ++i)
        m_rows.insert(to + i, moving.at(i));
    endMoveRows();
}

void PairsModel::resetRows(const QList<PairRow> &rows)
{
    beginResetModel();
    m_rows = rows;
    m_thumbnails.clear();
    endResetModel();
}

// Decoded when its row is first shown, with the checker's limits: a picture of a file opened is
// a stranger's, only its header checked so far. Null when it cannot be read.
QImage PairsModel::thumbnail(const StudioPicture &picture) const
{
    if (const auto it = m_thumbnails.constFind(picture.key); it != m_thumbnails.constEnd())
        return *it;
    const QImage image = QuizFile::readPicture(picture.data, QSize(4 * kThumbnailHeight, kThumbnailHeight));
    m_thumbnails.insert(picture.key, image);
    return image;
}

// What a row shows for a picture that cannot be read: a crossed box, with the tooltip saying why.
QImage PairsModel::unreadableMark()
{
    QImage mark(kThumbnailHeight, kThumbnailHeight, QImage::Format_ARGB32_Premultiplied);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2));
    painter.drawRect(mark.rect().adjusted(1, 1, -2, -2));
    painter.drawLine(5, 5, kThumbnailHeight - 6, kThumbnailHeight - 6);
    painter.drawLine(5, kThumbnailHeight - 6, kThumbnailHeight - 6, 5);
    return mark;
}
