#pragma once

#include "studiocore/quiz_document.h"

#include <QUndoCommand>
#include <QVariant>

class PairsModel;

// The studio's three kinds of edit. Each remembers what it replaced, so undo puts it back.

// Rows row..row+before.size()-1 become after: a cell edited, rows added, deleted or pasted.
class ReplaceRowsCommand : public QUndoCommand
{
public:
    ReplaceRowsCommand(PairsModel *model, int row, QList<PairRow> before, QList<PairRow> after, const QString &text,
                       QUndoCommand *parent = nullptr);
    void redo() override;
    void undo() override;

private:
    PairsModel *m_model;
    int m_row;
    QList<PairRow> m_before;
    QList<PairRow> m_after;
};

// count rows at from moved so that the first is at to.
class MoveRowsCommand : public QUndoCommand
{
public:
    MoveRowsCommand(PairsModel *model, int from, int count, int to, const QString &text);
    void redo() override;
    void undo() override;

private:
    PairsModel *m_model;
    int m_from;
    int m_count;
    int m_to;
};

// One field of the form. Typing in one field is one step: the keys merge while nothing else is
// done in between.
class SetFieldCommand : public QUndoCommand
{
public:
    SetFieldCommand(QuizDocument *document, QuizDocument::Field field, QVariant before, QVariant after,
                    const QString &text, QUndoCommand *parent = nullptr);
    void redo() override;
    void undo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    QuizDocument *m_document;
    QuizDocument::Field m_field;
    QVariant m_before;
    QVariant m_after;
};
