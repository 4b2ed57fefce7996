#pragma once

#include "studiocore/quiz_draft.h"

#include <QObject>
#include <QUndoStack>
#include <QVariant>

#include <functional>

class PairsModel;

// The quiz a teacher is making: the form's fields, the pairs (a table model) and the extra
// meanings, with one undo stack for every edit. Unsaved changes are the stack not being clean.
class QuizDocument : public QObject
{
    Q_OBJECT

public:
    enum Field {
        Id, Caption, Instructions, ExpressionsName, MeaningsName,
        ExtraMeanings,  // a QStringList
        OwnLayout,      // bool: write [window]
        LayoutWidth, ExpressionsLeft, ExpressionsWidth, MeaningsLeft, MeaningsWidth,  // twips
        FieldCount
    };

    explicit QuizDocument(QObject *parent = nullptr);

    QUndoStack *undoStack() { return &m_undo; }
    PairsModel *pairs() { return m_pairs; }
    const PairsModel *pairs() const { return m_pairs; }

    QVariant field(Field field) const;
    // One undo step; typing into one field merges into one.
    void setField(Field field, const QVariant &value);
    // For the undo commands.
    void applyField(Field field, const QVariant &value);

    // Pairs and extra meanings read from a table, added at the end as one undo step.
    void addImported(const QList<PairRow> &pairs, const QStringList &extraMeanings);

    QuizDraft draft() const;
    // A new quiz or one opened: everything replaced, nothing to undo, no unsaved changes.
    void load(const QuizDraft &draft);
    bool isModified() const { return !m_undo.isClean(); }

    // Before the quiz is closed, or replaced by another or a new one: whether that may go on.
    // The teacher is asked (ask) only when there are unsaved changes; Save goes on once the quiz
    // is saved (save says whether it was: a failed or cancelled save keeps the quiz open),
    // Discard goes on, Cancel stays.
    enum class UnsavedChoice { Save, Discard, Cancel };
    bool mayLeave(const std::function<UnsavedChoice()> &ask, const std::function<bool()> &save) const;

Q_SIGNALS:
    void fieldChanged(QuizDocument::Field field);
    // Anything in the quiz changed: a field, a pair, an extra meaning.
    void changed();

private:
    QUndoStack m_undo;
    PairsModel *m_pairs;
    QuizDraft m_fields;  // all but its pairs, which the model holds
};

// What the form calls a field, for the undo step's text.
QString fieldName(QuizDocument::Field field);
