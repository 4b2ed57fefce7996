#pragma once

#include "studiocore/quiz_document.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QWidget;

// Ties a form control to a field of the document both ways: what the teacher types becomes an
// undo step, and undo and redo show in the control (without moving its cursor when it already
// shows that text).
namespace FieldBinding {

void bind(QLineEdit *edit, QuizDocument *document, QuizDocument::Field field);
void bind(QPlainTextEdit *edit, QuizDocument *document, QuizDocument::Field field);
// One text per line (the extra meanings); blank lines are no entries.
void bindLines(QPlainTextEdit *edit, QuizDocument *document, QuizDocument::Field field);
void bind(QCheckBox *box, QuizDocument *document, QuizDocument::Field field);
void bind(QSpinBox *box, QuizDocument *document, QuizDocument::Field field);

// The lines of a text, blank ones left out.
QStringList nonBlankLines(const QString &text);

// Ctrl+Z and Ctrl+Shift+Z in the control reach the document's undo stack rather than the
// control's own undo, so there is one history.
void routeUndoKeysToStack(QWidget *control);

} // namespace FieldBinding
