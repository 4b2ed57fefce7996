#include "test_main.h"
#include "core/appearance_store.h"
#include "settingswindow/settings_window.h"
#include "list_rows.h"

#include <QAction>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <memory>

class TestSettingsWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void opening();
    void learnerMovesSlider_data();
    void learnerMovesSlider();
    void chooseElementAndSizeThenZapis();
    void everyClickChoosesTheElement_data();
    void everyClickChoosesTheElement();
    void sizeListKeepsOneSize_data();
    void sizeListKeepsOneSize();
    void openingAgainOnlyRaises();
    void otkazKeepsTheStore();

private:
    template<typename T>
    T *child(const char *name) const
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString text(const char *label) const { return child<QLabel>(label)->text(); }
    // What is painted at a point, not only what the palette says; by default beside the mark
    // of an option button.
    QColor painted(const char *name, bool centre = false) const
    {
        QWidget *widget = child<QWidget>(name);
        const QPoint at = centre ? widget->rect().center() : QPoint(widget->width() - 1, 0);
        return widget->grab().toImage().pixelColor(at);
    }
    QColor clientColour() const
    {
        return child<QLabel>("Label_Cv_3")->parentWidget()->palette().color(QPalette::Window);
    }

    AppearanceStore m_store;
    std::unique_ptr<SettingsWindow> m_window;
};

void TestSettingsWindow::init()
{
    m_store = AppearanceStore();
    m_window = std::make_unique<SettingsWindow>(m_store);
    m_window->openOrRaise();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestSettingsWindow::cleanup()
{
    m_window.reset();
}

void TestSettingsWindow::opening()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Формиране на цвят/избор на шрифт"));
    QVERIFY(child<QRadioButton>("Option1_0")->isChecked());
    QVERIFY(!child<QRadioButton>("Option1_3")->isVisible());
    QVERIFY(!child<QLabel>("Label_Cv_8")->isVisible());
    QCOMPARE(painted("Option1_0"), QColor(128, 0, 0));
    QCOMPARE(painted("Option1_1"), QColor(Qt::white));
    QCOMPARE(painted("Option1_2"), QColor(8, 0, 0));
    QCOMPARE(child<QSlider>("Slider1_0")->value(), 128);
    QCOMPARE(text("Label_ST_0"), QStringLiteral("R"));
    QCOMPARE(text("Label_Cv_3"), QStringLiteral("Цвят"));
    QCOMPARE(clientColour(), QColor(128, 128, 128));
    QCOMPARE(painted("picColor", true), QColor(128, 0, 0));
    QCOMPARE(m_store.item(8), QStringLiteral("255"));

    auto *faces = child<QAbstractItemView>("List_font_0");
    QVERIFY(!faces->isVisible());
    QCOMPARE(ListRows::count(faces), QFontDatabase::families().size());
    QCOMPARE(ListRows::currentText(child<QAbstractItemView>("List_font_1")), QStringLiteral("12"));

    QAction *danni = child<QAction>("mnu_Danni");
    QVERIFY(!danni->isVisible());
    QVERIFY(!danni->isEnabled());
}

void TestSettingsWindow::learnerMovesSlider_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("red");
    QTest::addColumn<QString>("caption");
    // key 0: an assistive technology sets the value directly.
    QTest::newRow("right arrow") << int(Qt::Key_Right) << 0 << 129
                                 << QStringLiteral("Цвят в 10/16-тичен код = 129 /H81");
    QTest::newRow("end") << int(Qt::Key_End) << 0 << 255
                         << QStringLiteral("Цвят в 10/16-тичен код = 255 /HFF");
    QTest::newRow("home") << int(Qt::Key_Home) << 0 << 0
                          << QStringLiteral("Цвят в 10/16-тичен код = 0 /H0");
    QTest::newRow("assistive value") << 0 << 200 << 200
                                     << QStringLiteral("Цвят в 10/16-тичен код = 200 /HC8");
}

void TestSettingsWindow::learnerMovesSlider()
{
    QFETCH(int, key);
    QFETCH(int, value);
    QFETCH(int, red);
    QFETCH(QString, caption);
    auto *slider = child<QSlider>("Slider1_0");
    if (key) {
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key(key));
    } else {
        slider->setValue(value);
    }
    QCOMPARE(m_store.item(4), QString::number(red));
    QCOMPARE(m_store.item(3), QString::number(red));
    QCOMPARE(text("Label_ST_0"), QString::number(red));
    QCOMPARE(text("Label_ST_1"), QStringLiteral("0"));
    QCOMPARE(text("Label_Cv_3"), caption);
    QCOMPARE(clientColour(), QColor(red, 0, 0));
    QCOMPARE(painted("Option1_0"), QColor(red, 0, 0));
}

void TestSettingsWindow::chooseElementAndSizeThenZapis()
{
    QSignalSpy applied(m_window.get(), &SettingsWindow::applied);
    const QStringList opened = m_store.items();

    // As a screen reader chooses: the button toggles without a click.
    child<QRadioButton>("Option1_2")->setChecked(true);
    QCOMPARE(child<QSlider>("Slider1_0")->value(), 8);
    QCOMPARE(text("Label_ST_0"), QStringLiteral("8"));
    QCOMPARE(text("Label_Cv_3"), QStringLiteral("Цвят в 10/16-тичен код = 8 /H8"));
    QCOMPARE(child<QLineEdit>("Text_Cv_0")->palette().color(QPalette::Text), QColor(8, 0, 0));
    QCOMPARE(m_store.items(), opened);

    QTest::mouseClick(child<QRadioButton>("Option1_1"), Qt::LeftButton);
    QCOMPARE(child<QSlider>("Slider1_1")->value(), 255);
    QCOMPARE(m_store.items(), opened);
    auto *green = child<QSlider>("Slider1_1");
    green->setFocus();
    QTest::keyClick(green, Qt::Key_Home);
    QCOMPARE(m_store.item(9), QStringLiteral("0"));
    QCOMPARE(m_store.item(7), QStringLiteral("16711935"));
    QCOMPARE(child<QLineEdit>("Text_Cv_0")->palette().color(QPalette::Base), QColor(255, 0, 255));

    auto *sizes = child<QAbstractItemView>("List_font_1");
    sizes->setCurrentIndex(ListRows::at(sizes, 1));
    QCOMPARE(m_store.item(2), QStringLiteral("9"));
    QCOMPARE(child<QLineEdit>("Text_Cv_0")->font().pointSize(), 9);

    child<QAction>("mnu_zapis")->trigger();
    QCOMPARE(applied.size(), 1);
    const auto appearance = applied.at(0).at(0).value<Appearance>();
    QCOMPARE(appearance.formBackground, 128u);
    QCOMPARE(appearance.textBackground, 16711935u);
    QCOMPARE(appearance.textColour, 8u);
    QCOMPARE(appearance.fontFace, QStringLiteral("Times New Roman"));
    QCOMPARE(appearance.fontSize, 9);
    QVERIFY(!m_window->isVisible());
}

// Whether or not its option is chosen already, a click or Space on it chooses the element: the
// read-outs and the window show its colour.
void TestSettingsWindow::everyClickChoosesTheElement_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("key"); // 0: a mouse click
    QTest::addColumn<QStringList>("readouts");
    const QStringList red{QStringLiteral("128"), QStringLiteral("0"), QStringLiteral("0")};
    QTest::newRow("click on the option chosen at opening") << 0 << 0 << red;
    QTest::newRow("Space on the option chosen at opening") << 0 << int(Qt::Key_Space) << red;
    QTest::newRow("click on another option")
        << 1 << 0 << QStringList{QStringLiteral("255"), QStringLiteral("255"), QStringLiteral("255")};
}

void TestSettingsWindow::everyClickChoosesTheElement()
{
    QFETCH(int, option);
    QFETCH(int, key);
    QFETCH(QStringList, readouts);
    auto *button = child<QRadioButton>(qPrintable(QStringLiteral("Option1_%1").arg(option)));
    if (key) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key(key));
    } else {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }
    QVERIFY(button->isChecked());
    for (int k = 0; k < 3; ++k)
        QCOMPARE(text(qPrintable(QStringLiteral("Label_ST_%1").arg(k))), readouts.at(k));
    if (option == 0)
        QCOMPARE(clientColour(), QColor(128, 0, 0));
}

// A Ctrl+click on the chosen size would leave none chosen; the list keeps one, as the main
// window's lists do. On another size it chooses that one.
void TestSettingsWindow::sizeListKeepsOneSize_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("size");
    QTest::newRow("Ctrl+click on the chosen size") << 4 << QStringLiteral("12");
    QTest::newRow("Ctrl+click on another size") << 1 << QStringLiteral("9");
}

void TestSettingsWindow::sizeListKeepsOneSize()
{
    QFETCH(int, row);
    QFETCH(QString, size);
    auto *sizes = child<QAbstractItemView>("List_font_1");
    sizes->scrollTo(ListRows::at(sizes, row));
    QTest::mouseClick(sizes->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      sizes->visualRect(ListRows::at(sizes, row)).center());
    QCOMPARE(ListRows::selected(sizes).size(), 1);
    QCOMPARE(ListRows::selected(sizes).first().data().toString(), size);
    QCOMPARE(m_store.item(2), size);
    QCOMPARE(child<QLineEdit>("Text_Cv_0")->font().pointSize(), size.toInt());
}

void TestSettingsWindow::openingAgainOnlyRaises()
{
    child<QRadioButton>("Option1_2")->setChecked(true);
    m_window->openOrRaise();
    QVERIFY(child<QRadioButton>("Option1_2")->isChecked());
    QCOMPARE(text("Label_ST_0"), QStringLiteral("8"));
    QCOMPARE(child<QSlider>("Slider1_0")->value(), 8);
}

void TestSettingsWindow::otkazKeepsTheStore()
{
    QSignalSpy applied(m_window.get(), &SettingsWindow::applied);
    auto *red = child<QSlider>("Slider1_0");
    red->setValue(40);
    child<QRadioButton>("Option1_2")->setChecked(true);

    child<QAction>("mnu_Otkaz")->trigger();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(applied.size(), 0);
    QCOMPARE(m_store.item(3), QStringLiteral("40"));

    m_window->openOrRaise();
    QVERIFY(child<QRadioButton>("Option1_0")->isChecked());
    QCOMPARE(red->value(), 40);
    QCOMPARE(text("Label_ST_0"), QStringLiteral("R"));
    QCOMPARE(clientColour(), QColor(128, 128, 128));
    QCOMPARE(m_store.item(3), QStringLiteral("40"));
}

ZORT_TEST_MAIN(TestSettingsWindow)
#include "tst_settings_window.moc"
