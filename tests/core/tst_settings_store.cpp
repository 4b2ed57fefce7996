#include "test_main.h"
#include "core/appearance_store.h"
#include "core/appearance_editor.h"

#include <QTest>

#include <limits>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void composeAndSplit_data();
    void composeAndSplit();
    void splitIgnoresTopByte_data();
    void splitIgnoresTopByte();
    void firstOpening_data();
    void firstOpening();
    void positionsOutsideTheStore();
    void writtenTextsReadBack_data();
    void writtenTextsReadBack();
};

void TestSettingsStore::composeAndSplit_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<qint32>("value");
    QTest::newRow("white") << 255 << 255 << 255 << 16777215;
    QTest::newRow("form background") << 128 << 0 << 0 << 128;
    QTest::newRow("text colour") << 8 << 0 << 0 << 8;
    QTest::newRow("button background") << 192 << 0 << 0 << 192;
    QTest::newRow("black") << 0 << 0 << 0 << 0;
    QTest::newRow("green half") << 0 << 128 << 0 << 32768;
    QTest::newRow("blue only") << 0 << 0 << 1 << 65536;
}

void TestSettingsStore::composeAndSplit()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(qint32, value);
    QCOMPARE(ColourValue::compose(red, green, blue), value);

    AppearanceStore store;
    AppearanceEditor cwiat(store);
    cwiat.splitColour(value);
    QCOMPARE(cwiat.split().red, red);
    QCOMPARE(cwiat.split().green, green);
    QCOMPARE(int(cwiat.split().blue), blue);
}

void TestSettingsStore::splitIgnoresTopByte_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("top byte set") << qint32(0x7F0080FF) << 255 << 128 << 0;
    QTest::newRow("negative") << qint32(-1) << 255 << 255 << 255;
    QTest::newRow("saturated") << std::numeric_limits<qint32>::max() << 255 << 255 << 255;
}

void TestSettingsStore::splitIgnoresTopByte()
{
    QFETCH(qint32, value);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    AppearanceStore store;
    AppearanceEditor cwiat(store);
    const qint32 before = value;
    cwiat.splitColour(value);
    QCOMPARE(value, before);
    QCOMPARE(cwiat.split().red, red);
    QCOMPARE(cwiat.split().green, green);
    QCOMPARE(int(cwiat.split().blue), blue);
}

// Only the mismatched components of the text background change when the window first opens.
void TestSettingsStore::firstOpening_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const QStringList defaults{
        QStringLiteral("всичко това е за управление на цветове"), QStringLiteral("Times New Roman"),
        QStringLiteral("12"), QStringLiteral("128"), QStringLiteral("128"), QStringLiteral("0"),
        QStringLiteral("0"), QStringLiteral("16777215"), QStringLiteral("0"), QStringLiteral("128"),
        QStringLiteral("0"), QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("0"),
        QStringLiteral("0"), QStringLiteral("192"), QStringLiteral("192"), QStringLiteral("0"),
        QStringLiteral("0")};
    for (int n = 0; n < AppearanceStore::kItems; ++n) {
        const bool recomputed = n >= 8 && n <= 10;
        QTest::addRow("item %d", n) << n << defaults.at(n)
                                    << (recomputed ? QStringLiteral("255") : defaults.at(n));
    }
}

void TestSettingsStore::firstOpening()
{
    QFETCH(int, item);
    QFETCH(QString, before);
    QFETCH(QString, after);
    AppearanceStore store;
    QCOMPARE(store.items().size(), AppearanceStore::kItems);
    QCOMPARE(store.item(item), before);
    AppearanceEditor cwiat(store);
    cwiat.open({QStringLiteral("Times New Roman")});
    QCOMPARE(store.item(item), after);
    cwiat.open({});
    QCOMPARE(store.item(item), after);
    QCOMPARE(store.items().size(), AppearanceStore::kItems);
}

void TestSettingsStore::positionsOutsideTheStore()
{
    AppearanceStore store;
    const QStringList before = store.items();
    store.setItem(-1, QStringLiteral("x"));
    store.setItem(AppearanceStore::kItems, QStringLiteral("x"));
    QCOMPARE(store.items(), before);
    QCOMPARE(store.item(AppearanceStore::kItems), QString());
    QCOMPARE(store.number(-1), 0);
}

// A text written into an item reads back as written until the item is written again, whatever
// number it sets; the opening rewrites every component, never a colour or the size.
void TestSettingsStore::writtenTextsReadBack_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("number");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("formRed");
    const QString red = QStringLiteral("128");
    QTest::newRow("component not a number") << 8 << QStringLiteral("abc") << 0 << QStringLiteral("255") << red;
    QTest::newRow("component with a blank") << 12 << QStringLiteral(" 8") << 8 << QStringLiteral("8") << red;
    QTest::newRow("negative colour") << 3 << QStringLiteral("-1") << -1 << QStringLiteral("-1")
                                     << QStringLiteral("255");
    QTest::newRow("colour with a top byte") << 3 << QStringLiteral("16777217") << 16777217
                                            << QStringLiteral("16777217") << QStringLiteral("1");
    QTest::newRow("size with a sign") << 2 << QStringLiteral("+12") << 12 << QStringLiteral("+12") << red;
    QTest::newRow("remark") << 0 << QStringLiteral("x") << 0 << QStringLiteral("x") << red;
}

void TestSettingsStore::writtenTextsReadBack()
{
    QFETCH(int, item);
    QFETCH(QString, text);
    QFETCH(qint32, number);
    QFETCH(QString, opened);
    QFETCH(QString, formRed);
    AppearanceStore store;
    store.setItem(item, text);
    QCOMPARE(store.item(item), text);
    QCOMPARE(store.number(item), number);
    AppearanceEditor cwiat(store);
    cwiat.open({QStringLiteral("Times New Roman")});
    QCOMPARE(store.item(item), opened);
    // The split of the form background, whatever its text.
    QCOMPARE(store.item(4), formRed);
}

ZORT_TEST_APPLESS_MAIN(TestSettingsStore)
#include "tst_settings_store.moc"
