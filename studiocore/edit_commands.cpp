#include "studiocore/edit_commands.h"

#include "studiocore/pairs_model.h"

ReplaceRowsCommand::ReplaceRowsCommand(PairsModel *model, int row, QList<PairRow> before, QList<PairRow> after,
                                       const QString &text, QUndoCommand *parent)
    : QUndoCommand(text, parent), m_model(model), m_row(row), m_before(std::move(before)), m_after(std::move(after))
{
}

void ReplaceRowsCommand::redo()
{
    m_model->replaceRows(m_row, int(m_before.size()), m_after);
}

void ReplaceRowsCommand::undo()
{
    m_model->replaceRows(m_row, int(m_after.size()), m_before);
}

MoveRowsCommand::MoveRowsCommand(PairsModel *model, int from, int count, int to, const QString &text)
    : QUndoCommand(text), m_model(model), m_from(from), m_count(count), m_to(to)
{
}

void MoveRowsCommand::redo()
{
    m_model->moveRowsTo(m_from, m_count, m_to);
}

void MoveRowsCommand::undo()
{
    m_model->moveRowsTo(m_to, m_count, m_from);
}

SetFieldCommand::SetFieldCommand(QuizDocument *document, QuizDocument::Field field, QVariant before, QVariant after,
                                 const QString &text, QUndoCommand *parent)
    : QUndoCommand(text, parent), m_document(document), m_field(field), m_before(std::move(before)),
      m_after(std::move(after))
{
}

void SetFieldCommand::redo()
{
    m_document->applyField(m_field, m_after);
}

void SetFieldCommand::undo()
{
    m_document->applyField(m_field, m_before);
}

int SetFieldCommand::id() const
{
    // Moving the layout's spin boxes or ticking a box is one step per change; typing merges.
    return m_after.typeId() == QMetaType::QString || m_after.typeId() == QMetaType::QStringList ? 1000 + m_field : -1;
}

bool SetFieldCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const SetFieldCommand *>(other);
    if (next->m_field != m_field)
        return false;
    m_after = next->m_after;
    setObsolete(m_after == m_before);
    return true;
}
