#include "studio/field_binding.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace FieldBinding {

namespace {

class UndoKeysFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            auto *key = static_cast<QKeyEvent *>(event);
            // Left unaccepted, the key goes on to the window's Undo and Redo.
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo))
                return true;
        }
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void routeUndoKeysToStack(QWidget *control)
{
    control->installEventFilter(new UndoKeysFilter(control));
}

QStringList nonBlankLines(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.split(u'\n')) {
        if (!line.trimmed().isEmpty())
            lines << line;
    }
    return lines;
}

void bind(QLineEdit *edit, QuizDocument *document, QuizDocument::Field field)
{
    edit->setText(document->field(field).toString());
    QObject::connect(edit, &QLineEdit::textEdited, document,
                     [document, field](const QString &text) { document->setField(field, text); });
    QObject::connect(document, &QuizDocument::fieldChanged, edit, [edit, document, field](QuizDocument::Field f) {
        if (f == field && edit->text() != document->field(field).toString())
            edit->setText(document->field(field).toString());
    });
    routeUndoKeysToStack(edit);
}

void bind(QPlainTextEdit *edit, QuizDocument *document, QuizDocument::Field field)
{
    edit->setUndoRedoEnabled(false);
    edit->setPlainText(document->field(field).toString());
    QObject::connect(edit, &QPlainTextEdit::textChanged, document, [edit, document, field] {
        document->setField(field, edit->toPlainText());  // no step when it is the same
    });
    QObject::connect(document, &QuizDocument::fieldChanged, edit, [edit, document, field](QuizDocument::Field f) {
        if (f == field && edit->toPlainText() != document->field(field).toString())
            edit->setPlainText(document->field(field).toString());
    });
    routeUndoKeysToStack(edit);
}

void bindLines(QPlainTextEdit *edit, QuizDocument *document, QuizDocument::Field field)
{
    edit->setUndoRedoEnabled(false);
    edit->setPlainText(document->field(field).toStringList().join(u'\n'));
    QObject::connect(edit, &QPlainTextEdit::textChanged, document, [edit, document, field] {
        document->setField(field, nonBlankLines(edit->toPlainText()));
    });
    QObject::connect(document, &QuizDocument::fieldChanged, edit, [edit, document, field](QuizDocument::Field f) {
        const QStringList lines = document->field(field).toStringList();
        if (f == field && nonBlankLines(edit->toPlainText()) != lines)
            edit->setPlainText(lines.join(u'\n'));
    });
    routeUndoKeysToStack(edit);
}

void bind(QCheckBox *box, QuizDocument *document, QuizDocument::Field field)
{
    box->setChecked(document->field(field).toBool());
    QObject::connect(box, &QCheckBox::toggled, document, [document, field](bool on) { document->setField(field, on); });
    QObject::connect(document, &QuizDocument::fieldChanged, box, [box, document, field](QuizDocument::Field f) {
        if (f == field)
            box->setChecked(document->field(field).toBool());
    });
}

void bind(QSpinBox *box, QuizDocument *document, QuizDocument::Field field)
{
    box->setKeyboardTracking(false);  // a number typed is one step, when it is done
    box->setValue(document->field(field).toInt());
    QObject::connect(box, &QSpinBox::valueChanged, document, [document, field](int v) { document->setField(field, v); });
    QObject::connect(document, &QuizDocument::fieldChanged, box, [box, document, field](QuizDocument::Field f) {
        if (f == field)
            box->setValue(document->field(field).toInt());
    });
    routeUndoKeysToStack(box);
}

} // namespace FieldBinding
