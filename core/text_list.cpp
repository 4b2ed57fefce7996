#include "core/text_list.h"

#include <algorithm>

bool TextList::lessThan(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

QString TextList::at(qsizetype row) const
{
    return row >= 0 && row < m_items.size() ? m_items.at(row) : QString();
}

void TextList::setSelected(qsizetype row)
{
    m_selected = row >= 0 && row < m_items.size() ? row : -1;
}

qsizetype TextList::add(const QString &text)
{
    qsizetype row = m_items.size();
    if (m_sorted) {
        // After any items that compare equal, so equal texts keep their order of arrival.
        row = std::upper_bound(m_items.cbegin(), m_items.cend(), text, &TextList::lessThan)
              - m_items.cbegin();
    }
    beginInsertRows(QModelIndex(), int(row), int(row));
    m_items.insert(row, text);
    if (m_selected >= row)
        ++m_selected;
    endInsertRows();
    return row;
}

void TextList::addAll(const QStringList &texts)
{
    if (!m_sorted || !m_items.isEmpty()) {
        for (const QString &text : texts)
            add(text);
        return;
    }
    // Into an empty sorted list one stable sort gives the same order as inserting each text after
    // its equals, without moving the whole list along at every insertion (quadratic at 10,000).
    beginResetModel();
    m_items = texts;
    std::stable_sort(m_items.begin(), m_items.end(), &TextList::lessThan);
    endResetModel();
}

void TextList::removeAt(qsizetype row)
{
    if (row < 0 || row >= m_items.size())
        return;
    // The selection moves first: a view that hears of the removal already finds it where it ends.
    if (m_selected == row)
        m_selected = -1;
    else if (m_selected > row)
        --m_selected;
    beginRemoveRows(QModelIndex(), int(row), int(row));
    m_items.removeAt(row);
    endRemoveRows();
}

void TextList::clear()
{
    beginResetModel();
    m_items.clear();
    m_selected = -1;
    endResetModel();
}

void TextList::descriptionsChanged()
{
    if (!m_items.isEmpty())
        Q_EMIT dataChanged(index(0), index(int(m_items.size() - 1)), {Qt::AccessibleDescriptionRole});
}

int TextList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant TextList::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_items.at(index.row());
    const QString description =
        role == Qt::AccessibleDescriptionRole && describeRow ? describeRow(index.row()) : QString();
    return description.isEmpty() ? QVariant() : QVariant(description);
}
