#include "text_list.h"

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
    m_items.insert(row, text);
    if (m_selected >= row)
        ++m_selected;
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
    m_items = texts;
    std::stable_sort(m_items.begin(), m_items.end(), &TextList::lessThan);
}

void TextList::insertAt(qsizetype row, const QString &text)
{
    row = qBound(qsizetype(0), row, m_items.size());
    m_items.insert(row, text);
    if (m_selected >= row)
        ++m_selected;
}

void TextList::removeAt(qsizetype row)
{
    if (row < 0 || row >= m_items.size())
        return;
    m_items.removeAt(row);
    if (m_selected == row)
        m_selected = -1;
    else if (m_selected > row)
        --m_selected;
}

void TextList::clear()
{
    m_items.clear();
    m_selected = -1;
}
