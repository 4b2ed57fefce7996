#include "studio/pairs_view.h"

#include "studiocore/pairs_model.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// The explanation is edited as lines in an editor taller than its row: Enter starts a new line,
// Tab or leaving the cell keeps the text, Escape drops it.
class PairsDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (index.column() != PairsModel::Explanation)
            return QStyledItemDelegate::createEditor(parent, option, index);
        auto *editor = new QPlainTextEdit(parent);
        editor->setTabChangesFocus(true);
        editor->setObjectName(QStringLiteral("explanationEditor"));
        editor->setAccessibleName(PairsModel::tr("Explanation"));
        editor->setAccessibleDescription(PairsView::tr("One line of explanation per line; Tab keeps the text"));
        return editor;
    }

    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QRect rect = option.rect;
        if (index.column() == PairsModel::Explanation)
            rect.setHeight(std::max(rect.height(), 5 * option.fontMetrics.lineSpacing()));
        editor->setGeometry(rect);
    }
};

} // namespace

PairsView::PairsView(PairsModel *model, QWidget *parent) : QTableView(parent)
{
    setModel(model);
    setItemDelegate(new PairsDelegate(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Tab leaves the table, so the keyboard is never held in it; the arrows go from cell to cell,
    // and Tab in a cell's editor keeps the text and edits the next cell.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setIconSize(QSize(4 * PairsModel::kThumbnailHeight, PairsModel::kThumbnailHeight));
    // One height for every row: no row is measured, so a large table costs nothing to show.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height() + 8, PairsModel::kThumbnailHeight + 4));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setDropIndicatorShown(true);
    setDefaultDropAction(Qt::CopyAction);
    connect(this, &QAbstractItemView::activated, this, [this](const QModelIndex &index) {
        if (index.column() == PairsModel::Picture)
            Q_EMIT pictureChosen(index.row());
        else
            edit(index);
    });
}

void PairsView::keyPressEvent(QKeyEvent *event)
{
    // Enter on a cell edits it (or chooses its picture), on every platform.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState
        && currentIndex().isValid() && event->modifiers() == Qt::NoModifier) {
        Q_EMIT activated(currentIndex());
        return;
    }
    QTableView::keyPressEvent(event);
}

QList<int> PairsView::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        rows << index.row();
    if (rows.isEmpty() && currentIndex().isValid())
        rows << currentIndex().row();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

std::pair<int, int> PairsView::selectedBlock() const
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty() || rows.last() - rows.first() + 1 != rows.size())
        return {0, 0};
    return {rows.first(), int(rows.size())};
}
