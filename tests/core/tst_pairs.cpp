#include "test_main.h"
#include "test_support.h"
#include "visible_texts.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Every content item in exactly one place, and the hidden lists parallel to the visible ones.
void checkInvariants(const Quiz &quiz)
{
    QCOMPARE(quiz.numberList(0).items(), expectedNumbers(quiz, 0));
    QCOMPARE(quiz.numberList(1).items(), expectedNumbers(quiz, 1));
    QCOMPARE(quiz.numberList(2).count(), quiz.list(2).count());
    QCOMPARE(quiz.numberList(3).count(), quiz.list(2).count());
    const Content &c = quiz.content();
    QStringList left = quiz.list(0).items();
    QStringList right = quiz.list(1).items();
    const Quiz::NumberList numbers2 = quiz.numberList(2), numbers3 = quiz.numberList(3);
    for (qsizetype r = 0; r < quiz.list(2).count(); ++r) {
        const QString expression = c.expressions.at(numbers2.at(r).toInt() - 1);
        const QString meaning = c.meanings.at(numbers3.at(r).toInt() - 1);
        QCOMPARE(quiz.list(2).at(r), expression + u' ' + meaning);
        left << expression;
        right << meaning;
    }
    left.sort();
    right.sort();
    QStringList allLeft = c.expressions, allRight = c.meanings;
    allLeft.sort();
    allRight.sort();
    QCOMPARE(left, allLeft);
    QCOMPARE(right, allRight);
}

} // namespace

class TestPairs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enterOnePair()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        enterPair(quiz, 12, 3);
        QCOMPARE(quiz.list(2).items(), QStringList{u"mea culpa извън реда"_s});
        QCOMPARE(quiz.numberList(2).items(), QStringList{u"12"_s});
        QCOMPARE(quiz.numberList(3).items(), QStringList{u"3"_s});
        QCOMPARE(quiz.list(0).count(), qsizetype(26));
        QCOMPARE(quiz.list(1).count(), qsizetype(26));
        QVERIFY(!quiz.list(0).hasSelection());
        QVERIFY(!quiz.list(1).hasSelection());
        QCOMPARE(quiz.counter(), UiText::pairsLeft(26));
        checkInvariants(quiz);
    }

    void onlyOneSideSelected_data()
    {
        QTest::addColumn<bool>("left");
        QTest::addColumn<bool>("right");
        QTest::newRow("expression only") << true << false;
        QTest::newRow("meaning only") << false << true;
        QTest::newRow("neither") << false << false;
    }
    void onlyOneSideSelected()
    {
        QFETCH(bool, left);
        QFETCH(bool, right);
        Quiz quiz(builtInContent());
        quiz.start();
        quiz.selectRow(0, left ? 3 : -1);
        quiz.selectRow(1, right ? 3 : -1);
        QSignalSpy counter(&quiz, &Quiz::counterChanged);
        quiz.dispatch(Quiz::Enter);
        QVERIFY(quiz.list(2).isEmpty());
        QCOMPARE(quiz.list(0).count(), qsizetype(27));
        QCOMPARE(quiz.counter(), UiText::counterAtStart());
        QCOMPARE(counter.count(), 0);
    }

    void moreMeaningsThanExpressions()
    {
        Quiz quiz(makeContent(27, 30));
        quiz.start();
        enterPair(quiz, 1, 1);
        QCOMPARE(quiz.counter(), UiText::pairsLeft(26));
        for (int k = 2; k <= 27; ++k)
            enterPair(quiz, k, k + 3);
        QCOMPARE(quiz.counter(), UiText::pairsLeft(0));
        QCOMPARE(quiz.list(1).count(), qsizetype(3));
        quiz.selectRow(1, 0);
        quiz.dispatch(Quiz::Enter);
        QCOMPARE(quiz.list(2).count(), qsizetype(27));
        checkInvariants(quiz);
    }

    void selectionRunsHandlingOnceAndNotAgain()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        QSignalSpy thumbnails(&quiz, &Quiz::thumbnailChanged);
        quiz.selectRow(0, 5);
        QCOMPARE(thumbnails.count(), 1);
        QCOMPARE(quiz.numberList(0).selected(), qsizetype(5));
        QCOMPARE(QString::number(quiz.currentItem()), quiz.numberList(0).at(5));
        quiz.selectRow(0, 5); // already selected: nothing runs
        QCOMPARE(thumbnails.count(), 1);
        const qint16 current = quiz.currentItem();
        quiz.selectRow(1, 7); // a meaning has no picture and is not the current item
        QCOMPARE(thumbnails.count(), 1);
        QCOMPARE(quiz.currentItem(), current);
        QCOMPARE(quiz.numberList(1).selected(), qsizetype(7));
    }

    void enteredPairSelectionSetsHiddenVerdict()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        enterPair(quiz, 1, 1);
        enterPair(quiz, 2, 5);
        quiz.selectRow(2, 1);
        QCOMPARE(quiz.output(), QString());
        QCOMPARE(quiz.currentItem(), qint16(2));
        QCOMPARE(quiz.verdictText(), u"НЕ"_s);
        QCOMPARE(quiz.verdictColour(), Quiz::kRed);
        QVERIFY(!quiz.verdictVisible());
        quiz.selectRow(2, 0);
        QCOMPARE(quiz.verdictText(), u"ДА"_s);
        QCOMPARE(quiz.verdictColour(), Quiz::kGreen);
        QVERIFY(!quiz.verdictVisible());
    }

    void takeBackOnlyPair()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        const QStringList left = quiz.list(0).items(), right = quiz.list(1).items();
        const QStringList leftNumbers = quiz.numberList(0).items(), rightNumbers = quiz.numberList(1).items();
        enterPair(quiz, 12, 12);
        quiz.selectRow(2, 0);
        const QString outputBefore = quiz.output();
        const int thumbnailBefore = quiz.thumbnail();
        quiz.dispatch(Quiz::TakeBack);
        QCOMPARE(quiz.list(0).items(), left);
        QCOMPARE(quiz.list(1).items(), right);
        QCOMPARE(quiz.numberList(0).items(), leftNumbers);
        QCOMPARE(quiz.numberList(1).items(), rightNumbers);
        QVERIFY(quiz.list(2).isEmpty());
        QCOMPARE(quiz.list(2).selected(), qsizetype(-1));
        QCOMPARE(quiz.counter(), UiText::pairsLeft(27));
        QCOMPARE(quiz.output(), outputBefore);
        QCOMPARE(quiz.thumbnail(), thumbnailBefore);
    }

    // Three entries; the selected one is taken back and the selection moves as the learner expects.
    void takeBackPosition_data()
    {
        QTest::addColumn<int>("taken");
        QTest::addColumn<int>("selectedAfter");
        QTest::addColumn<QString>("selectedText");
        QTest::newRow("first") << 0 << 0 << u"lege artis извън реда"_s;
        QTest::newRow("middle") << 1 << 1 << u"extra ordinem грешка на паметта"_s;
        QTest::newRow("last") << 2 << 1 << u"lege artis извън реда"_s;
    }
    void takeBackPosition()
    {
        QFETCH(int, taken);
        QFETCH(int, selectedAfter);
        QFETCH(QString, selectedText);
        Quiz quiz(builtInContent());
        quiz.start();
        enterPair(quiz, 1, 1);  // habeas corpus да имаш тялото си
        enterPair(quiz, 2, 3);  // lege artis извън реда
        enterPair(quiz, 3, 4);  // extra ordinem грешка на паметта
        quiz.selectRow(2, taken);
        QSignalSpy verdicts(&quiz, &Quiz::verdictChanged);
        quiz.dispatch(Quiz::TakeBack);
        QCOMPARE(quiz.list(2).count(), qsizetype(2));
        QCOMPARE(quiz.list(2).selected(), qsizetype(selectedAfter));
        QCOMPARE(quiz.list(2).at(selectedAfter), selectedText);
        QCOMPARE(verdicts.count(), 1); // the handling ran once for the new selection
        QCOMPARE(quiz.verdictText(), u"НЕ"_s);
        QCOMPARE(QString::number(quiz.currentItem()), quiz.numberList(2).at(selectedAfter));
        QCOMPARE(quiz.counter(), UiText::pairsLeft(25));
        checkInvariants(quiz);
    }

    // In the middle of taking back, the entered list's handling runs before the counter is written.
    void handlingRunsBeforeCounterInTheMiddle()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        enterPair(quiz, 1, 1);
        enterPair(quiz, 2, 2);
        quiz.selectRow(2, 0);
        QStringList order;
        connect(&quiz, &Quiz::verdictChanged, this, [&] { order << u"verdict"_s; });
        connect(&quiz, &Quiz::counterChanged, this, [&] { order << u"counter"_s; });
        quiz.dispatch(Quiz::TakeBack);
        QCOMPARE(order, (QStringList{u"verdict"_s, u"counter"_s}));
    }

    void learnerSelectionStaysOnItsItem()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        enterPair(quiz, 26, 26); // "currente calamo" sorts first
        quiz.selectRow(0, rowOf(quiz, 0, u"mea culpa"_s));
        quiz.selectRow(1, rowOf(quiz, 1, u"така е"_s));
        quiz.selectRow(2, 0);
        quiz.dispatch(Quiz::TakeBack);
        QCOMPARE(quiz.list(0).at(quiz.list(0).selected()), u"mea culpa"_s);
        QCOMPARE(quiz.list(1).at(quiz.list(1).selected()), u"така е"_s);
        QCOMPARE(quiz.list(0).at(0), u"currente calamo"_s);
        checkInvariants(quiz);
    }

    void restoredMeaningCanBeEnteredAgain()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        enterPair(quiz, 5, 12);
        QCOMPARE(rowOf(quiz, 1, u"вината е моя"_s), qsizetype(-1));
        quiz.selectRow(2, 0);
        quiz.dispatch(Quiz::TakeBack);
        QCOMPARE(rowOf(quiz, 1, u"вината е моя"_s), qsizetype(1));
        enterPair(quiz, 12, 12);
        QCOMPARE(quiz.list(2).items(), QStringList{u"mea culpa вината е моя"_s});
        checkInvariants(quiz);
    }

    void takeBackWithoutSelectionChangesNothing()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        quiz.dispatch(Quiz::TakeBack);
        enterPair(quiz, 1, 1);
        int removed = 0;
        for (int list = 0; list < Quiz::kVisibleLists; ++list)
            connect(&quiz.list(list), &TextList::rowsRemoved, this, [&removed] { ++removed; });
        quiz.dispatch(Quiz::TakeBack);
        QCOMPARE(removed, 0);
        QCOMPARE(quiz.list(2).count(), qsizetype(1));
    }

    // Content that breaks the rule of unique texts must still not lose or duplicate items.
    void repeatedTextsStayConsistent()
    {
        Content c = makeContent(3, 3);
        c.expressions[2] = c.expressions[0];
        c.meanings[1] = c.meanings[0];
        Quiz quiz(c);
        quiz.start();
        for (int i = 0; i < 3; ++i) {
            quiz.selectRow(0, 0);
            quiz.selectRow(1, 0);
            quiz.dispatch(Quiz::Enter);
        }
        QCOMPARE(quiz.list(2).count(), qsizetype(3));
        for (int i = 0; i < 3; ++i) {
            quiz.selectRow(2, 0);
            quiz.dispatch(Quiz::TakeBack);
        }
        QStringList left = quiz.list(0).items(), expected = c.expressions;
        left.sort();
        expected.sort();
        QCOMPARE(left, expected);
        QCOMPARE(quiz.numberList(0).count(), quiz.list(0).count());
        QCOMPARE(quiz.numberList(1).count(), quiz.list(1).count());
    }

    // Taking back updates the number lists in place; after any mix of entries and take-backs they
    // must be exactly what rebuilding them from the visible lists gives, selection included.
    void takeBackNumbersMatchRebuild_data()
    {
        QTest::addColumn<Content>("content");
        QTest::newRow("built-in") << builtInContent();
        QTest::newRow("27 with 30") << makeContent(27, 30);
        Content repeated = makeContent(12, 12);
        repeated.expressions[7] = repeated.expressions[2];
        repeated.expressions[9] = repeated.expressions[2];
        repeated.meanings[5] = repeated.meanings[0];
        QTest::newRow("repeated texts") << repeated;
    }
    void takeBackNumbersMatchRebuild()
    {
        QFETCH(Content, content);
        Quiz quiz(content);
        quiz.start();
        for (int step = 0; step < 60; ++step) {
            // Enter twice as often as taking back, at rows spread over the lists.
            if (step % 3 != 2 && !quiz.list(0).isEmpty() && !quiz.list(1).isEmpty()) {
                quiz.selectRow(0, (step * 7) % quiz.list(0).count());
                quiz.selectRow(1, (step * 5) % quiz.list(1).count());
                quiz.dispatch(Quiz::Enter);
                continue;
            }
            if (quiz.list(2).isEmpty())
                continue;
            quiz.selectRow(2, (step * 3) % quiz.list(2).count());
            quiz.dispatch(Quiz::TakeBack);
            const QStringList left = quiz.numberList(0).items(), right = quiz.numberList(1).items();
            const qsizetype leftSelected = quiz.numberList(0).selected(), rightSelected = quiz.numberList(1).selected();
            QuizSteps::renumber(quiz);
            QCOMPARE(left, quiz.numberList(0).items());
            QCOMPARE(right, quiz.numberList(1).items());
            QCOMPARE(leftSelected, quiz.numberList(0).selected());
            QCOMPARE(rightSelected, quiz.numberList(1).selected());
            checkInvariants(quiz);
        }
    }
};

ZORT_TEST_APPLESS_MAIN(TestPairs)
#include "tst_pairs.moc"
