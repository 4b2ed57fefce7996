#include "test_support.h"

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
        Zort zort(content);
        zort.Form_Load();
        const qsizetype a = content.expressions.size();
        const qsizetype b = content.meanings.size();

        QCOMPARE(zort.slowo(0).count(), a);
        QCOMPARE(zort.slowo(1).count(), b);
        QVERIFY(zort.slowo(2).isEmpty());
        for (int side = 0; side < 2; ++side) {
            const QStringList &items = zort.slowo(side).items();
            QVERIFY(std::is_sorted(items.cbegin(), items.cend(), &TextList::lessThan));
            QCOMPARE(zort.dumN(side).items(), expectedNumbers(zort, side));
            QCOMPARE(zort.slowo(side).selected(), qsizetype(0));
        }
        QStringList numbers;
        for (int k = 1; k <= qMax(a, b); ++k)
            numbers << QString::number(k);
        QCOMPARE(zort.dumN(4).items(), numbers.mid(0, a));
        QCOMPARE(zort.dumN(5).items(), numbers.mid(0, b));
        QCOMPARE(QString::number(zort.nastroiki()), QString::number(qMin(a, b)));
        QCOMPARE(zort.output(), content.instructions);
        QCOMPARE(zort.counter(), u"Оставащи:"_s);
        QCOMPARE(zort.brojWerni(), qint16(0));
        QVERIFY(zort.isEnabled(Zort::Izbrah));
        QVERIFY(zort.isEnabled(Zort::Wyrni));
        QVERIFY(!zort.isEnabled(Zort::Oceni));
        QVERIFY(zort.isEnabled(Zort::Obqsni));
        QVERIFY(!zort.verdictVisible());
        // The first expression in display order is the current item.
        QCOMPARE(QString::number(zort.tekushtNomer()), zort.dumN(0).at(0));
    }

    void builtInLayout()
    {
        Zort zort(builtInContent());
        zort.Form_Load();
        const WindowLayout &layout = zort.content().window;
        QCOMPARE(layout.caption, builtInContent().window.caption);
        QCOMPARE(layout.outerWidth, 11250);
        QCOMPARE(layout.listLeft[0], 120);
        QCOMPARE(layout.listWidth[0], 3135);
        QCOMPARE(layout.listLeft[1], 3360);
        QCOMPARE(layout.listWidth[1], 7575);
    }

    void knownMapping()
    {
        Zort zort(builtInContent());
        zort.Form_Load();
        const qsizetype left = rowOf(zort, 0, u"lapsus мемориае"_s);
        const qsizetype right = rowOf(zort, 1, u"грешка на паметта"_s);
        QCOMPARE(zort.dumN(0).at(left), u"4"_s);
        QCOMPARE(zort.dumN(1).at(right), u"4"_s);
        QCOMPARE(zort.slowo(0).at(0), u"currente calamo"_s);
        QCOMPARE(zort.slowo(1).at(0), u"в границите"_s);
    }

    void mappingRebuiltNotAppended()
    {
        Zort zort(builtInContent());
        zort.Form_Load();
        const QStringList left = zort.dumN(0).items();
        const QStringList right = zort.dumN(1).items();
        ZortSteps::Opredeli_nomera(zort);
        ZortSteps::Opredeli_nomera(zort);
        QCOMPARE(zort.dumN(0).items(), left);
        QCOMPARE(zort.dumN(1).items(), right);
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
        Zort zort(builtInContent());
        zort.Form_Load();
        for (int k = 1; k <= pairs; ++k)
            enterPair(zort, k, k);
        QCOMPARE(zort.isEnabled(Zort::Oceni), enabledAfterEntering);
        zort.Uprawl_Click(Zort::Wyrni); // nothing selected in the entered list: only the rule runs
        QCOMPARE(zort.isEnabled(Zort::Oceni), enabledAfterNextClick);
        QCOMPARE(zort.slowo(2).count(), qsizetype(pairs));
    }

    void takingBackDisablesAgainAtNextClick()
    {
        Zort zort(builtInContent());
        zort.Form_Load();
        for (int k = 1; k <= 22; ++k)
            enterPair(zort, k, k);
        QVERIFY(zort.isEnabled(Zort::Oceni));
        zort.selectSlowo(2, 0);
        zort.Uprawl_Click(Zort::Wyrni); // 22 >= 15: still enabled, then 21 pairs remain
        zort.selectSlowo(2, 0);
        zort.Uprawl_Click(Zort::Wyrni); // 21 >= 18: enabled, then 20 remain
        QVERIFY(zort.isEnabled(Zort::Oceni));
        zort.Uprawl_Click(Zort::Izbrah); // nothing selected: 20 < 21
        QVERIFY(!zort.isEnabled(Zort::Oceni));
    }

    void firstSelectionsRunTheirHandlingOnce()
    {
        Zort zort(builtInContent());
        QSignalSpy thumbnails(&zort, &Zort::thumbnailChanged);
        QSignalSpy selections(&zort, &Zort::selectionChanged);
        zort.Form_Load();
        QCOMPARE(thumbnails.count(), 1); // the left list's handling only; a meaning has no picture
        QCOMPARE(selections.count(), 2);
    }
};

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
