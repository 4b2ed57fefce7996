#include "test_main.h"
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

void selectExpression(Quiz &quiz, int k)
{
    quiz.selectRow(0, rowOf(quiz, 0, quiz.content().expressions.at(k - 1)));
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void builtInHasNone()
    {
        Quiz quiz(builtInContent());
        quiz.start();
        for (qsizetype row = 0; row < quiz.list(0).count(); ++row) {
            quiz.selectRow(0, row);
            QCOMPARE(quiz.thumbnail(), 0);
            quiz.clickThumbnail();
            QVERIFY(!quiz.pictureWindowVisible());
        }
    }

    void thumbnailFollowsTheCurrentExpression()
    {
        Quiz quiz(contentWithPictures());
        quiz.start();
        selectExpression(quiz, 3);
        QCOMPARE(quiz.thumbnail(), 3);
        quiz.clickThumbnail();
        QVERIFY(quiz.pictureWindowVisible());
        QCOMPARE(quiz.pictureWindowItem(), 3);

        quiz.selectRow(1, 4); // a meaning: neither thumbnail nor window change
        QCOMPARE(quiz.thumbnail(), 3);
        QVERIFY(quiz.pictureWindowVisible());

        selectExpression(quiz, 7); // any refresh hides the window
        QCOMPARE(quiz.thumbnail(), 7);
        QVERIFY(!quiz.pictureWindowVisible());
        quiz.clickThumbnail();
        QCOMPARE(quiz.pictureWindowItem(), 7);

        selectExpression(quiz, 1); // no picture: blank, and a click opens nothing
        QCOMPARE(quiz.thumbnail(), 0);
        QVERIFY(!quiz.pictureWindowVisible());
        quiz.clickThumbnail();
        QVERIFY(!quiz.pictureWindowVisible());
    }

    void enteredPairAndExplanationShowTheExpressionsPicture()
    {
        Quiz quiz(contentWithPictures());
        quiz.start();
        enterPair(quiz, 3, 5);
        enterPair(quiz, 1, 1);
        quiz.selectRow(2, 0);
        QCOMPARE(quiz.thumbnail(), 3);
        quiz.clickThumbnail();
        QVERIFY(quiz.pictureWindowVisible());
        quiz.selectRow(2, 1);
        QCOMPARE(quiz.thumbnail(), 0);
        QVERIFY(!quiz.pictureWindowVisible());
        QuizSteps::explainItem(quiz, 7);
        QCOMPARE(quiz.thumbnail(), 7);
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
        Quiz quiz(contentWithPictures());
        quiz.start();
        enterPair(quiz, 7, 2);
        selectExpression(quiz, explained);
        quiz.selectRow(1, 0);
        quiz.selectRow(2, 0); // the current item is now 7, which has a picture
        QVERIFY(quiz.pressButton(Quiz::Explain));
        QCOMPARE(quiz.currentItem(), qint16(7));
        QCOMPARE(quiz.thumbnail(), opens);
        quiz.clickThumbnail();
        QCOMPARE(quiz.pictureWindowVisible(), opens != 0);
        if (opens)
            QCOMPARE(quiz.pictureWindowItem(), opens);
    }

    void closingTheWindowIsRemembered()
    {
        Quiz quiz(contentWithPictures());
        quiz.start();
        selectExpression(quiz, 3);
        quiz.clickThumbnail();
        QSignalSpy changes(&quiz, &Quiz::pictureWindowChanged);
        quiz.closePictureWindow();
        QVERIFY(!quiz.pictureWindowVisible());
        QCOMPARE(changes.count(), 1);
        quiz.clickThumbnail(); // shows it again for the current item
        QVERIFY(quiz.pictureWindowVisible());
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
        Quiz quiz(c);
        quiz.start();
        QuizSteps::showPicture(quiz, qint16(number == 0 || number == -4 || number >= 31 ? number : 3));
        QCOMPARE(quiz.thumbnail(), thumbnail);
        if (number == 3) {
            selectExpression(quiz, 3);
            quiz.clickThumbnail();
            QCOMPARE(quiz.pictureWindowVisible(), opens);
        }
    }

    void currentItemWithoutEntryOpensNothing()
    {
        Content c = makeContent(35, 35);
        for (int k = 1; k < c.pictureFlags.size(); ++k)
            c.pictureFlags[k] = u"1"_s;
        Quiz quiz(c);
        quiz.start();
        selectExpression(quiz, 33);
        QCOMPARE(quiz.currentItem(), qint16(33));
        QCOMPARE(quiz.thumbnail(), 0);
        quiz.clickThumbnail();
        QVERIFY(!quiz.pictureWindowVisible());
    }
};

ZORT_TEST_APPLESS_MAIN(TestPictures)
#include "tst_pictures.moc"
