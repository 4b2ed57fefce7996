#include "studiocore/quiz_document.h"

#include "studiocore/edit_commands.h"
#include "studiocore/pairs_model.h"

QuizDocument::QuizDocument(QObject *parent) : QObject(parent), m_pairs(new PairsModel(&m_undo, this))
{
    connect(m_pairs, &QAbstractItemModel::dataChanged, this, &QuizDocument::changed);
    connect(m_pairs, &QAbstractItemModel::rowsInserted, this, &QuizDocument::changed);
    connect(m_pairs, &QAbstractItemModel::rowsRemoved, this, &QuizDocument::changed);
    connect(m_pairs, &QAbstractItemModel::rowsMoved, this, &QuizDocument::changed);
    connect(m_pairs, &QAbstractItemModel::modelReset, this, &QuizDocument::changed);
}

QVariant QuizDocument::field(Field field) const
{
    const QuizDraft &f = m_fields;
    switch (field) {
    case Id: return f.id;
    case Caption: return f.caption;
    case Instructions: return f.instructions;
    case ExpressionsName: return f.expressionsName;
    case MeaningsName: return f.meaningsName;
    case ExtraMeanings: return f.extraMeanings;
    case OwnLayout: return f.ownLayout;
    case LayoutWidth:
    case ExpressionsLeft:
    case ExpressionsWidth:
    case MeaningsLeft:
    case MeaningsWidth: return f.layout[field - LayoutWidth];
    case FieldCount: break;
    }
    return {};
}

void QuizDocument::setField(Field field, const QVariant &value)
{
    const QVariant before = this->field(field);
    if (before == value)
        return;
    m_undo.push(new SetFieldCommand(this, field, before, value, tr("Edit %1").arg(fieldName(field))));
}

void QuizDocument::applyField(Field field, const QVariant &value)
{
    QuizDraft &f = m_fields;
    switch (field) {
    case Id: f.id = value.toString(); break;
    case Caption: f.caption = value.toString(); break;
    case Instructions: f.instructions = value.toString(); break;
    case ExpressionsName: f.expressionsName = value.toString(); break;
    case MeaningsName: f.meaningsName = value.toString(); break;
    case ExtraMeanings: f.extraMeanings = value.toStringList(); break;
    case OwnLayout: f.ownLayout = value.toBool(); break;
    case LayoutWidth:
    case ExpressionsLeft:
    case ExpressionsWidth:
    case MeaningsLeft:
    case MeaningsWidth: f.layout[field - LayoutWidth] = value.toInt(); break;
    case FieldCount: return;
    }
    Q_EMIT fieldChanged(field);
    Q_EMIT changed();
}

void QuizDocument::addImported(const QList<PairRow> &pairs, const QStringList &extraMeanings)
{
    m_undo.beginMacro(tr("Import a table"));
    if (!pairs.isEmpty())
        m_pairs->insertPairs(m_pairs->rowCount(), pairs, tr("Import a table"));
    if (!extraMeanings.isEmpty())
        setField(ExtraMeanings, m_fields.extraMeanings + extraMeanings);
    m_undo.endMacro();
}

QuizDraft QuizDocument::draft() const
{
    QuizDraft draft = m_fields;
    draft.pairs = m_pairs->rows();
    return draft;
}

void QuizDocument::load(const QuizDraft &draft)
{
    m_undo.clear();
    m_fields = draft;
    m_fields.pairs.clear();
    m_pairs->resetRows(draft.pairs);
    for (int f = 0; f < FieldCount; ++f)
        Q_EMIT fieldChanged(Field(f));
    Q_EMIT changed();
}

QString fieldName(QuizDocument::Field field)
{
    switch (field) {
    case QuizDocument::Id: return QuizDocument::tr("id");
    case QuizDocument::Caption: return QuizDocument::tr("caption");
    case QuizDocument::Instructions: return QuizDocument::tr("instructions");
    case QuizDocument::ExpressionsName: return QuizDocument::tr("name of the expressions");
    case QuizDocument::MeaningsName: return QuizDocument::tr("name of the meanings");
    case QuizDocument::ExtraMeanings: return QuizDocument::tr("extra meanings");
    case QuizDocument::OwnLayout:
    case QuizDocument::LayoutWidth:
    case QuizDocument::ExpressionsLeft:
    case QuizDocument::ExpressionsWidth:
    case QuizDocument::MeaningsLeft:
    case QuizDocument::MeaningsWidth: return QuizDocument::tr("window layout");
    case QuizDocument::FieldCount: break;
    }
    return {};
}

bool QuizDocument::mayLeave(const std::function<UnsavedChoice()> &ask, const std::function<bool()> &save) const
{
    if (!isModified())
        return true;
    switch (ask()) {
    case UnsavedChoice::Save: return save();
    case UnsavedChoice::Discard: return true;
    case UnsavedChoice::Cancel: return false;
    }
    return false;
}
