#include "studiocore/quiz_check.h"

#include "studiocore/pairs_model.h"
#include "studiocore/quiz_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtConcurrent/QtConcurrentRun>

using namespace Qt::StringLiterals;

namespace QuizCheck {

namespace {

QString columnName(int column)
{
    switch (column) {
    case PairsModel::Expression: return ProblemsModel::tr("expression");
    case PairsModel::Meaning: return ProblemsModel::tr("meaning");
    case PairsModel::Explanation: return ProblemsModel::tr("explanation");
    case PairsModel::Picture: return ProblemsModel::tr("picture");
    }
    return {};
}

QString whereIs(const FormPlace &place)
{
    switch (place.kind) {
    case FormPlace::None: return {};
    case FormPlace::Id: return ProblemsModel::tr("Id");
    case FormPlace::Caption: return ProblemsModel::tr("Caption");
    case FormPlace::Instructions: return ProblemsModel::tr("Instructions");
    case FormPlace::ExpressionsName: return ProblemsModel::tr("Name of the expressions");
    case FormPlace::MeaningsName: return ProblemsModel::tr("Name of the meanings");
    case FormPlace::Layout: return ProblemsModel::tr("Window layout");
    case FormPlace::ExtraMeaning:
        return place.index < 0 ? ProblemsModel::tr("Extra meanings")
                               : ProblemsModel::tr("Extra meaning %1").arg(place.index + 1);
    case FormPlace::Pair:
        return place.column < 0 ? ProblemsModel::tr("Pair %1").arg(place.index + 1)
                                : ProblemsModel::tr("Pair %1, %2").arg(place.index + 1).arg(columnName(place.column));
    }
    return {};
}

QRegularExpression pattern(const char *text)
{
    return QRegularExpression(QLatin1String(text), QRegularExpression::DotMatchesEverythingOption);
}

// The checker's message in the form's words, for the messages a teacher meets while typing; any
// other stays as the checker says it.
QString teacherWords(const QString &message, const WrittenQuiz &written)
{
    static const QRegularExpression empty = pattern(R"re(^the (expression|meaning|extra meaning) is empty)re");
    static const QRegularExpression twice = pattern(R"re(^the (expression|meaning) "(.*)" is given twice, here and on line (\d+))re");
    static const QRegularExpression graded = pattern(R"re(^with (\d+) pairs and (\d+) extra meanings the quiz can never be graded)re");
    static const QRegularExpression noPairs = pattern(R"re(^the quiz has no pairs)re");
    static const QRegularExpression id = pattern(R"re(^the id .* cannot name a program)re");
    static const QRegularExpression caption = pattern(R"re(^the caption is empty)re");
    static const QRegularExpression outside = pattern(R"re(^the (expressions|meanings) list would end at (\d+) twips, outside the window, which is (\d+) twips wide)re");
    static const QRegularExpression oneLine = pattern(R"re(must be one line|runs over more than one line)re");

    QRegularExpressionMatch m;
    if ((m = empty.match(message)).hasMatch()) {
        return m.captured(1) == u"extra meaning"_s ? ProblemsModel::tr("it is empty: write it, or delete the line")
                                                   : ProblemsModel::tr("it is empty: write it, or delete the pair");
    }
    if ((m = twice.match(message)).hasMatch()) {
        const FormPlace other = written.placeOf(m.captured(3).toInt());
        const QString where = other.kind == FormPlace::Pair ? ProblemsModel::tr("pair %1").arg(other.index + 1)
                                                            : ProblemsModel::tr("the extra meanings");
        return ProblemsModel::tr("\"%1\" is also in %2: the answer key would be ambiguous; give each text once")
            .arg(m.captured(2), where);
    }
    if ((m = graded.match(message)).hasMatch()) {
        const int pairs = m.captured(1).toInt();
        return ProblemsModel::tr("%1 pairs allow at most %2 extra meanings, and there are %3: \"Оцени\" needs at least three "
                  "entered pairs for every meaning left over")
            .arg(pairs).arg(pairs / 3).arg(m.captured(2).toInt());
    }
    if (noPairs.match(message).hasMatch())
        return ProblemsModel::tr("the quiz has no pairs yet: write one in the table");
    if (id.match(message).hasMatch())
        return ProblemsModel::tr("the id names the program and its file: use 1 to 32 small Latin letters, digits and hyphens, "
                  "starting with a letter, such as capitals");
    if (caption.match(message).hasMatch())
        return ProblemsModel::tr("it is empty: write the window's caption");
    if ((m = outside.match(message)).hasMatch()) {
        return ProblemsModel::tr("the %1 list would end at %2 twips, outside the window, which is %3 twips wide: make the window "
                  "wider or the list narrower")
            .arg(m.captured(1) == u"expressions"_s ? ProblemsModel::tr("expressions") : ProblemsModel::tr("meanings"), m.captured(2), m.captured(3));
    }
    if (oneLine.match(message).hasMatch())
        return ProblemsModel::tr("it must be one line: a list shows one line per item");
    return message;
}

} // namespace

CheckProblem describe(const QuizFile::Problem &problem, const WrittenQuiz &written)
{
    FormPlace place = written.placeOf(problem.line);
    // The checker names a pair by its [[pair]] line; the message says which of its texts it means.
    if (place.kind == FormPlace::Pair && place.column < 0) {
        if (problem.english.startsWith(u"the expression"_s))
            place.column = PairsModel::Expression;
        else if (problem.english.startsWith(u"the meaning"_s))
            place.column = PairsModel::Meaning;
    }
    const QString where = whereIs(place);
    // Matched in English, whatever language the messages are in; a message it does not word anew
    // is shown in that language.
    const QString english = teacherWords(problem.english, written);
    const QString words = english == problem.english ? problem.message : english;
    return {place, where.isEmpty() ? words : ProblemsModel::tr("%1: %2").arg(where, words)};
}

CheckOutcome run(const QuizDraft &draft, const QString &scratchDir, bool withPictures)
{
    const WrittenQuiz written = QuizWriter::forCheck(draft, withPictures);
    const QDir dir(scratchDir);
    for (const WrittenQuiz::PictureFile &file : written.pictures) {
        QFile out(dir.filePath(file.name));
        if (!out.exists() && out.open(QIODevice::WriteOnly))
            out.write(file.picture.data);
    }
    CheckOutcome outcome;
    outcome.result = QuizFile::checkBytes(written.text, dir.filePath(u"quiz.toml"_s));
    for (const QuizFile::Problem &problem : std::as_const(outcome.result.problems))
        outcome.problems << describe(problem, written);
    return outcome;
}

} // namespace QuizCheck

int ProblemsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_problems.size());
}

QVariant ProblemsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
        return m_problems.at(index.row()).text;
    return {};
}

void ProblemsModel::setProblems(const QList<CheckProblem> &problems)
{
    beginResetModel();
    m_problems = problems;
    endResetModel();
}

FormPlace ProblemsModel::place(int row) const
{
    return row >= 0 && row < m_problems.size() ? m_problems.at(row).place : FormPlace();
}

QuizChecker::QuizChecker(QuizDocument *document, QObject *parent)
    : QObject(parent), m_document(document), m_scratch(QDir::tempPath() + u"/zort-studio-check-XXXXXX"_s)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(document, &QuizDocument::changed, &m_timer, qOverload<>(&QTimer::start));
    connect(&m_timer, &QTimer::timeout, this, &QuizChecker::start);
    connect(&m_watcher, &QFutureWatcher<CheckOutcome>::finished, this, &QuizChecker::finish);
}

QuizChecker::~QuizChecker()
{
    m_watcher.waitForFinished();
}

void QuizChecker::start()
{
    if (m_running) {
        m_again = true;  // checked again with the newer text once this one ends
        return;
    }
    m_running = true;
    m_watcher.setFuture(QtConcurrent::run(&QuizCheck::run, m_document->draft(), m_scratch.path(), false));
}

void QuizChecker::finish()
{
    m_running = false;
    const bool stale = std::exchange(m_stale, false);
    if (std::exchange(m_again, false)) {
        start();
        return;
    }
    if (!stale && !m_timer.isActive())
        show(m_watcher.result());
}

CheckOutcome QuizChecker::checkNow()
{
    m_timer.stop();
    m_again = false;
    // A check under way is of an older text: its result is not shown.
    m_stale = m_running;
    m_watcher.waitForFinished();
    const CheckOutcome outcome = QuizCheck::run(m_document->draft(), m_scratch.path());
    show(outcome);
    return outcome;
}

void QuizChecker::show(const CheckOutcome &outcome)
{
    m_problems.setProblems(outcome.problems);
    Q_EMIT checked(outcome.ok(), int(outcome.result.problemCount()));
}
