#include "test_main.h"
#include "list_rows.h"
#include "visible_texts.h"
#include "settingswindow/settings_window.h"
#include "quizwindow/quiz_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRawFont>
#include <QSlider>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// Run by CTest at QT_SCALE_FACTOR 1, 1.5 and 2: the window must render at the screen's full
// resolution, and the texts that have to fit their fixed boxes must still fit in the font the
// machine resolves "Times New Roman" to.
class TestHighDpi : public QObject
{
    Q_OBJECT
    std::unique_ptr<QuizWindow> m_window;
    template <typename T = QWidget>
    T *child(const QString &name) const { return m_window->findChild<T *>(name); }

private Q_SLOTS:
    void init()
    {
        m_window = std::make_unique<QuizWindow>(builtInContent());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    // Crisp text: the window is drawn with as many pixels as the scale gives, not stretched.
    void rendersAtScreenResolution()
    {
        const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
        QCOMPARE(m_window->devicePixelRatio(), scale);
        const QPixmap shot = m_window->grab();
        QCOMPARE(shot.devicePixelRatio(), scale);
        QCOMPARE(shot.size(), m_window->size() * scale);
        // The layout is in logical pixels, the same at every scale.
        QCOMPARE(m_window->frameGeometry().width(), 750);
        QCOMPARE(m_window->centralWidget()->height(), 467);
    }

    // The face the window's font resolves to has every letter the test shows.
    void fontHasCyrillicGlyphs()
    {
        const QFont font = child<QListView>(u"Slowo_1"_s)->font();
        const QRawFont raw = QRawFont::fromFont(font);
        QVERIFY2(raw.isValid(), qPrintable(QFontInfo(font).family()));
        const Content &content = builtInContent();
        QString letters = content.expressions.join(QString()) + content.meanings.join(QString())
            + u"ИзбрахВърниОцениОбясниОставащи:ВерниДАНЕ"_s;
        for (const QChar c : std::as_const(letters)) {
            if (c.isLetter())
                QVERIFY2(raw.supportsCharacter(c), qPrintable(u"%1 has no %2"_s.arg(raw.familyName(), c)));
        }
    }

    void textsFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("margin"); // taken from the box's width on each side
        QTest::newRow("Избрах") << u"Uprawl_0"_s << u"Избрах"_s << 3;
        QTest::newRow("Върни") << u"Uprawl_1"_s << u"Върни"_s << 3;
        QTest::newRow("Оцени") << u"Uprawl_2"_s << u"Оцени"_s << 3;
        QTest::newRow("Обясни") << u"Uprawl_3"_s << u"Обясни"_s << 3;
        QTest::newRow("start counter") << u"Ndapis"_s << UiText::counterAtStart() << 0;
        QTest::newRow("widest count") << u"Ndapis"_s << UiText::pairsLeft(27) << 0;
        QTest::newRow("full score") << u"Ndapis"_s << UiText::score(100) << 0;
        QTest::newRow("verdict ДА") << u"Prowerka_1"_s << u"ДА"_s << 2;
        QTest::newRow("verdict НЕ") << u"Prowerka_1"_s << u"НЕ"_s << 2;
    }
    void textsFitTheirBoxes()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(int, margin);
        QWidget *widget = child(control);
        QVERIFY(widget);
        const QFontMetrics metrics(widget->font());
        const int room = widget->width() - 2 * margin;
        QVERIFY2(metrics.horizontalAdvance(text) <= room,
                 qPrintable(u"%1 needs %2 px in %3, has %4 (fonts-liberation gives the metric-compatible face)"_s
                                .arg(text).arg(metrics.horizontalAdvance(text)).arg(QFontInfo(widget->font()).family()).arg(room)));
        QVERIFY(metrics.height() <= widget->height());
    }

    // Every label of both windows is at least as wide as its text in its own font (a narrower label
    // cuts the text off), also while the read-outs and the colour caption show their widest values;
    // the settings window keeps its laid-out size.
    void labelsShowTheirWholeText_data()
    {
        QTest::addColumn<int>("component"); // every slider set to it; -1: as opened
        QTest::newRow("settings window as opened") << -1;
        QTest::newRow("widest colour caption, /HDDDDDD") << 0xDD;
        QTest::newRow("widest read-outs, 255") << 255;
    }
    void labelsShowTheirWholeText()
    {
        QFETCH(int, component);
        child<QAction>(u"Cwqt"_s)->trigger();
        SettingsWindow *settings = m_window->settingsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(settings));
        for (int k = 0; component >= 0 && k < 3; ++k)
            child<QSlider>(u"Slider1_%1"_s.arg(k))->setValue(component);
        for (const QLabel *label : m_window->findChildren<QLabel *>()) {
            if (!label->isVisible())
                continue;
            QVERIFY2(label->sizeHint().width() <= label->width(),
                     qPrintable(u"%1 \"%2\" needs %3 px, has %4"_s.arg(label->objectName(), label->text())
                                    .arg(label->sizeHint().width()).arg(label->width())));
        }
        QCOMPARE(child(u"Label_Cv_3"_s)->parentWidget()->size(), QSize(369, 314));
    }
};

ZORT_TEST_MAIN(TestHighDpi)
#include "tst_high_dpi.moc"
