#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include <functional>

// An ordered list of texts with a selected position (-1 for none), as the list boxes of the
// quiz hold them, and the model a list view shows. A sorted list keeps its items in ascending
// order ignoring letter case and puts every added item at its sorted place; an unsorted one
// appends at the end.
//
// The list itself never runs a selection handler: whoever owns it decides when one runs, and
// tells the views.
class TextList : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit TextList(bool sorted = false, QObject *parent = nullptr)
        : QAbstractListModel(parent), m_sorted(sorted) {}

    qsizetype count() const { return m_items.size(); }
    bool isEmpty() const { return m_items.isEmpty(); }
    const QStringList &items() const { return m_items; }

    // The text at a position, or an empty text for a position outside the list.
    QString at(qsizetype row) const;

    qsizetype selected() const { return m_selected; }
    bool hasSelection() const { return m_selected >= 0; }
    // Out-of-range positions mean "no selection".
    void setSelected(qsizetype row);

    // Returns the position the item landed at.
    qsizetype add(const QString &text);
    // Adds every text as add() would, one after the other.
    void addAll(const QStringList &texts);
    // Removing the selected item leaves no selection; a selection after it moves up with its item.
    void removeAt(qsizetype row);
    void clear();

    // What a screen reader says of a row beside its text; none when unset.
    std::function<QString(qsizetype row)> describeRow;
    // Tells the views that every row's description may have changed.
    void descriptionsChanged();

    // Ascending, ignoring letter case (Unicode case folding, then code-point order). For Cyrillic
    // this is the Bulgarian alphabet order; Latin sorts before Cyrillic.
    static bool lessThan(const QString &a, const QString &b);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QStringList m_items;
    qsizetype m_selected = -1;
    bool m_sorted;
};
