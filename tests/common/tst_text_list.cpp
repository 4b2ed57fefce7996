#include "common/text_list.h"

#include <QTest>

class TestTextList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortedOrderIgnoresCase_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Latin, letter case ignored")
            << QStringList{u"beta"_qs, u"Alpha"_qs, u"gamma"_qs, u"Delta"_qs}
            << QStringList{u"Alpha"_qs, u"beta"_qs, u"Delta"_qs, u"gamma"_qs};
        QTest::newRow("Bulgarian alphabet")
            << QStringList{u"ябълка"_qs, u"щука"_qs, u"ъгъл"_qs, u"юг"_qs, u"ь"_qs, u"Жаба"_qs, u"а"_qs}
            << QStringList{u"а"_qs, u"Жаба"_qs, u"щука"_qs, u"ъгъл"_qs, u"ь"_qs, u"юг"_qs, u"ябълка"_qs};
        QTest::newRow("Latin before Cyrillic, blank before letters")
            << QStringList{u"от нищо"_qs, u"о времена"_qs, u"lapsus мемориае"_qs, u"lapsus m"_qs}
            << QStringList{u"lapsus m"_qs, u"lapsus мемориае"_qs, u"о времена"_qs, u"от нищо"_qs};
        QTest::newRow("equal texts keep their order of arrival")
            << QStringList{u"Mea"_qs, u"mea"_qs, u"MEA"_qs}
            << QStringList{u"Mea"_qs, u"mea"_qs, u"MEA"_qs};
        QTest::newRow("equals between others")
            << QStringList{u"b"_qs, u"A"_qs, u"B"_qs, u"c"_qs, u"a"_qs, u"b"_qs}
            << QStringList{u"A"_qs, u"a"_qs, u"b"_qs, u"B"_qs, u"b"_qs, u"c"_qs};
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
        for (const QString &text : {u"b"_qs, u"d"_qs, u"f"_qs})
            list.add(text);
        list.setSelected(1); // "d"
        list.add(u"a"_qs);
        QCOMPARE(list.at(list.selected()), u"d"_qs);
        list.add(u"z"_qs);
        QCOMPARE(list.at(list.selected()), u"d"_qs);
        list.removeAt(0);
        QCOMPARE(list.at(list.selected()), u"d"_qs);
        list.removeAt(list.selected());
        QCOMPARE(list.selected(), qsizetype(-1));
    }

    void outOfRangeIsHarmless()
    {
        TextList list;
        list.add(u"x"_qs);
        list.setSelected(5);
        QCOMPARE(list.selected(), qsizetype(-1));
        list.removeAt(3);
        list.removeAt(-1);
        QCOMPARE(list.count(), qsizetype(1));
        QCOMPARE(list.at(-1), QString());
        QCOMPARE(list.at(1), QString());
    }
};

QTEST_APPLESS_MAIN(TestTextList)
#include "tst_text_list.moc"
