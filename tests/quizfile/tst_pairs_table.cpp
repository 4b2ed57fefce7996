#include "test_main.h"
#include "quizfile/pairs_table.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Tables as teachers bring them: the separator taken from the whole table, tab lists read as
// plain lines, and a heading row that was forgotten or given.
class TestPairsTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<char>("delimiter");
        QTest::addColumn<bool>("header");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("expression");    // of the first row read
        QTest::addColumn<QString>("meaning");
        QTest::addColumn<QList<int>>("problemLines");
        QTest::addColumn<QStringList>("said");      // each in some note or problem
        QTest::addColumn<bool>("headingWarned");

        const QList<int> none;
        QTest::newRow("tabs: quotes are text")
            << QByteArray("hello\tздравей; казвам \"здрасти\"\nbye\t\"чао\n")
            << '\0' << false << 2 << u"hello"_s << u"здравей; казвам \"здрасти\""_s << none
            << QStringList{u"separated by tabs: all 2 rows have 2 columns"_s, u"the first pair is line 1: \"hello\""_s} << false;
        QTest::newRow("tabs: a cell wholly quoted as a spreadsheet saves it")
            << QByteArray("\"say \"\"hi\"\"\"\t\"Рим, Италия\"\n") << '\0' << false << 1
            << u"say \"hi\""_s << u"Рим, Италия"_s << none << QStringList() << false;
        QTest::newRow("tabs: a quote inside stays")
            << QByteArray("\"a\" b\t\"\"\"\n") << '\0' << false << 1 << u"\"a\" b"_s << u"\"\"\""_s << none << QStringList() << false;
        QTest::newRow("tabs, CR LF")
            << QByteArray("a\tb\r\nc\td\r\n") << '\0' << false << 2 << u"a"_s << u"b"_s << none << QStringList() << false;
        QTest::newRow("semicolons, a quoted comma on the first line")
            << QByteArray("\"Рим, Италия\";Рим\nАтина, Гърция;Атина\nСофия, България;София\n")
            << '\0' << false << 3 << u"Рим, Италия"_s << u"Рим"_s << none
            << QStringList{u"separated by semicolons (;): all 3 rows have 2 columns"_s} << false;
        QTest::newRow("spaces for a tab on the first line")
            << QByteArray("hello   здравей\nbye\tчао\nyes\tда\n") << '\0' << false << 2 << u"bye"_s << u"чао"_s << QList<int>{1}
            << QStringList{u"separated by tabs: 2 of 3 rows have 2 columns"_s, u"this row has 1 column; "_s} << false;
        QTest::newRow("spaces for a tab further down")
            << QByteArray("hello\tздравей\nbye   чао\nyes\tда\n") << '\0' << false << 2 << u"hello"_s << u"здравей"_s
            << QList<int>{2} << QStringList() << false;
        const QByteArray books("Произведение;Автор;Бележка (жанр, година)\nПод игото;Иван Вазов;роман, 1894\n"
                               "Тютюн;Димитър Димов;роман, 1951\nБай Ганьо;Алеко Константинов;фейлетони, 1895\n");
        QTest::newRow("heading with commas over semicolons")
            << books << '\0' << true << 3 << u"Под игото"_s << u"Иван Вазов"_s << none
            << QStringList{u"semicolons (;): all 4 rows have 3 columns"_s,
                           u"line 1 (\"Произведение\", \"Автор\", \"Бележка (жанр, година)\") is skipped as the heading"_s,
                           u"the first pair is line 2: \"Под игото\" – \"Иван Вазов\""_s} << false;
        QTest::newRow("forgotten heading: heading words")
            << books << '\0' << false << 4 << u"Произведение"_s << u"Автор"_s << none
            << QStringList{u"add pairs_header = true"_s} << true;
        QTest::newRow("forgotten heading: its shape")
            << QByteArray("Глагол,Превод на английски\nчета,read\nпиша,write\nям,eat\n") << '\0' << false << 4
            << u"Глагол"_s << u"Превод на английски"_s << none << QStringList{u"unlike most rows below it"_s} << true;
        QTest::newRow("forgotten heading in small letters")
            << QByteArray("expression\tmeaning\ncat\tкотка\n") << '\0' << false << 2 << u"expression"_s << u"meaning"_s
            << none << QStringList{u"words that usually head columns"_s} << true;
        QTest::newRow("capitals look alike: no heading")
            << QByteArray("Гърция;Атина\nИталия;Рим\nФранция;Париж\n") << '\0' << false << 3 << u"Гърция"_s << u"Атина"_s
            << none << QStringList() << false;
        QTest::newRow("prose semicolons in a comma table")
            << QByteArray("cat,котка; коте\ndog,куче; кученце\n") << '\0' << false << 2 << u"cat"_s << u"котка; коте"_s
            << none << QStringList{u"commas (,)"_s} << false;
        QTest::newRow("a tie goes to the sign that reads the whole table")
            << QByteArray("a;b\nc;d,e\n\"x;y\",z\n") << '\0' << false << 2 << u"c;d"_s << u"e"_s << QList<int>{1}
            << QStringList{u"commas (,): 2 of 3 rows"_s} << false;
        QTest::newRow("the given delimiter wins")
            << QByteArray("a;b,c\nd;e,f\n") << ',' << false << 2 << u"a;b"_s << u"c"_s << none << QStringList() << false;
        QTest::newRow("a given tab reads plain lines")
            << QByteArray("\"a\tb\n") << '\t' << false << 1 << u"\"a"_s << u"b"_s << none << QStringList() << false;
        QTest::newRow("blank first line before the heading")
            << QByteArray("\nExpression;Meaning\n\na;b\nc;d\n") << '\0' << true << 2 << u"a"_s << u"b"_s << none
            << QStringList{u"line 2 (\"Expression\", \"Meaning\") is skipped"_s, u"the first pair is line 4"_s} << false;
        QTest::newRow("a heading's own %3 stays")
            << QByteArray("A %3\tB\nc\td\n") << '\0' << true << 1 << u"c"_s << u"d"_s << none
            << QStringList{u"(\"A %3\", \"B\") is skipped"_s} << false;
        QTest::newRow("one column, singular")
            << QByteArray("a,b\nc\nd,e,f,g,h\n") << '\0' << false << 1 << u"a"_s << u"b"_s << QList<int>{2, 3}
            << QStringList{u"this row has 1 column; "_s, u"this row has 5 columns; "_s, u"separated by commas (,)"_s} << false;
        QTest::newRow("an open quote is named where it opens")
            << QByteArray("a,b\n\"c,d\ne,f\ng,h\n") << '\0' << false << 0 << QString() << QString() << QList<int>{2}
            << QStringList{u"not valid CSV"_s} << false;
    }
    void read()
    {
        QFETCH(QByteArray, table);
        QFETCH(char, delimiter);
        QFETCH(bool, header);
        QFETCH(int, rows);
        QFETCH(QString, expression);
        QFETCH(QString, meaning);
        QFETCH(QList<int>, problemLines);
        QFETCH(QStringList, said);
        QFETCH(bool, headingWarned);

        const PairsTable::Result result = PairsTable::read(table, delimiter, header);
        QStringList messages;
        QList<int> lines;
        for (const PairsTable::Problem &p : result.problems) {
            lines << p.line;
            messages << p.message;
        }
        bool warned = false;
        for (const PairsTable::Problem &n : result.notes) {
            messages << n.message;
            warned = warned || n.message.contains(u"pairs_header = true to the quiz file"_s);
        }
        QCOMPARE(lines, problemLines);
        QCOMPARE(result.rows.size(), rows);
        if (rows > 0) {
            QCOMPARE(result.rows.first().expression, expression);
            QCOMPARE(result.rows.first().meaning, meaning);
        }
        for (const QString &words : said)
            QVERIFY2(messages.join(u'\n').contains(words), qPrintable(messages.join(u'\n')));
        QCOMPARE(warned, headingWarned);
    }
};

ZORT_TEST_MAIN(TestPairsTable)
#include "tst_pairs_table.moc"
