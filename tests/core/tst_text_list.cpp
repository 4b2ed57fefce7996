#include "test_main.h"
#include "core/text_list.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTextList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortedOrderIgnoresCase_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Latin, letter case ignored")
            << QStringList{u"beta"_s, u"Alpha"_s, u"gamma"_s, u"Delta"_s}
            << QStringList{u"Alpha"_s, u"beta"_s, u"Delta"_s, u"gamma"_s};
        QTest::newRow("Bulgarian alphabet")
            << QStringList{u"ябълка"_s, u"щука"_s, u"ъгъл"_s, u"юг"_s, u"ь"_s, u"Жаба"_s, u"а"_s}
            << QStringList{u"а"_s, u"Жаба"_s, u"щука"_s, u"ъгъл"_s, u"ь"_s, u"юг"_s, u"ябълка"_s};
        QTest::newRow("Latin before Cyrillic, blank before letters")
            << QStringList{u"от нищо"_s, u"о времена"_s, u"lapsus мемориае"_s, u"lapsus m"_s}
            << QStringList{u"lapsus m"_s, u"lapsus мемориае"_s, u"о времена"_s, u"от нищо"_s};
        QTest::newRow("equal texts keep their order of arrival")
            << QStringList{u"Mea"_s, u"mea"_s, u"MEA"_s}
            << QStringList{u"Mea"_s, u"mea"_s, u"MEA"_s};
        QTest::newRow("equals between others")
            << QStringList{u"b"_s, u"A"_s, u"B"_s, u"c"_s, u"a"_s, u"b"_s}
            << QStringList{u"A"_s, u"a"_s, u"b"_s, u"B"_s, u"b"_s, u"c"_s};
    }
    void sortedOrderIgnoresCase()
    {
        QFETCH(QStringList, added);
        QFETCH(QStringList, expected);
        TextList list(true);
        for (const QString &text : added)
            list.add(text);
        QCOMPARE(list.items(), expected);

        // All at once, into an empty list and into one that already holds the first text.
        TextList bulk(true);
        bulk.addAll(added);
        QCOMPARE(bulk.items(), expected);
        TextList rest(true);
        rest.add(added.first());
        rest.addAll(added.mid(1));
        QCOMPARE(rest.items(), expected);
    }

    void selectionFollowsItsItem()
    {
        TextList list(true);
        for (const QString &text : {u"b"_s, u"d"_s, u"f"_s})
            list.add(text);
        list.setSelected(1); // "d"
        list.add(u"a"_s);
        QCOMPARE(list.at(list.selected()), u"d"_s);
        list.add(u"z"_s);
        QCOMPARE(list.at(list.selected()), u"d"_s);
        list.removeAt(0);
        QCOMPARE(list.at(list.selected()), u"d"_s);
        list.removeAt(list.selected());
        QCOMPARE(list.selected(), qsizetype(-1));
    }

    void outOfRangeIsHarmless()
    {
        TextList list;
        list.add(u"x"_s);
        list.setSelected(5);
        QCOMPARE(list.selected(), qsizetype(-1));
        list.removeAt(3);
        list.removeAt(-1);
        QCOMPARE(list.count(), qsizetype(1));
        QCOMPARE(list.at(-1), QString());
        QCOMPARE(list.at(1), QString());
    }
};

ZORT_TEST_APPLESS_MAIN(TestTextList)
#include "tst_text_list.moc"
