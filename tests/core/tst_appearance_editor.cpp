#include "test_main.h"
#include "core/appearance_store.h"
#include "core/appearance_editor.h"

#include <QTest>

namespace {

const QString kTimes = QStringLiteral("Times New Roman");
const QStringList kFaces{QStringLiteral("Nimbus Roman"), QStringLiteral("Arial"), kTimes,
                         QStringLiteral("DejaVu Sans")};
constexpr qint32 kWhite = 16777215;

QString caption(qint32 colour, const char *hex)
{
    return QStringLiteral("Цвят в 10/16-тичен код = ") + QString::number(colour) + QStringLiteral(" /H")
           + QLatin1String(hex);
}

} // namespace

class TestAppearanceEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openingLook();
    void elementChoice_data();
    void elementChoice();
    void sliderMovement_data();
    void sliderMovement();
    void captionForms_data();
    void captionForms();
    void positioningFromCodeIsNoMovement();
    void componentsOutsideTheSliderRange_data();
    void componentsOutsideTheSliderRange();
    void sizeChoice_data();
    void sizeChoice();
    void storedSize_data();
    void storedSize();
    void faceList_data();
    void faceList();
    void reopeningForgetsTheSampleFace();
    void zapis_data();
    void zapis();
    void otkazKeepsTheStore();
    void choicesOutsideTheControls();
};

void TestAppearanceEditor::openingLook()
{
    AppearanceStore store;
    AppearanceEditor cwiat(store);
    cwiat.open(kFaces);
    QCOMPARE(cwiat.editedElement(), 0);
    for (int k = 0; k < 3; ++k)
        QCOMPARE(cwiat.sliderPosition(k), k == 0 ? 128 : 0);
    QCOMPARE(cwiat.readout(0), QStringLiteral("R"));
    QCOMPARE(cwiat.readout(1), QStringLiteral("G"));
    QCOMPARE(cwiat.readout(2), QStringLiteral("B"));
    QCOMPARE(cwiat.colourCaption(), QStringLiteral("Цвят"));
    QCOMPARE(cwiat.windowBackground(), AppearanceEditor::kGrey);
    QCOMPARE(cwiat.swatchColour(), 128);
    QCOMPARE(cwiat.optionColour(0), 128);
    QCOMPARE(cwiat.optionColour(1), kWhite);
    QCOMPARE(cwiat.optionColour(2), 8);
    QCOMPARE(cwiat.optionColour(3), 192);
    QCOMPARE(cwiat.sampleBackground(), kWhite);
    QCOMPARE(cwiat.sampleTextColour(), 8);
    QCOMPARE(cwiat.sampleFace(), kTimes);
    QCOMPARE(cwiat.sampleSize(), 12);
    QCOMPARE(cwiat.fontList(AppearanceEditor::kSizeList).selected(), 4);
}

void TestAppearanceEditor::elementChoice_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<QList<int>>("sliders");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Цвят форма") << 0 << QList<int>{128, 0, 0} << caption(128, "80");
    QTest::newRow("Фон текст") << 1 << QList<int>{255, 255, 255} << caption(kWhite, "FFFFFF");
    QTest::newRow("Цвят текст") << 2 << QList<int>{8, 0, 0} << caption(8, "8");
    QTest::newRow("Цвят бутон") << 3 << QList<int>{192, 0, 0} << caption(192, "C0");
}

void TestAppearanceEditor::elementChoice()
{
    QFETCH(int, element);
    QFETCH(QList<int>, sliders);
    QFETCH(QString, caption);
    AppearanceStore store;
    AppearanceEditor cwiat(store);
    cwiat.open(kFaces);
    const QStringList before = store.items();

    cwiat.chooseElement(element);

    QCOMPARE(store.items(), before);
    QCOMPARE(cwiat.editedElement(), element);
    const qint32 colour = store.number(AppearanceStore::colourItem(element));
    QCOMPARE(cwiat.currentColour(), colour);
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(cwiat.sliderPosition(k), sliders.at(k));
        QCOMPARE(cwiat.readout(k), QString::number(sliders.at(k)));
    }
    QCOMPARE(cwiat.colourCaption(), caption);
    QCOMPARE(cwiat.swatchColour(), colour);
    QCOMPARE(cwiat.optionColour(element), colour);
    // Only the form background previews on the window itself.
    QCOMPARE(cwiat.windowBackground(), element == 0 ? colour : AppearanceEditor::kGrey);
    QCOMPARE(cwiat.sampleBackground(), kWhite);
    QCOMPARE(cwiat.sampleTextColour(), 8);
}

void TestAppearanceEditor::sliderMovement_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("slider");
    QTest::addColumn<int>("position");
    QTest::addColumn<qint32>("colour");
    QTest::addColumn<QString>("caption");
    QTest::newRow("form red to 255") << 0 << 0 << 255 << 255 << caption(255, "FF");
    QTest::newRow("text background green to 0") << 1 << 1 << 0 << 16711935 << caption(16711935, "FF00FF");
    QTest::newRow("text colour blue to 255") << 2 << 2 << 255 << 16711688 << caption(16711688, "FF0008");
    QTest::newRow("button green to 1") << 3 << 1 << 1 << 448 << caption(448, "1C0");
}

void TestAppearanceEditor::sliderMovement()
{
    QFETCH(int, element);
    QFETCH(int, slider);
    QFETCH(int, position);
    QFETCH(qint32, colour);
    QFETCH(QString, caption);
    AppearanceStore store;
    AppearanceEditor cwiat(store);
    cwiat.open(kFaces);
    cwiat.chooseElement(element);
    QStringList expected = store.items();
    expected[AppearanceStore::colourItem(element)] = QString::number(colour);
    expected[AppearanceStore::componentItem(element, slider)] = QString::number(position);

    cwiat.moveSlider(slider, position);

    QCOMPARE(store.items(), expected);
    QCOMPARE(cwiat.currentColour(), colour);
    QCOMPARE(cwiat.readout(slider), QString::number(position));
    QCOMPARE(cwiat.colourCaption(), caption);
    QCOMPARE(cwiat.swatchColour(), colour);
    QCOMPARE(cwiat.optionColour(element), colour);
    QCOMPARE(cwiat.windowBackground(), element == 0 ? colour : AppearanceEditor::kGrey);
    QCOMPARE(cwiat.sampleBackground(), element == 1 ? colour : kWhite);
    QCOMPARE(cwiat.sampleTextColour(), element == 2 ? colour : 8);
}

void TestAppearanceEditor::captionForms_data()
{
    QTest::addColumn<QList<int>>("sliders");
    QTest::addColumn<QString>("caption");
    QTest::newRow("0") << QList<int>{0, 0, 0} << QStringLiteral("Цвят в 10/16-тичен код = 0 /H0");
    QTest::newRow("8") << QList<int>{8, 0, 0} << QStringLiteral("Цвят в 10/16-тичен код = 8 /H8");
    QTest::newRow("128") << QList<int>{128, 0, 0} << QStringLiteral("Цвят в 10/16-тичен код = 128 /H80");
    QTest::newRow("255") << QList<int>{255, 0, 0} << QStringLiteral("Цвят в 10/16-тичен код = 255 /HFF");
    QTest::newRow("16777215") << QList<int>{255, 255, 255}
                              << QStringLiteral("Цвят в 10/16-тичен код = 16777215 /HFFFFFF");
}

void TestAppearanceEditor::captionForms()
{
    QFETCH(QList<int>, sliders);
    QFETCH(QString, caption);
    AppearanceStore store;
    AppearanceEditor cwiat(store);
    cwiat.open(kFaces);
    for (int k = 0; k < 3; ++k)
        cwiat.moveSlider(k, sliders.at(k));
    QCOMPARE(cwiat.colourCaption(), caption);
    for (int k = 0; k < 3; ++k)
        QCOMPARE(cwiat.readout(k), QString::number(sliders.at(k)));
}

void TestAppearanceEditor::positioningFromCodeIsNoMovement()
{
    AppearanceStore store;
    AppearanceEditor cwiat(store);
    cwiat.open(kFaces);
    const QStringList before = store.items();

    cwiat.setSliderPosition(0, 200);

    QCOMPARE(store.items(), before);
    QCOMPARE(cwiat.readout(0), QStringLiteral("R"));
    QCOMPARE(cwiat.colourCaption(), QStringLiteral("Цвят"));
    QCOMPARE(cwiat.windowBackground(), AppearanceEditor::kGrey);

    // The next movement composes from where the program left the sliders.
    cwiat.moveSlider(1, 5);
    QCOMPARE(store.item(3), QString::number(200 + 5 * 256));
    QCOMPARE(store.item(4), QStringLiteral("128"));
    QCOMPARE(store.item(5), QStringLiteral("5"));
}

void TestAppearanceEditor::componentsOutsideTheSliderRange_data()
{
    QTest::addColumn<QString>("component");
    QTest::addColumn<int>("position");
    QTest::newRow("above") << QStringLiteral("300") << 255;
    QTest::newRow("below") << QStringLiteral("-5") << 0;
    QTest::newRow("text") << QStringLiteral("abc") << 0;
}

// The element's components are taken from the store as they are, whatever put them there.
void TestAppearanceEditor::componentsOutsideTheSliderRange()
{
    QFETCH(QString, component);
    QFETCH(int, position);
    AppearanceStore store;
    AppearanceEditor cwiat(store);
    cwiat.open(kFaces);
    store.setItem(AppearanceStore::componentItem(3, 0), component);

    cwiat.chooseElement(3);

    QCOMPARE(cwiat.sliderPosition(0), position);
    QCOMPARE(cwiat.currentColour(), position);
    QCOMPARE(cwiat.readout(0), QString::number(position));
    QCOMPARE(store.item(AppearanceStore::componentItem(3, 0)), component);
}

void TestAppearanceEditor::sizeChoice_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("points");
    QTest::newRow("8") << 0 << 8;
    QTest::newRow("9") << 1 << 9;
    QTest::newRow("14") << 6 << 14;
}

void TestAppearanceEditor::sizeChoice()
{
    QFETCH(int, row);
    QFETCH(int, points);
    AppearanceStore store;
    AppearanceEditor cwiat(store);
    cwiat.open(kFaces);
    QStringList expected = store.items();
    expected[AppearanceStore::kFontSize] = QString::number(points);

    cwiat.selectFontEntry(AppearanceEditor::kSizeList, row);

    QCOMPARE(cwiat.sampleSize(), points);
    QCOMPARE(store.items(), expected);
    QCOMPARE(cwiat.appearance().fontSize, points);

    // The next opening selects the stored size again.
    cwiat.open(kFaces);
    QCOMPARE(cwiat.fontList(AppearanceEditor::kSizeList).selected(), row);
    QCOMPARE(cwiat.sampleSize(), points);
}

void TestAppearanceEditor::storedSize_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("points");
    QTest::newRow("in the list") << QStringLiteral("10") << 2 << 10;
    QTest::newRow("not in the list") << QStringLiteral("16") << -1 << 16;
    QTest::newRow("not a number") << QStringLiteral("abc") << -1 << 12;
    QTest::newRow("zero") << QStringLiteral("0") << -1 << 12;
}

void TestAppearanceEditor::storedSize()
{
    QFETCH(QString, stored);
    QFETCH(int, row);
    QFETCH(int, points);
    AppearanceStore store;
    store.setItem(AppearanceStore::kFontSize, stored);
    AppearanceEditor cwiat(store);
    cwiat.open(kFaces);
    QCOMPARE(cwiat.fontList(AppearanceEditor::kSizeList).selected(), row);
    QCOMPARE(cwiat.sampleSize(), points);
    QCOMPARE(store.item(AppearanceStore::kFontSize), stored);
}

void TestAppearanceEditor::faceList_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("sample");
    QTest::newRow("installed")
        << kFaces << kTimes
        << QStringList{QStringLiteral("Arial"), QStringLiteral("DejaVu Sans"),
                       QStringLiteral("Nimbus Roman"), kTimes}
        << 3 << kTimes;
    QTest::newRow("another face") << kFaces << QStringLiteral("Arial") << QStringList() << 0
                                  << QStringLiteral("Arial");
    QTest::newRow("missing") << kFaces << QStringLiteral("Garamond") << QStringList() << -1 << kTimes;
    QTest::newRow("case differs") << kFaces << QStringLiteral("arial") << QStringList() << -1 << kTimes;
    QTest::newRow("no faces") << QStringList() << kTimes << QStringList() << -1 << kTimes;
    QTest::newRow("twice, last wins")
        << QStringList{QStringLiteral("Foo"), QStringLiteral("arial"), QStringLiteral("Foo")}
        << QStringLiteral("Foo")
        << QStringList{QStringLiteral("arial"), QStringLiteral("Foo"), QStringLiteral("Foo")} << 2
        << QStringLiteral("Foo");
}

void TestAppearanceEditor::faceList()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, stored);
    QFETCH(QStringList, entries);
    QFETCH(int, row);
    QFETCH(QString, sample);
    AppearanceStore store;
    store.setItem(AppearanceStore::kFontFace, stored);
    AppearanceEditor cwiat(store);
    cwiat.open(installed);
    const TextList &faces = cwiat.fontList(AppearanceEditor::kFaceList);
    if (!entries.isEmpty())
        QCOMPARE(faces.items(), entries);
    QCOMPARE(faces.count(), installed.size());
    QCOMPARE(faces.selected(), row);
    QCOMPARE(cwiat.sampleFace(), sample);
    QCOMPARE(cwiat.windowFontFace(), stored);
    QCOMPARE(store.item(AppearanceStore::kFontFace), stored);
    QCOMPARE(cwiat.appearance().fontFace, stored);
}

void TestAppearanceEditor::reopeningForgetsTheSampleFace()
{
    AppearanceStore store;
    store.setItem(AppearanceStore::kFontFace, QStringLiteral("Arial"));
    AppearanceEditor cwiat(store);
    cwiat.open(kFaces);
    QCOMPARE(cwiat.sampleFace(), QStringLiteral("Arial"));

    store.setItem(AppearanceStore::kFontFace, QStringLiteral("Garamond"));
    cwiat.open(kFaces);
    QCOMPARE(cwiat.sampleFace(), kTimes);
    QCOMPARE(cwiat.fontList(AppearanceEditor::kFaceList).selected(), -1);
}

void TestAppearanceEditor::zapis_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("formBackground");
    QTest::addColumn<quint32>("textBackground");
    QTest::addColumn<quint32>("textColour");
    QTest::addColumn<int>("fontSize");
    QTest::newRow("defaults") << 0 << QStringLiteral("всичко това е за управление на цветове")
                              << 128u << 16777215u << 8u << 12;
    QTest::newRow("negative colour") << 3 << QStringLiteral("-1") << 16777215u << 16777215u << 8u << 12;
    QTest::newRow("top byte set") << 11 << QStringLiteral("16777472") << 128u << 16777215u << 256u << 12;
    QTest::newRow("size not a number") << 2 << QStringLiteral("abc") << 128u << 16777215u << 8u << 0;
}

void TestAppearanceEditor::zapis()
{
    QFETCH(int, item);
    QFETCH(QString, text);
    QFETCH(quint32, formBackground);
    QFETCH(quint32, textBackground);
    QFETCH(quint32, textColour);
    QFETCH(int, fontSize);
    AppearanceStore store;
    AppearanceEditor cwiat(store);
    cwiat.open(kFaces);
    store.setItem(item, text);
    const QStringList before = store.items();

    const Appearance appearance = cwiat.appearance();

    QCOMPARE(appearance.formBackground, formBackground);
    QCOMPARE(appearance.textBackground, textBackground);
    QCOMPARE(appearance.textColour, textColour);
    QCOMPARE(appearance.fontFace, kTimes);
    QCOMPARE(appearance.fontSize, fontSize);
    QCOMPARE(store.items(), before);
}

// "Отказ" only closes: what was moved stays in the store, and the next opening starts on the
// form background again.
void TestAppearanceEditor::otkazKeepsTheStore()
{
    AppearanceStore store;
    AppearanceEditor cwiat(store);
    cwiat.open(kFaces);
    cwiat.chooseElement(1);
    cwiat.moveSlider(1, 10);
    cwiat.selectFontEntry(AppearanceEditor::kSizeList, 1);
    const QStringList moved = store.items();
    QCOMPARE(store.item(7), QString::number(ColourValue::compose(255, 10, 255)));

    cwiat.open(kFaces);

    QCOMPARE(store.items(), moved);
    QCOMPARE(cwiat.editedElement(), 0);
    QCOMPARE(cwiat.sliderPosition(0), 128);
    QCOMPARE(cwiat.readout(1), QStringLiteral("G"));
    QCOMPARE(cwiat.sampleBackground(), ColourValue::compose(255, 10, 255));
    QCOMPARE(cwiat.sampleSize(), 9);
    cwiat.chooseElement(1);
    QCOMPARE(cwiat.sliderPosition(1), 10);
    QCOMPARE(cwiat.appearance().textBackground, quint32(ColourValue::compose(255, 10, 255)));
    QCOMPARE(cwiat.appearance().fontSize, 9);
}

void TestAppearanceEditor::choicesOutsideTheControls()
{
    AppearanceStore store;
    AppearanceEditor cwiat(store);
    cwiat.open(kFaces);
    const QStringList before = store.items();
    cwiat.chooseElement(4);
    cwiat.chooseElement(-1);
    cwiat.moveSlider(3, 10);
    cwiat.selectFontEntry(AppearanceEditor::kSizeList, 7);
    cwiat.selectFontEntry(2, 0);
    QCOMPARE(store.items(), before);
    QCOMPARE(cwiat.editedElement(), 0);
    QCOMPARE(cwiat.sampleSize(), 12);
    QCOMPARE(cwiat.colourCaption(), QStringLiteral("Цвят"));
}

ZORT_TEST_APPLESS_MAIN(TestAppearanceEditor)
#include "tst_appearance_editor.moc"
