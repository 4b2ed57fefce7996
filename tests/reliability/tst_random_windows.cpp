// Random learner sessions through the real main and settings windows, offscreen: mouse clicks,
// Ctrl+clicks, keys and menu commands. After every action the test's rules are checked on the
// window's core, the widgets must show what the core holds, and the settings window must show
// what a model of the same actions holds.
#include "test_main.h"
#include "list_rows.h"
#include "seed_rows.h"
#include "session_driver.h"
#include "settingswindow/settings_window.h"
#include "widgets/picture_box.h"
#include "quizwindow/picture_window.h"
#include "quizwindow/quiz_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

using namespace Reliability;

namespace {

QColor colourOf(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

#define ZORT_EXPECT(what, expected, actual)                                                        \
    do {                                                                                           \
        const auto e_ = (expected);                                                                \
        const auto a_ = (actual);                                                                  \
        if (!(e_ == a_))                                                                           \
            return QStringLiteral("window shows another %1").arg(QLatin1String(what));             \
    } while (false)

// One session: the windows, the oracle of the test's rules and a model of the settings.
class WindowSession
{
public:
    WindowSession(const GeneratedContent &content, const QStringList &faces)
        : m_content(content), m_window(std::make_unique<QuizWindow>(content.content)), m_oracle(content),
          m_settings(faces)
    {
        m_window->show();
    }

    QuizWindow &window() { return *m_window; }
    const Quiz &quiz() const { return m_window->quiz(); }
    bool settingsOpen() const { return m_settings.isOpen(); }

    QString startup()
    {
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            return QStringLiteral("main window not exposed");
        const QString problem = m_oracle.checkStartup(quiz());
        return problem.isEmpty() ? checkMirror() : problem;
    }

    // Performs the action through the widgets; returns the first problem.
    QString play(Chooser &c, const Action &chosen, Figures &figures)
    {
        Action action = chosen;
        const TestState before = TestState::of(quiz());
        bool ran = false;
        Action settingsAction{ActionKind::Exit, 0, 0}; // what the settings model must also do
        switch (action.kind) {
        case ActionKind::Select: action = select(c, action); break;
        case ActionKind::Press: {
            ran = before.enabled[action.index];
            QAbstractButton *button = child<QAbstractButton>(u"Uprawl_%1"_s.arg(action.index));
            if (ran && c.chance(20)) {
                button->setFocus();
                QTest::keyClick(button, Qt::Key_Space);
            } else {
                QTest::mouseClick(button, Qt::LeftButton);
            }
            break;
        }
        case ActionKind::Thumbnail: QTest::mouseClick(child<QWidget>(u"Grafika_0"_s), Qt::LeftButton); break;
        case ActionKind::ClosePicture:
            if (PictureWindow *pictures = m_window->pictureWindow(); pictures && pictures->isVisible())
                pictures->close();
            break;
        case ActionKind::OpenSettings:
            child<QAction>(u"Cwqt"_s)->trigger();
            settingsAction = action;
            break;
        case ActionKind::ChooseElement: {
            auto *option = settingsChild<QRadioButton>(u"Option1_%1"_s.arg(action.index));
            // A click chooses the element, whether its option was chosen or not.
            settingsAction = action;
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(4, option->height() / 2));
            break;
        }
        case ActionKind::MoveSlider: {
            auto *slider = settingsChild<QSlider>(u"Slider1_%1"_s.arg(action.index));
            if (c.chance(30)) {
                slider->setFocus();
                QTest::keyClick(slider, c.chance(50) ? Qt::Key_Right : Qt::Key_PageDown);
                action.value = slider->value();
            } else {
                slider->setValue(action.value); // as a drag does, one movement
            }
            // Only a real movement reaches the store.
            if (action.value != m_settings.cwiat().sliderPosition(action.index))
                settingsAction = action;
            break;
        }
        case ActionKind::ChooseSize: {
            auto *sizes = settingsChild<QListView>(u"List_font_1"_s);
            if (sizes->currentIndex().row() != action.value || ListRows::selected(sizes).isEmpty())
                settingsAction = action;
            ListRows::click(sizes, action.value);
            break;
        }
        case ActionKind::Save:
            settingsChild<QAction>(u"mnu_zapis"_s)->trigger();
            settingsAction = action;
            break;
        case ActionKind::Cancel:
            if (c.chance(50))
                settingsChild<QAction>(u"mnu_Otkaz"_s)->trigger();
            else
                m_window->settingsWindow()->close(); // the close box
            settingsAction = action;
            break;
        case ActionKind::Exit:
            return QString();
        }
        if (action.kind >= ActionKind::OpenSettings)
            ++figures.settingsActions;
        if (settingsAction.kind != ActionKind::Exit) {
            const QString problem = m_settings.apply(settingsAction);
            if (!problem.isEmpty())
                return problem;
        }
        QString problem = m_oracle.checkStep(before, action, quiz(), ran);
        if (problem.isEmpty())
            problem = checkMirror();
        if (problem.isEmpty())
            problem = checkSettingsMirror(settingsAction.kind == ActionKind::Save);
        return problem.isEmpty() ? QString() : action.describe() + u": "_s + problem;
    }

private:
    template<typename T = QWidget>
    T *child(const QString &name) const
    {
        T *found = m_window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    template<typename T = QWidget>
    T *settingsChild(const QString &name) const
    {
        T *found = m_window->settingsWindow()->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QListView *list(int i) const { return child<QListView>(u"Slowo_%1"_s.arg(i)); }

    // The learner selects by mouse or by keys; a row of -1 is a Ctrl+click on the selected row,
    // the one way a list widget would let a selection go. Returns what was asked of the test.
    Action select(Chooser &c, Action action)
    {
        QListView *widget = list(action.index);
        if (ListRows::count(widget) == 0) {
            QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
            return action;
        }
        if (action.value < 0) {
            const QModelIndexList selected = ListRows::selected(widget);
            if (!selected.isEmpty())
                QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::ControlModifier,
                                  widget->visualRect(selected.first()).center());
            return action;
        }
        if (c.chance(20) && widget->currentIndex().isValid()) {
            widget->setFocus();
            const bool down = c.chance(50);
            QTest::keyClick(widget, down ? Qt::Key_Down : Qt::Key_Up);
            // Up on the first row or Down on the last moves nothing: then nothing was asked.
            const QModelIndexList selected = ListRows::selected(widget);
            action.value = selected.isEmpty() ? -1 : selected.first().row();
            return action;
        }
        ListRows::click(widget, action.value);
        return action;
    }

    QString checkMirror() const
    {
        const Quiz &z = quiz();
        for (int i = 0; i < Quiz::kVisibleLists; ++i) {
            QListView *widget = list(i);
            QStringList shown;
            for (int row = 0; row < ListRows::count(widget); ++row)
                shown << ListRows::text(widget, row);
            ZORT_EXPECT("list", z.list(i).items(), shown);
            const QModelIndexList selected = widget->selectionModel()->selectedRows();
            ZORT_EXPECT("selection", z.list(i).selected(),
                        selected.isEmpty() ? qsizetype(-1) : qsizetype(selected.first().row()));
        }
        for (int i = 0; i < Quiz::kButtons; ++i)
            ZORT_EXPECT("button state", z.isEnabled(i), child<QAbstractButton>(u"Uprawl_%1"_s.arg(i))->isEnabled());
        ZORT_EXPECT("counter", z.counter(), child<QLabel>(u"Ndapis"_s)->text());
        ZORT_EXPECT("output", QString(z.output()).replace(u"\r\n"_s, u"\n"_s),
                    child<QPlainTextEdit>(u"Prowerka_0"_s)->toPlainText());
        auto *verdict = child<QLineEdit>(u"Prowerka_1"_s);
        ZORT_EXPECT("verdict visibility", z.verdictVisible(), verdict->isVisible());
        ZORT_EXPECT("verdict text", z.verdictText(), verdict->text());
        ZORT_EXPECT("verdict colour", colourOf(z.verdictColour()), verdict->palette().color(QPalette::Base));
        PictureWindow *pictures = m_window->pictureWindow();
        ZORT_EXPECT("picture window", z.pictureWindowVisible(), pictures != nullptr && pictures->isVisible());
        // The thumbnail holds the item's picture as loaded from the content, or nothing.
        const QPixmap expected = z.thumbnail() != 0 ? QPixmap(m_content.content.pictureOf(z.thumbnail())) : QPixmap();
        const QPixmap &shown = child<PictureBox>(u"Grafika_0"_s)->picture();
        ZORT_EXPECT("thumbnail", expected.isNull(), shown.isNull());
        ZORT_EXPECT("thumbnail size", expected.size(), shown.size());
        if (pictures != nullptr && pictures->isVisible())
            ZORT_EXPECT("picture window size", QPixmap(m_content.content.pictureOf(z.pictureWindowItem())).size(),
                        pictures->picture().size());
        return QString();
    }

    QString checkSettingsMirror(bool saved) const
    {
        const AppearanceEditor &model = m_settings.cwiat();
        SettingsWindow *settings = m_window->settingsWindow();
        ZORT_EXPECT("settings window state", m_settings.isOpen(), settings != nullptr && settings->isVisible());
        if (saved) {
            const Appearance &a = m_settings.lastApplied();
            ZORT_EXPECT("form background", colourOf(a.formBackground),
                        m_window->centralWidget()->palette().color(QPalette::Window));
            for (const QString &name : {u"Slowo_0"_s, u"Slowo_1"_s, u"Slowo_2"_s, u"Prowerka_0"_s}) {
                const QWidget *box = child(name);
                ZORT_EXPECT("text background", colourOf(a.textBackground), box->palette().color(QPalette::Base));
                ZORT_EXPECT("text colour", colourOf(a.textColour), box->palette().color(QPalette::Text));
                ZORT_EXPECT("font face", a.fontFace, box->font().family());
                ZORT_EXPECT("font size", a.fontSize, box->font().pointSize());
            }
            ZORT_EXPECT("label background", colourOf(a.textBackground),
                        child(u"Ndapis"_s)->palette().color(QPalette::Window));
        }
        if (!m_settings.isOpen())
            return QString();
        for (int k = 0; k < 3; ++k) {
            ZORT_EXPECT("slider", model.sliderPosition(k), settingsChild<QSlider>(u"Slider1_%1"_s.arg(k))->value());
            ZORT_EXPECT("read-out", model.readout(k), settingsChild<QLabel>(u"Label_ST_%1"_s.arg(k))->text());
        }
        ZORT_EXPECT("colour caption", model.colourCaption(), settingsChild<QLabel>(u"Label_Cv_3"_s)->text());
        for (int e = 0; e < AppearanceStore::kElements; ++e)
            ZORT_EXPECT("chosen option", e == model.editedElement(),
                        settingsChild<QRadioButton>(u"Option1_%1"_s.arg(e))->isChecked());
        auto *sizes = settingsChild<QListView>(u"List_font_1"_s);
        const QModelIndexList rows = ListRows::selected(sizes);
        ZORT_EXPECT("chosen size", model.fontList(AppearanceEditor::kSizeList).selected(),
                    rows.isEmpty() ? qsizetype(-1) : qsizetype(rows.first().row()));
        ZORT_EXPECT("sample size", model.sampleSize(), settingsChild<QLineEdit>(u"Text_Cv_0"_s)->font().pointSize());
        ZORT_EXPECT("settings background", colourOf(quint32(model.windowBackground())),
                    settingsChild<QLabel>(u"Label_Cv_3"_s)->parentWidget()->palette().color(QPalette::Window));
        return QString();
    }

    const GeneratedContent &m_content;
    std::unique_ptr<QuizWindow> m_window;
    TestOracle m_oracle;
    SettingsSession m_settings;
};

} // namespace

class TestRandomWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void windowSessions_data();
    void windowSessions();
    void cleanupTestCase();

private:
    QTemporaryDir m_dir;
    QStringList m_pictures;
    Figures m_figures;
    qint64 m_elapsedMs = 0;
};

void TestRandomWindows::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Small pictures and one larger than the thumbnail, each a different colour, plus a file that
    // is not an image at all.
    const QList<std::pair<QSize, QColor>> pictures{
        {QSize(40, 30), Qt::red}, {QSize(105, 89), Qt::blue}, {QSize(400, 300), Qt::yellow}, {QSize(1, 1), Qt::cyan}};
    for (const auto &[size, colour] : pictures) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = m_dir.filePath(u"picture-%1.png"_s.arg(m_pictures.size()));
        QVERIFY(image.save(path));
        m_pictures << path;
    }
    QFile broken(m_dir.filePath(u"broken.png"_s));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    m_pictures << broken.fileName();
}

void TestRandomWindows::windowSessions_data()
{
    addSeedRows("ZORT_WINDOW_SESSIONS", 75, 4, 50000000);
}

void TestRandomWindows::windowSessions()
{
    QFETCH(quint64, firstSeed);
    QFETCH(qint64, sessions);
    QElapsedTimer timer;
    timer.start();
    const QStringList faces = QFontDatabase::families();
    for (qint64 i = 0; i < sessions; ++i) {
        const quint64 seed = firstSeed + quint64(i);
        SeededChooser chooser(seed);
        const int maxActions = chooser.between(10, 200);
        const bool diligent = chooser.chance(40);
        const GeneratedContent content = sessionContent(chooser, m_pictures, m_figures);
        SessionLog log(content);
        auto fail = [&](const QString &problem) {
            ++m_figures.violations;
            QFAIL(qPrintable(u"seed %1: %2\n  after: %3\nreplay: ZORT_SEED=%1 tst_random_windows windowSessions"_s
                                 .arg(seed).arg(problem, log.trail())));
        };
        WindowSession session(content, faces);
        QString problem = session.startup();
        if (!problem.isEmpty())
            return fail(problem);
        for (int step = 0; step < maxActions; ++step) {
            const Action action = chooseAction(chooser, session.quiz(), session.settingsOpen(), diligent);
            log.add(action.describe());
            ++m_figures.actions;
            if (action.kind == ActionKind::Exit)
                break;
            const TestState before = TestState::of(session.quiz());
            problem = session.play(chooser, action, m_figures);
            if (!problem.isEmpty())
                return fail(problem);
            countEffects(m_figures, before, action, session.quiz());
        }
    }
    m_elapsedMs += timer.elapsed();
}

void TestRandomWindows::cleanupTestCase()
{
    // Printed whatever the logging rules, for the README's figures.
    std::printf("FIGURES window sessions: %s in %lld ms\n", qPrintable(m_figures.summary()), m_elapsedMs);
}

ZORT_TEST_MAIN(TestRandomWindows)
#include "tst_random_windows.moc"
