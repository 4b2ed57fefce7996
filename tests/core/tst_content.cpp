#include "test_main.h"
#include "core/content.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestContent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pairsByContentNumber_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("meaning");
        QTest::newRow("1") << 1 << u"habeas corpus"_s << u"да имаш тялото си"_s;
        QTest::newRow("2") << 2 << u"lege artis"_s << u"според закона на изкуството (съвършено)"_s;
        QTest::newRow("4, Cyrillic second word") << 4 << u"lapsus \u043c\u0435\u043c\u043e\u0440\u0438\u0430\u0435"_s
                                                 << u"грешка на паметта"_s;
        QTest::newRow("12") << 12 << u"mea culpa"_s << u"вината е моя"_s;
        QTest::newRow("20") << 20 << u"qualis artifex pereo"_s << u"какъв артист загивам - Нерон"_s;
        QTest::newRow("25") << 25 << u"scripta manent, verba volant"_s << u"думите отлитат, написаното остава"_s;
        QTest::newRow("27") << 27 << u"gloria victis"_s << u"слава на победените"_s;
    }
    void pairsByContentNumber()
    {
        QFETCH(int, number);
        QFETCH(QString, expression);
        QFETCH(QString, meaning);
        const Content &c = builtInContent();
        QCOMPARE(c.expressions.at(number - 1), expression);
        QCOMPARE(c.meanings.at(number - 1), meaning);
    }

    void everyTextOccursOnce()
    {
        const Content &c = builtInContent();
        QCOMPARE(c.expressions.size(), 27);
        QCOMPARE(c.meanings.size(), 27);
        QCOMPARE(QSet<QString>(c.expressions.cbegin(), c.expressions.cend()).size(), 27);
        QCOMPARE(QSet<QString>(c.meanings.cbegin(), c.meanings.cend()).size(), 27);
    }

    void layoutRecord()
    {
        const WindowLayout &layout = builtInContent().window;
        QVERIFY(layout.caption.endsWith(u" ZORT  по VUD - латински изрази"_s));
        QVERIFY(!layout.caption.startsWith(u' '));
        QCOMPARE(layout.outerWidth, 11250);
        QCOMPARE(layout.listLeft, (std::array<qint32, 2>{120, 3360}));
        QCOMPARE(layout.listWidth, (std::array<qint32, 2>{3135, 7575}));
    }

    void explanationTables()
    {
        const Content &c = builtInContent();
        QCOMPARE(c.flags.size(), 42);
        QCOMPARE(c.flags.at(0), u"Ima li obqsneniq"_s);
        QCOMPARE(c.flags.mid(1), QStringList(41, u"0"_s));
        // The quiz file gives no explanation lines; the never-shown filler lines are gone with the
        // hand-written table.
        for (int k = 1; k <= 41; ++k)
            QVERIFY(c.linesOf(k).isEmpty());
        QVERIFY(c.linesOf(0).isEmpty());
        QVERIFY(c.linesOf(31).isEmpty());
    }

    void instructionText()
    {
        const QString &text = builtInContent().instructions;
        QVERIFY(text.endsWith(u"\r\n"_s));
        const QStringList lines = text.chopped(2).split(u"\r\n"_s);
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines.at(0), u"Това е релационен тест."_s);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(lines.at(i).endsWith(u' '), i == 1 || i == 3 || i == 5);
        QCOMPARE(text.count(u'\n'), text.count(u'\r'));
        QCOMPARE(lines.at(6), u"брой верни комбинации. Липсата на комбинация се отчита като грешен отговор"_s);
    }

    void noPictures()
    {
        const Content &c = builtInContent();
        QCOMPARE(c.pictureFlags.size(), 31);
        QCOMPARE(c.pictureFlags.at(0), u"Utochnenie dali ima grafika - 30 br"_s);
        QCOMPARE(c.pictureFlags.mid(1), QStringList(30, u"0"_s));
        for (int k = 0; k <= 31; ++k)
            QVERIFY(c.pictureOf(k).isEmpty());
    }
};

ZORT_TEST_APPLESS_MAIN(TestContent)
#include "tst_content.moc"
