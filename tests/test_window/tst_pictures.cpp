#include "test_support.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Built-in texts with a picture on item 3 ("extra ordinem") and item 7 ("honorabilis").
Content contentWithPictures()
{
    Content c = builtInContent();
    c.pictureFlags[3] = u"1"_s;
    c.pictureFlags[7] = u"2"_s;
    c.pictures[2] = u":/pictures/three.png"_s;
    c.pictures[6] = u":/pictures/seven.png"_s;
    return c;
}

void selectExpression(Zort &zort, int k)
{
    zort.selectSlowo(0, rowOf(zort, 0, zort.content().expressions.at(k - 1)));
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void builtInHasNone()
    {
        Zort zort(builtInContent());
        zort.Form_Load();
        for (qsizetype row = 0; row < zort.slowo(0).count(); ++row) {
            zort.selectSlowo(0, row);
            QCOMPARE(zort.thumbnail(), 0);
            zort.Grafika_Click();
            QVERIFY(!zort.pictureWindowVisible());
        }
    }

    void thumbnailFollowsTheCurrentExpression()
    {
        Zort zort(contentWithPictures());
        zort.Form_Load();
        selectExpression(zort, 3);
        QCOMPARE(zort.thumbnail(), 3);
        zort.Grafika_Click();
        QVERIFY(zort.pictureWindowVisible());
        QCOMPARE(zort.pictureWindowItem(), 3);

        zort.selectSlowo(1, 4); // a meaning: neither thumbnail nor window change
        QCOMPARE(zort.thumbnail(), 3);
        QVERIFY(zort.pictureWindowVisible());

        selectExpression(zort, 7); // any refresh hides the window
        QCOMPARE(zort.thumbnail(), 7);
        QVERIFY(!zort.pictureWindowVisible());
        zort.Grafika_Click();
        QCOMPARE(zort.pictureWindowItem(), 7);

        selectExpression(zort, 1); // no picture: blank, and a click opens nothing
        QCOMPARE(zort.thumbnail(), 0);
        QVERIFY(!zort.pictureWindowVisible());
        zort.Grafika_Click();
        QVERIFY(!zort.pictureWindowVisible());
    }

    void enteredPairAndExplanationShowTheExpressionsPicture()
    {
        Zort zort(contentWithPictures());
        zort.Form_Load();
        enterPair(zort, 3, 5);
        enterPair(zort, 1, 1);
        zort.selectSlowo(2, 0);
        QCOMPARE(zort.thumbnail(), 3);
        zort.Grafika_Click();
        QVERIFY(zort.pictureWindowVisible());
        zort.selectSlowo(2, 1);
        QCOMPARE(zort.thumbnail(), 0);
        QVERIFY(!zort.pictureWindowVisible());
        ZortSteps::Obqsni_element(zort, 7);
        QCOMPARE(zort.thumbnail(), 7);
    }

    // Before the evaluation "Обясни" explains the selected expression, which need not be the current
    // item (an entered pair was selected last): the click opens the picture shown, or nothing.
    void thumbnailClickOpensThePictureShown_data()
    {
        QTest::addColumn<int>("explained");
        QTest::addColumn<int>("opens"); // 0: nothing
        QTest::newRow("explained item has a picture") << 3 << 3;
        QTest::newRow("explained item has none") << 1 << 0;
    }
    void thumbnailClickOpensThePictureShown()
    {
        QFETCH(int, explained);
        QFETCH(int, opens);
        Zort zort(contentWithPictures());
        zort.Form_Load();
        enterPair(zort, 7, 2);
        selectExpression(zort, explained);
        zort.selectSlowo(1, 0);
        zort.selectSlowo(2, 0); // the current item is now 7, which has a picture
        QVERIFY(zort.pressButton(Zort::Obqsni));
        QCOMPARE(zort.tekushtNomer(), qint16(7));
        QCOMPARE(zort.thumbnail(), opens);
        zort.Grafika_Click();
        QCOMPARE(zort.pictureWindowVisible(), opens != 0);
        if (opens)
            QCOMPARE(zort.pictureWindowItem(), opens);
    }

    void closingTheWindowIsRemembered()
    {
        Zort zort(contentWithPictures());
        zort.Form_Load();
        selectExpression(zort, 3);
        zort.Grafika_Click();
        QSignalSpy changes(&zort, &Zort::pictureWindowChanged);
        zort.closePictureWindow();
        QVERIFY(!zort.pictureWindowVisible());
        QCOMPARE(changes.count(), 1);
        zort.Grafika_Click(); // shows it again for the current item
        QVERIFY(zort.pictureWindowVisible());
    }

    // Flags that are not numbers and content numbers without a flag entry mean no picture.
    void flagsAndNumbersOutOfRange_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("thumbnail");
        QTest::addColumn<bool>("opens");
        QTest::newRow("non-numeric flag") << u"да"_s << 3 << 0 << false;
        QTest::newRow("empty flag") << QString() << 3 << 0 << false;
        QTest::newRow("huge flag") << u"123456789"_s << 3 << 3 << true;
        QTest::newRow("negative flag: shown, never opened") << u"-1"_s << 3 << 3 << false;
        QTest::newRow("zero: the heading is no flag") << u"1"_s << 0 << 0 << false;
        QTest::newRow("negative number") << u"1"_s << -4 << 0 << false;
        QTest::newRow("above 30") << u"1"_s << 31 << 0 << false;
        QTest::newRow("far above 30") << u"1"_s << 32000 << 0 << false;
    }
    void flagsAndNumbersOutOfRange()
    {
        QFETCH(QString, flag);
        QFETCH(int, number);
        QFETCH(int, thumbnail);
        QFETCH(bool, opens);
        Content c = makeContent(40, 40);
        c.pictureFlags[3] = flag;
        Zort zort(c);
        zort.Form_Load();
        ZortSteps::Pokazhi_grafika(zort, qint16(number == 0 || number == -4 || number >= 31 ? number : 3));
        QCOMPARE(zort.thumbnail(), thumbnail);
        if (number == 3) {
            selectExpression(zort, 3);
            zort.Grafika_Click();
            QCOMPARE(zort.pictureWindowVisible(), opens);
        }
    }

    void currentItemWithoutEntryOpensNothing()
    {
        Content c = makeContent(35, 35);
        for (int k = 1; k < c.pictureFlags.size(); ++k)
            c.pictureFlags[k] = u"1"_s;
        Zort zort(c);
        zort.Form_Load();
        selectExpression(zort, 33);
        QCOMPARE(zort.tekushtNomer(), qint16(33));
        QCOMPARE(zort.thumbnail(), 0);
        zort.Grafika_Click();
        QVERIFY(!zort.pictureWindowVisible());
    }
};

QTEST_APPLESS_MAIN(TestPictures)
#include "tst_pictures.moc"
