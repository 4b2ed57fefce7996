#include "test_main.h"
#include "test_support.h"
#include "visible_texts.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestEvaluation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Correct pairs over the number of correct pairs of the test, ties to the even whole number.
    void score_data()
    {
        QTest::addColumn<int>("expressions");
        QTest::addColumn<int>("meanings");
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QString>("caption");
        QTest::newRow("27: 1 correct") << 27 << 27 << 1 << 0 << UiText::score(4);
        QTest::newRow("27: 2 correct") << 27 << 27 << 2 << 0 << UiText::score(7);
        QTest::newRow("27: 13 correct, nothing else") << 27 << 27 << 13 << 0 << UiText::score(48);
        QTest::newRow("27: 14 correct") << 27 << 27 << 14 << 0 << UiText::score(52);
        QTest::newRow("27: 26 correct") << 27 << 27 << 26 << 0 << UiText::score(96);
        QTest::newRow("27: all correct") << 27 << 27 << 27 << 0 << UiText::score(100);
        QTest::newRow("27: all wrong") << 27 << 27 << 0 << 27 << UiText::score(0);
        QTest::newRow("27: wrong pairs take nothing away") << 27 << 27 << 13 << 10 << UiText::score(48);
        QTest::newRow("8: 12.5 to 12") << 8 << 8 << 1 << 0 << UiText::score(12);
        QTest::newRow("8: 37.5 to 38") << 8 << 8 << 3 << 0 << UiText::score(38);
        QTest::newRow("8: 62.5 to 62") << 8 << 8 << 5 << 0 << UiText::score(62);
        QTest::newRow("8: 87.5 to 88") << 8 << 8 << 7 << 0 << UiText::score(88);
        QTest::newRow("3 with 5: all three") << 3 << 5 << 3 << 0 << UiText::score(100);
        QTest::newRow("5 with 3: one") << 5 << 3 << 1 << 2 << UiText::score(33);
    }
    void score()
    {
        QFETCH(int, expressions);
        QFETCH(int, meanings);
        QFETCH(int, correct);
        QFETCH(int, wrong);
        QFETCH(QString, caption);
        Quiz quiz(makeContent(expressions, meanings));
        quiz.start();
        for (int k = 1; k <= correct; ++k)
            enterPair(quiz, k, k);
        // Wrong pairs: expression k with the meaning of the next wrong one, around a cycle.
        for (int i = 0; i < wrong; ++i) {
            const int k = correct + 1 + i;
            const int m = correct + 1 + (i + 1) % wrong;
            enterPair(quiz, k, m <= meanings ? m : meanings);
        }
        quiz.dispatch(Quiz::Evaluate);
        QCOMPARE(quiz.counter(), caption);
        QCOMPARE(int(quiz.correctPairs()), correct);
        QVERIFY(quiz.verdictVisible());
        QCOMPARE(quiz.list(2).selected(), qsizetype(0));
        QCOMPARE(quiz.verdictText(), correct > 0 ? u"ДА"_s : u"НЕ"_s);
    }

    void threeWithFiveJudgesByContentNumber()
    {
        Quiz quiz(makeContent(3, 5));
        quiz.start();
        enterPair(quiz, 1, 4);
        enterPair(quiz, 2, 2);
        quiz.dispatch(Quiz::Evaluate);
        QCOMPARE(quiz.verdictText(), u"НЕ"_s);
        QCOMPARE(quiz.verdictColour(), Quiz::kRed);
        quiz.selectRow(2, 1);
        QCOMPARE(quiz.verdictText(), u"ДА"_s);
        QCOMPARE(quiz.verdictColour(), Quiz::kGreen);
        QCOMPARE(quiz.counter(), UiText::score(33));
    }

    void reviewPhaseButtonsAndVerdicts()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        enterPair(quiz, 1, 1);
        enterPair(quiz, 2, 3);
        QVERIFY(quiz.pressButton(Quiz::Evaluate) == false); // disabled: no click reaches it
        quiz.dispatch(Quiz::Evaluate);                  // the dispatcher itself evaluates
        QVERIFY(quiz.evaluated());
        QVERIFY(!quiz.isEnabled(Quiz::Enter));
        QVERIFY(!quiz.isEnabled(Quiz::TakeBack));
        QVERIFY(!quiz.isEnabled(Quiz::Evaluate));
        QVERIFY(quiz.isEnabled(Quiz::Explain));
        QCOMPARE(quiz.verdictText(), u"ДА"_s);
        quiz.selectRow(2, 1);
        QCOMPARE(quiz.verdictText(), u"НЕ"_s);
        QCOMPARE(quiz.output(), QString());
        QVERIFY(!quiz.pressButton(Quiz::Enter));
        QVERIFY(!quiz.pressButton(Quiz::TakeBack));
        QCOMPARE(quiz.list(2).count(), qsizetype(2));
    }

    void evaluateWithNothingEntered()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        quiz.dispatch(Quiz::Evaluate);
        QVERIFY(!quiz.evaluated());
        QCOMPARE(quiz.counter(), UiText::counterAtStart());
        QVERIFY(quiz.isEnabled(Quiz::Enter));
        QVERIFY(!quiz.verdictVisible());
    }

    // "Върни" enables "Оцени" (21 >= 18) before taking a pair back; 20 pairs are then evaluated.
    void evaluatesTwentyAfterTakeBack()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        for (int k = 1; k <= 21; ++k)
            enterPair(quiz, k, k);
        quiz.selectRow(2, 20);
        QVERIFY(quiz.pressButton(Quiz::TakeBack));
        QVERIFY(quiz.isEnabled(Quiz::Evaluate));
        QCOMPARE(quiz.list(2).count(), qsizetype(20));
        QVERIFY(quiz.pressButton(Quiz::Evaluate));
        QCOMPARE(quiz.counter(), UiText::score(74));
    }

    void explanationBeforeEvaluation()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        quiz.selectRow(0, rowOf(quiz, 0, u"habeas corpus"_s));
        quiz.selectRow(1, rowOf(quiz, 1, u"така е"_s));
        QVERIFY(quiz.pressButton(Quiz::Explain));
        QCOMPARE(quiz.output(), u"\r\n\"habeas corpus\" е във връзка с \"да имаш тялото си\""_s);
        QCOMPARE(quiz.list(2).items(), QStringList{u"habeas corpus така е"_s});
        QCOMPARE(quiz.counter(), UiText::pairsLeft(26));
        QVERIFY(!quiz.isEnabled(Quiz::Explain));
        QCOMPARE(quiz.currentItem(), qint16(1)); // left as it was set by the selection
    }

    void explanationNeedsBothSides()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        quiz.selectRow(1, -1);
        quiz.dispatch(Quiz::Explain);
        QVERIFY(quiz.isEnabled(Quiz::Explain));
        QVERIFY(quiz.list(2).isEmpty());
        QCOMPARE(quiz.output(), builtInContent().instructions);
    }

    // After the rule re-enables "Оцени", the explanation disables it again: one evaluation per run.
    void explanationAfterEvaluation()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        for (int k = 1; k <= 22; ++k)
            enterPair(quiz, k, k == 5 ? 6 : (k == 6 ? 5 : k));
        QVERIFY(quiz.pressButton(Quiz::Evaluate));
        quiz.selectRow(2, 4); // "ex nihilo nihil на болното място": wrong
        QCOMPARE(quiz.verdictText(), u"НЕ"_s);
        QVERIFY(quiz.pressButton(Quiz::Explain));
        QCOMPARE(quiz.output(), u"\r\n\"ex nihilo nihil\" е във връзка с \"от нищо нищо не произлиза\""_s);
        QVERIFY(!quiz.isEnabled(Quiz::Evaluate));
        QVERIFY(quiz.isEnabled(Quiz::Explain));
        QVERIFY(quiz.pressButton(Quiz::Explain));
        QVERIFY(!quiz.isEnabled(Quiz::Evaluate));
        quiz.selectRow(2, 0);
        QCOMPARE(quiz.output(), QString());
        QCOMPARE(quiz.counter(), UiText::score(74));
    }

    void explanationLines_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("tail");
        QTest::newRow("flag 1 with two lines") << u"1"_s << QStringList{u"A"_s, u"B"_s} << u"\r\nA\r\nB"_s;
        QTest::newRow("flag 0") << u"0"_s << QStringList{u"A"_s} << QString();
        QTest::newRow("empty flag") << QString() << QStringList{u"A"_s} << QString();
        QTest::newRow("non-numeric flag") << u"да"_s << QStringList{u"A"_s} << QString();
        QTest::newRow("negative flag") << u"-2"_s << QStringList{u"A"_s} << QString();
        QTest::newRow("huge flag") << u"99999999999"_s << QStringList{u"A"_s} << u"\r\nA"_s;
        QTest::newRow("positive flag, empty line list") << u"3"_s << QStringList() << QString();
        QTest::newRow("empty lines are lines") << u"1"_s << QStringList{QString(), u"x"_s} << u"\r\n\r\nx"_s;
    }
    void explanationLines()
    {
        QFETCH(QString, flag);
        QFETCH(QStringList, lines);
        QFETCH(QString, tail);
        Content c = makeContent(3, 3);
        c.flags[2] = flag;
        c.lines[1] = lines;
        Quiz quiz(c);
        quiz.start();
        QuizSteps::explainItem(quiz, 2);
        QCOMPARE(quiz.output(), u"\r\n\"expr 998\" е във връзка с \"значение 998\""_s + tail);
    }

    // Content numbers without a flag entry or a line list: no lines, no reads out of range.
    void explanationOutOfRange_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("above 30 with a positive flag") << 31;
        QTest::newRow("above the flags") << 45;
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -1;
    }
    void explanationOutOfRange()
    {
        QFETCH(int, number);
        Content c = makeContent(45, 45);
        for (int k = 1; k < c.flags.size(); ++k)
            c.flags[k] = u"1"_s;
        Quiz quiz(c);
        quiz.start();
        QuizSteps::explainItem(quiz, qint16(number));
        const QString expression = c.expressions.value(number - 1);
        const QString meaning = c.meanings.value(number - 1);
        QCOMPARE(quiz.output(), u"\r\n\""_s + expression + u"\" е във връзка с \""_s + meaning + u'"');
    }

    void explainsFirstOfRepeatedTexts()
    {
        Content c = makeContent(3, 3);
        c.expressions[2] = c.expressions[1];
        c.flags[2] = u"1"_s;
        c.lines[1] = QStringList{u"втори"_s};
        Quiz quiz(c);
        quiz.start();
        quiz.selectRow(0, rowOf(quiz, 0, c.expressions[2]));
        quiz.selectRow(1, 0);
        quiz.dispatch(Quiz::Explain);
        QVERIFY(quiz.output().endsWith(u"\r\nвтори"_s));
    }
};

ZORT_TEST_APPLESS_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
