#include "test_main.h"
#include "test_support.h"
#include "visible_texts.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startupState_data()
    {
        QTest::addColumn<Content>("content");
        QTest::newRow("built-in 27 with 27") << builtInContent();
        QTest::newRow("27 with 30") << makeContent(27, 30);
        QTest::newRow("3 with 5") << makeContent(3, 5);
        QTest::newRow("8 with 8") << makeContent(8, 8);
        QTest::newRow("5 with 3") << makeContent(5, 3);
    }
    void startupState()
    {
        QFETCH(Content, content);
        Quiz quiz(content);
        quiz.start();
        const qsizetype a = content.expressions.size();
        const qsizetype b = content.meanings.size();

        QCOMPARE(quiz.list(0).count(), a);
        QCOMPARE(quiz.list(1).count(), b);
        QVERIFY(quiz.list(2).isEmpty());
        for (int side = 0; side < 2; ++side) {
            const QStringList &items = quiz.list(side).items();
            QVERIFY(std::is_sorted(items.cbegin(), items.cend(), &TextList::lessThan));
            QCOMPARE(quiz.numberList(side).items(), expectedNumbers(quiz, side));
            QCOMPARE(quiz.list(side).selected(), qsizetype(0));
        }
        QStringList numbers;
        for (int k = 1; k <= qMax(a, b); ++k)
            numbers << QString::number(k);
        QCOMPARE(quiz.numberList(4).items(), numbers.mid(0, a));
        QCOMPARE(quiz.numberList(5).items(), numbers.mid(0, b));
        QCOMPARE(QString::number(quiz.pairsToScore()), QString::number(qMin(a, b)));
        QCOMPARE(quiz.output(), content.instructions);
        QCOMPARE(quiz.counter(), UiText::counterAtStart());
        QCOMPARE(quiz.correctPairs(), qint16(0));
        QVERIFY(quiz.isEnabled(Quiz::Enter));
        QVERIFY(quiz.isEnabled(Quiz::TakeBack));
        QVERIFY(!quiz.isEnabled(Quiz::Evaluate));
        QVERIFY(quiz.isEnabled(Quiz::Explain));
        QVERIFY(!quiz.verdictVisible());
        // The first expression in display order is the current item.
        QCOMPARE(QString::number(quiz.currentItem()), quiz.numberList(0).at(0));
    }

    void builtInLayout()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        const WindowLayout &layout = quiz.content().window;
        QCOMPARE(layout.caption, builtInContent().window.caption);
        QCOMPARE(layout.outerWidth, 11250);
        QCOMPARE(layout.listLeft[0], 120);
        QCOMPARE(layout.listWidth[0], 3135);
        QCOMPARE(layout.listLeft[1], 3360);
        QCOMPARE(layout.listWidth[1], 7575);
    }

    void knownMapping()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        const qsizetype left = rowOf(quiz, 0, u"lapsus мемориае"_s);
        const qsizetype right = rowOf(quiz, 1, u"грешка на паметта"_s);
        QCOMPARE(quiz.numberList(0).at(left), u"4"_s);
        QCOMPARE(quiz.numberList(1).at(right), u"4"_s);
        QCOMPARE(quiz.list(0).at(0), u"currente calamo"_s);
        QCOMPARE(quiz.list(1).at(0), u"в границите"_s);
    }

    void mappingRebuiltNotAppended()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        const QStringList left = quiz.numberList(0).items();
        const QStringList right = quiz.numberList(1).items();
        QuizSteps::renumber(quiz);
        QuizSteps::renumber(quiz);
        QCOMPARE(quiz.numberList(0).items(), left);
        QCOMPARE(quiz.numberList(1).items(), right);
    }

    // The rule runs before the clicked action, so the threshold shows one click late.
    void evaluateButtonThreshold_data()
    {
        QTest::addColumn<int>("pairs");
        QTest::addColumn<bool>("enabledAfterEntering");
        QTest::addColumn<bool>("enabledAfterNextClick");
        QTest::newRow("20 pairs") << 20 << false << false;
        QTest::newRow("21 pairs: 21 >= 3*6 only seen at the next click") << 21 << false << true;
        QTest::newRow("22 pairs") << 22 << true << true;
    }
    void evaluateButtonThreshold()
    {
        QFETCH(int, pairs);
        QFETCH(bool, enabledAfterEntering);
        QFETCH(bool, enabledAfterNextClick);
        Quiz quiz(builtInContent());
        quiz.start();
        for (int k = 1; k <= pairs; ++k)
            enterPair(quiz, k, k);
        QCOMPARE(quiz.isEnabled(Quiz::Evaluate), enabledAfterEntering);
        quiz.dispatch(Quiz::TakeBack); // nothing selected in the entered list: only the rule runs
        QCOMPARE(quiz.isEnabled(Quiz::Evaluate), enabledAfterNextClick);
        QCOMPARE(quiz.list(2).count(), qsizetype(pairs));
    }

    void takingBackDisablesAgainAtNextClick()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        for (int k = 1; k <= 22; ++k)
            enterPair(quiz, k, k);
        QVERIFY(quiz.isEnabled(Quiz::Evaluate));
        quiz.selectRow(2, 0);
        quiz.dispatch(Quiz::TakeBack); // 22 >= 15: still enabled, then 21 pairs remain
        quiz.selectRow(2, 0);
        quiz.dispatch(Quiz::TakeBack); // 21 >= 18: enabled, then 20 remain
        QVERIFY(quiz.isEnabled(Quiz::Evaluate));
        quiz.dispatch(Quiz::Enter); // nothing selected: 20 < 21
        QVERIFY(!quiz.isEnabled(Quiz::Evaluate));
    }

    void firstSelectionsRunTheirHandlingOnce()
    {
        Quiz quiz(builtInContent());
        QSignalSpy thumbnails(&quiz, &Quiz::thumbnailChanged);
        QSignalSpy selections(&quiz, &Quiz::selectionChanged);
        quiz.start();
        QCOMPARE(thumbnails.count(), 1); // the left list's handling only; a meaning has no picture
        QCOMPARE(selections.count(), 2);
    }
};

ZORT_TEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
