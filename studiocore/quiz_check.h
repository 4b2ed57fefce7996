#pragma once

#include "studiocore/quiz_writer.h"

#include <QAbstractListModel>
#include <QFutureWatcher>
#include <QTemporaryDir>
#include <QTimer>

class QuizDocument;

// A problem the checker found, at the place in the form it is about, in the teacher's words.
struct CheckProblem
{
    FormPlace place;
    QString text;  // "Pair 3, meaning: ..."
};

struct CheckOutcome
{
    QuizFile::Result result;
    QList<CheckProblem> problems;
    bool ok() const { return result.ok(); }
};

namespace QuizCheck {

// The same check as zort-quiz check, on the draft: its text as the studio would save it, checked
// in memory, with the pictures in scratchDir (each written there once, named by its key). Without
// pictures, the check as the teacher types: each picture was made by the checker when it was
// added, and checking them again costs a few milliseconds each.
CheckOutcome run(const QuizDraft &draft, const QString &scratchDir, bool withPictures = true);

// A checker's problem said about the form rather than the file: where it is, and what to do.
CheckProblem describe(const QuizFile::Problem &problem, const WrittenQuiz &written);

} // namespace QuizCheck

// The problems of the last check, for the panel's list.
class ProblemsModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    void setProblems(const QList<CheckProblem> &problems);
    FormPlace place(int row) const;

private:
    QList<CheckProblem> m_problems;
};

// Checks the document a moment after the last edit (never on every key), on a worker thread with
// a copy of the quiz, and puts the problems in its model. That check leaves the pictures out (the
// checker made each when it was added); checkNow, before trying or saving, checks them too.
class QuizChecker : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDelayMs = 400;

    explicit QuizChecker(QuizDocument *document, QObject *parent = nullptr);
    ~QuizChecker() override;

    ProblemsModel *problems() { return &m_problems; }
    // Checks at once, after any check under way; for "Try it" and saving.
    CheckOutcome checkNow();
    // A check is waiting for its moment or running.
    bool isBusy() const { return m_timer.isActive() || m_running; }

Q_SIGNALS:
    void checked(bool ok, int problems);

private:
    void start();
    void finish();
    void show(const CheckOutcome &outcome);

    QuizDocument *m_document;
    QTimer m_timer;
    QTemporaryDir m_scratch;
    QFutureWatcher<CheckOutcome> m_watcher;
    bool m_running = false;  // from start() to finish()
    bool m_again = false;    // the document changed while a check ran
    bool m_stale = false;    // checkNow() ran while a check ran
    ProblemsModel m_problems;
};
