#include "test_main.h"
#include "core/number_text.h"

#include <QTest>

class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read16_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << QStringLiteral("27") << 27;
        QTest::newRow("leading number") << QStringLiteral("12abc") << 12;
        QTest::newRow("not a number") << QStringLiteral("Ima li obqsneniq") << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("leading blanks") << QStringLiteral("  7") << 7;
        QTest::newRow("negative") << QStringLiteral("-3") << -3;
        QTest::newRow("sign only") << QStringLiteral("-") << 0;
        QTest::newRow("too large saturates") << QStringLiteral("99999999999999999999") << 32767;
        QTest::newRow("too small saturates") << QStringLiteral("-40000") << -32768;
        QTest::newRow("Cyrillic digits-like text") << QStringLiteral("З0") << 0;
    }
    void read16()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(int(NumberText::read16(text)), value);
    }

    void read32_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value");
        QTest::newRow("white") << QStringLiteral("16777215") << qint64(16777215);
        QTest::newRow("max") << QStringLiteral("2147483647") << qint64(2147483647);
        QTest::newRow("beyond saturates") << QStringLiteral("2147483648") << qint64(2147483647);
        QTest::newRow("min") << QStringLiteral("-2147483648") << qint64(-2147483648LL);
        QTest::newRow("decimal point stops") << QStringLiteral("11.25") << qint64(11);
    }
    void read32()
    {
        QFETCH(QString, text);
        QFETCH(qint64, value);
        QCOMPARE(qint64(NumberText::read32(text)), value);
    }
};

ZORT_TEST_APPLESS_MAIN(TestNumberText)
#include "tst_number_text.moc"
