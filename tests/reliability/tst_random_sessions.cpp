#include "test_main.h"
#include "quiz_samples.h"
#include "seed_rows.h"
#include "session_driver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

using namespace Reliability;

Q_DECLARE_METATYPE(Reliability::GeneratedContent)

namespace {


} // namespace

class TestRandomSessions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void coreSessions_data();
    void coreSessions();
    void quizFileSessions_data();
    void quizFileSessions();
    void fuzzCorpusReplays();
    void oracleNoticesWrongSteps_data();
    void oracleNoticesWrongSteps();
    void cleanupTestCase();

private:
    Figures m_figures;
    qint64 m_elapsedMs = 0;
};

void TestRandomSessions::coreSessions_data()
{
    addSeedRows("ZORT_SESSIONS", 500, 8, 0);
}

void TestRandomSessions::coreSessions()
{
    QFETCH(quint64, firstSeed);
    QFETCH(qint64, sessions);
    QElapsedTimer timer;
    timer.start();
    for (qint64 i = 0; i < sessions; ++i) {
        const quint64 seed = firstSeed + quint64(i);
        SeededChooser chooser(seed);
        const int maxActions = chooser.between(10, 400);
        const QString problem = playSession(chooser, maxActions, m_figures);
        if (!problem.isEmpty())
            QFAIL(qPrintable(u"seed %1: %2\nreplay: ZORT_SEED=%1 tst_random_sessions coreSessions"_s.arg(seed).arg(problem)));
    }
    m_elapsedMs += timer.elapsed();
}

// Quizzes generated from quiz files: explanations and pictures on every pair, extra meanings.
void TestRandomSessions::quizFileSessions_data()
{
    QTest::addColumn<GeneratedContent>("content");
    QTest::newRow("capitals") << quizFileGenerated(capitalsContent(), u"capitals quiz file"_s);
    QTest::newRow("forty") << quizFileGenerated(fortyContent(), u"forty-pair quiz file"_s);
}

void TestRandomSessions::quizFileSessions()
{
    QFETCH(GeneratedContent, content);
    for (quint64 seed = 1; seed <= 300; ++seed) {
        SeededChooser chooser(seed);
        const QString problem = playSession(chooser, chooser.between(10, 400), m_figures, {}, {}, &content);
        if (!problem.isEmpty())
            QFAIL(qPrintable(u"seed %1: %2\nreplay: ZORT_SEED=%1 tst_random_sessions quizFileSessions"_s.arg(seed).arg(problem)));
    }
}

// The fuzzer's seed corpus, played by the same driver in every build.
void TestRandomSessions::fuzzCorpusReplays()
{
    const QString dir = QStringLiteral(ZORT_FUZZ_CORPUS);
    QDir corpus(dir);
    const QStringList files = corpus.entryList(QDir::Files);
    QVERIFY2(!files.isEmpty(), qPrintable(dir));
    for (const QString &name : files) {
        QFile file(corpus.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ByteChooser chooser(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
        Figures figures;
        const QString problem = playSession(chooser, 1000, figures);
        QVERIFY2(problem.isEmpty(), qPrintable(name + u": "_s + problem));
    }
}

Q_DECLARE_METATYPE(Reliability::Action)

// The oracle is told one action while another (or none) ran: it must notice, or the sessions
// above would prove nothing. The faithful rows must pass.
void TestRandomSessions::oracleNoticesWrongSteps_data()
{
    QTest::addColumn<Action>("declared");
    QTest::addColumn<Action>("performed");
    QTest::addColumn<bool>("ran");
    QTest::addColumn<bool>("noticed");
    const Action none{ActionKind::Exit, 0, 0};
    const Action enter{ActionKind::Press, Quiz::Enter, 0};
    QTest::newRow("faithful entry") << enter << enter << true << false;
    QTest::newRow("faithful selection") << Action{ActionKind::Select, 0, 3} << Action{ActionKind::Select, 0, 3} << false << false;
    QTest::newRow("faithful disabled click") << Action{ActionKind::Press, Quiz::Evaluate, 0} << none << false << false;
    QTest::newRow("entry that did not happen") << enter << none << true << true;
    QTest::newRow("explanation instead of entry") << enter << Action{ActionKind::Press, Quiz::Explain, 0} << true << true;
    QTest::newRow("selection not made") << Action{ActionKind::Select, 0, 5} << none << false << true;
    QTest::newRow("another row selected") << Action{ActionKind::Select, 0, 2} << Action{ActionKind::Select, 0, 3} << false << true;
    QTest::newRow("disabled button said to run") << Action{ActionKind::Press, Quiz::Evaluate, 0} << none << true << true;
    QTest::newRow("take-back instead of nothing") << Action{ActionKind::Select, 1, 1}
                                                  << Action{ActionKind::Press, Quiz::TakeBack, 0} << false << true;
}

void TestRandomSessions::oracleNoticesWrongSteps()
{
    QFETCH(Action, declared);
    QFETCH(Action, performed);
    QFETCH(bool, ran);
    QFETCH(bool, noticed);
    const GeneratedContent content = builtInGenerated();
    Quiz quiz(content.content);
    quiz.start();
    TestOracle oracle(content);
    QVERIFY(oracle.checkStartup(quiz).isEmpty());
    // One pair entered and selected, a new pair chosen.
    quiz.pressButton(Quiz::Enter);
    quiz.selectRow(2, 0);
    quiz.selectRow(0, 1);
    quiz.selectRow(1, 1);
    QVERIFY(oracle.checkState(quiz).isEmpty());

    const TestState before = TestState::of(quiz);
    if (performed.kind == ActionKind::Select)
        quiz.selectRow(performed.index, performed.value);
    else if (performed.kind == ActionKind::Press)
        quiz.pressButton(qint16(performed.index));
    const QString problem = oracle.checkStep(before, declared, quiz, ran);
    QVERIFY2(problem.isEmpty() != noticed, qPrintable(problem));
}

void TestRandomSessions::cleanupTestCase()
{
    // Printed whatever the logging rules, for the README's figures.
    std::printf("FIGURES core sessions: %s in %lld ms\n", qPrintable(m_figures.summary()), m_elapsedMs);
}

ZORT_TEST_GUILESS_MAIN(TestRandomSessions)
#include "tst_random_sessions.moc"
