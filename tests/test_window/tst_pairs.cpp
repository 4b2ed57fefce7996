#include "test_support.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Every content item in exactly one place, and the hidden lists parallel to the visible ones.
void checkInvariants(const Zort &zort)
{
    QCOMPARE(zort.dumN(0).items(), expectedNumbers(zort, 0));
    QCOMPARE(zort.dumN(1).items(), expectedNumbers(zort, 1));
    QCOMPARE(zort.dumN(2).count(), zort.slowo(2).count());
    QCOMPARE(zort.dumN(3).count(), zort.slowo(2).count());
    const Content &c = zort.content();
    QStringList left = zort.slowo(0).items();
    QStringList right = zort.slowo(1).items();
    const Zort::NumberList numbers2 = zort.dumN(2), numbers3 = zort.dumN(3);
    for (qsizetype r = 0; r < zort.slowo(2).count(); ++r) {
        const QString expression = c.expressions.at(numbers2.at(r).toInt() - 1);
        const QString meaning = c.meanings.at(numbers3.at(r).toInt() - 1);
        QCOMPARE(zort.slowo(2).at(r), expression + u' ' + meaning);
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
        Zort zort(builtInContent());
        zort.Form_Load();
        enterPair(zort, 12, 3);
        QCOMPARE(zort.slowo(2).items(), QStringList{u"mea culpa извън реда"_s});
        QCOMPARE(zort.dumN(2).items(), QStringList{u"12"_s});
        QCOMPARE(zort.dumN(3).items(), QStringList{u"3"_s});
        QCOMPARE(zort.slowo(0).count(), qsizetype(26));
        QCOMPARE(zort.slowo(1).count(), qsizetype(26));
        QVERIFY(!zort.slowo(0).hasSelection());
        QVERIFY(!zort.slowo(1).hasSelection());
        QCOMPARE(zort.counter(), u"Остават: 26"_s);
        checkInvariants(zort);
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
        Zort zort(builtInContent());
        zort.Form_Load();
        zort.selectSlowo(0, left ? 3 : -1);
        zort.selectSlowo(1, right ? 3 : -1);
        QSignalSpy counter(&zort, &Zort::counterChanged);
        zort.Uprawl_Click(Zort::Izbrah);
        QVERIFY(zort.slowo(2).isEmpty());
        QCOMPARE(zort.slowo(0).count(), qsizetype(27));
        QCOMPARE(zort.counter(), u"Оставащи:"_s);
        QCOMPARE(counter.count(), 0);
    }

    void moreMeaningsThanExpressions()
    {
        Zort zort(makeContent(27, 30));
        zort.Form_Load();
        enterPair(zort, 1, 1);
        QCOMPARE(zort.counter(), u"Остават: 26"_s);
        for (int k = 2; k <= 27; ++k)
            enterPair(zort, k, k + 3);
        QCOMPARE(zort.counter(), u"Остават: 0"_s);
        QCOMPARE(zort.slowo(1).count(), qsizetype(3));
        zort.selectSlowo(1, 0);
        zort.Uprawl_Click(Zort::Izbrah);
        QCOMPARE(zort.slowo(2).count(), qsizetype(27));
        checkInvariants(zort);
    }

    void selectionRunsHandlingOnceAndNotAgain()
    {
        Zort zort(builtInContent());
        zort.Form_Load();
        QSignalSpy thumbnails(&zort, &Zort::thumbnailChanged);
        zort.selectSlowo(0, 5);
        QCOMPARE(thumbnails.count(), 1);
        QCOMPARE(zort.dumN(0).selected(), qsizetype(5));
        QCOMPARE(QString::number(zort.tekushtNomer()), zort.dumN(0).at(5));
        zort.selectSlowo(0, 5); // already selected: nothing runs
        QCOMPARE(thumbnails.count(), 1);
        const qint16 current = zort.tekushtNomer();
        zort.selectSlowo(1, 7); // a meaning has no picture and is not the current item
        QCOMPARE(thumbnails.count(), 1);
        QCOMPARE(zort.tekushtNomer(), current);
        QCOMPARE(zort.dumN(1).selected(), qsizetype(7));
    }

    void enteredPairSelectionSetsHiddenVerdict()
    {
        Zort zort(builtInContent());
        zort.Form_Load();
        enterPair(zort, 1, 1);
        enterPair(zort, 2, 5);
        zort.selectSlowo(2, 1);
        QCOMPARE(zort.output(), QString());
        QCOMPARE(zort.tekushtNomer(), qint16(2));
        QCOMPARE(zort.verdictText(), u"НЕ"_s);
        QCOMPARE(zort.verdictColour(), Zort::kRed);
        QVERIFY(!zort.verdictVisible());
        zort.selectSlowo(2, 0);
        QCOMPARE(zort.verdictText(), u"ДА"_s);
        QCOMPARE(zort.verdictColour(), Zort::kGreen);
        QVERIFY(!zort.verdictVisible());
    }

    void takeBackOnlyPair()
    {
        Zort zort(builtInContent());
        zort.Form_Load();
        const QStringList left = zort.slowo(0).items(), right = zort.slowo(1).items();
        const QStringList leftNumbers = zort.dumN(0).items(), rightNumbers = zort.dumN(1).items();
        enterPair(zort, 12, 12);
        zort.selectSlowo(2, 0);
        const QString outputBefore = zort.output();
        const int thumbnailBefore = zort.thumbnail();
        zort.Uprawl_Click(Zort::Wyrni);
        QCOMPARE(zort.slowo(0).items(), left);
        QCOMPARE(zort.slowo(1).items(), right);
        QCOMPARE(zort.dumN(0).items(), leftNumbers);
        QCOMPARE(zort.dumN(1).items(), rightNumbers);
        QVERIFY(zort.slowo(2).isEmpty());
        QCOMPARE(zort.slowo(2).selected(), qsizetype(-1));
        QCOMPARE(zort.counter(), u"Остават: 27"_s);
        QCOMPARE(zort.output(), outputBefore);
        QCOMPARE(zort.thumbnail(), thumbnailBefore);
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
        Zort zort(builtInContent());
        zort.Form_Load();
        enterPair(zort, 1, 1);  // habeas corpus да имаш тялото си
        enterPair(zort, 2, 3);  // lege artis извън реда
        enterPair(zort, 3, 4);  // extra ordinem грешка на паметта
        zort.selectSlowo(2, taken);
        QSignalSpy verdicts(&zort, &Zort::verdictChanged);
        zort.Uprawl_Click(Zort::Wyrni);
        QCOMPARE(zort.slowo(2).count(), qsizetype(2));
        QCOMPARE(zort.slowo(2).selected(), qsizetype(selectedAfter));
        QCOMPARE(zort.slowo(2).at(selectedAfter), selectedText);
        QCOMPARE(verdicts.count(), 1); // the handling ran once for the new selection
        QCOMPARE(zort.verdictText(), u"НЕ"_s);
        QCOMPARE(QString::number(zort.tekushtNomer()), zort.dumN(2).at(selectedAfter));
        QCOMPARE(zort.counter(), u"Остават: 25"_s);
        checkInvariants(zort);
    }

    // In the middle of taking back, the entered list's handling runs before the counter is written.
    void handlingRunsBeforeCounterInTheMiddle()
    {
        Zort zort(builtInContent());
        zort.Form_Load();
        enterPair(zort, 1, 1);
        enterPair(zort, 2, 2);
        zort.selectSlowo(2, 0);
        QStringList order;
        connect(&zort, &Zort::verdictChanged, this, [&] { order << u"verdict"_s; });
        connect(&zort, &Zort::counterChanged, this, [&] { order << u"counter"_s; });
        zort.Uprawl_Click(Zort::Wyrni);
        QCOMPARE(order, (QStringList{u"verdict"_s, u"counter"_s}));
    }

    void learnerSelectionStaysOnItsItem()
    {
        Zort zort(builtInContent());
        zort.Form_Load();
        enterPair(zort, 26, 26); // "currente calamo" sorts first
        zort.selectSlowo(0, rowOf(zort, 0, u"mea culpa"_s));
        zort.selectSlowo(1, rowOf(zort, 1, u"така е"_s));
        zort.selectSlowo(2, 0);
        zort.Uprawl_Click(Zort::Wyrni);
        QCOMPARE(zort.slowo(0).at(zort.slowo(0).selected()), u"mea culpa"_s);
        QCOMPARE(zort.slowo(1).at(zort.slowo(1).selected()), u"така е"_s);
        QCOMPARE(zort.slowo(0).at(0), u"currente calamo"_s);
        checkInvariants(zort);
    }

    void restoredMeaningCanBeEnteredAgain()
    {
        Zort zort(builtInContent());
        zort.Form_Load();
        enterPair(zort, 5, 12);
        QCOMPARE(rowOf(zort, 1, u"вината е моя"_s), qsizetype(-1));
        zort.selectSlowo(2, 0);
        zort.Uprawl_Click(Zort::Wyrni);
        QCOMPARE(rowOf(zort, 1, u"вината е моя"_s), qsizetype(1));
        enterPair(zort, 12, 12);
        QCOMPARE(zort.slowo(2).items(), QStringList{u"mea culpa вината е моя"_s});
        checkInvariants(zort);
    }

    void takeBackWithoutSelectionChangesNothing()
    {
        Zort zort(builtInContent());
        zort.Form_Load();
        zort.Uprawl_Click(Zort::Wyrni);
        enterPair(zort, 1, 1);
        int removed = 0;
        for (int list = 0; list < Zort::kVisibleLists; ++list)
            connect(&zort.slowo(list), &TextList::rowsRemoved, this, [&removed] { ++removed; });
        zort.Uprawl_Click(Zort::Wyrni);
        QCOMPARE(removed, 0);
        QCOMPARE(zort.slowo(2).count(), qsizetype(1));
    }

    // Content that breaks the rule of unique texts must still not lose or duplicate items.
    void repeatedTextsStayConsistent()
    {
        Content c = makeContent(3, 3);
        c.expressions[2] = c.expressions[0];
        c.meanings[1] = c.meanings[0];
        Zort zort(c);
        zort.Form_Load();
        for (int i = 0; i < 3; ++i) {
            zort.selectSlowo(0, 0);
            zort.selectSlowo(1, 0);
            zort.Uprawl_Click(Zort::Izbrah);
        }
        QCOMPARE(zort.slowo(2).count(), qsizetype(3));
        for (int i = 0; i < 3; ++i) {
            zort.selectSlowo(2, 0);
            zort.Uprawl_Click(Zort::Wyrni);
        }
        QStringList left = zort.slowo(0).items(), expected = c.expressions;
        left.sort();
        expected.sort();
        QCOMPARE(left, expected);
        QCOMPARE(zort.dumN(0).count(), zort.slowo(0).count());
        QCOMPARE(zort.dumN(1).count(), zort.slowo(1).count());
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
        Zort zort(content);
        zort.Form_Load();
        for (int step = 0; step < 60; ++step) {
            // Enter twice as often as taking back, at rows spread over the lists.
            if (step % 3 != 2 && !zort.slowo(0).isEmpty() && !zort.slowo(1).isEmpty()) {
                zort.selectSlowo(0, (step * 7) % zort.slowo(0).count());
                zort.selectSlowo(1, (step * 5) % zort.slowo(1).count());
                zort.Uprawl_Click(Zort::Izbrah);
                continue;
            }
            if (zort.slowo(2).isEmpty())
                continue;
            zort.selectSlowo(2, (step * 3) % zort.slowo(2).count());
            zort.Uprawl_Click(Zort::Wyrni);
            const QStringList left = zort.dumN(0).items(), right = zort.dumN(1).items();
            const qsizetype leftSelected = zort.dumN(0).selected(), rightSelected = zort.dumN(1).selected();
            ZortSteps::Opredeli_nomera(zort);
            QCOMPARE(left, zort.dumN(0).items());
            QCOMPARE(right, zort.dumN(1).items());
            QCOMPARE(leftSelected, zort.dumN(0).selected());
            QCOMPARE(rightSelected, zort.dumN(1).selected());
            checkInvariants(zort);
        }
    }
};

QTEST_APPLESS_MAIN(TestPairs)
#include "tst_pairs.moc"
