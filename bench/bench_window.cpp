// Every learner action in the real main window, timed from the click to the end of the repaint it
// causes, on content of 27, 1,000 and 10,000 pairs; the settings window's actions on the built-in
// content (and "Запис", which restyles the main window's lists, at every size). Runs on whatever
// platform QT_QPA_PLATFORM names: offscreen, or xcb under Xvfb.
#include "bench_support.h"
#include "settingswindow/settings_window.h"
#include "quizwindow/quiz_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QMenuBar>
#include <QPointer>
#include <QSlider>
#include <QTest>
#include <QWindow>

#include <functional>
#include <memory>

using bench::timed;

namespace {

// Counts the frames of every top-level window: a frame is the handling of one expose or update
// request on the window during which widgets were painted (painting and flushing happen inside).
class FrameCountingApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Paint)
            ++m_paints;
        if (type != QEvent::Expose && type != QEvent::UpdateRequest)
            return QApplication::notify(receiver, event);
        const qint64 before = m_paints;
        const bool result = QApplication::notify(receiver, event);
        if (m_paints > before) {
            QObject *owner = receiver;
            if (auto *window = qobject_cast<QWindow *>(receiver)) {
                for (QWidget *w : QApplication::topLevelWidgets()) {
                    if (w->windowHandle() == window)
                        owner = w;
                }
            }
            ++m_frames[owner];
        }
        return result;
    }

    qint64 frames(const QObject *window) const { return m_frames.value(window); }

private:
    qint64 m_paints = 0;
    QHash<const QObject *, qint64> m_frames;
};

FrameCountingApplication *app()
{
    return static_cast<FrameCountingApplication *>(QCoreApplication::instance());
}

// Does what the learner does, then handles events until `window` has shown a frame and no further
// frame follows (a list's delayed layout, for one, repaints once more).
void actAndWaitForFrame(const std::function<void()> &act, const std::function<QWidget *()> &window)
{
    QWidget *w = window();
    const qint64 before = w ? app()->frames(w) : 0;
    act();
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        w = window();
        if (w && app()->frames(w) > before)
            break;
        if (clock.elapsed() > 2000) {
            qWarning("no frame within 2 s");
            return;
        }
    }
    for (qint64 seen = app()->frames(w);;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (app()->frames(w) == seen)
            break;
        seen = app()->frames(w);
    }
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// The main window on n pairs, shown and painted, so the first timed click finds it steady.
struct QuizRun {
    explicit QuizRun(int pairs) : window(std::make_unique<QuizWindow>(bench::content(pairs)))
    {
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the main window was not exposed");
        settle();
    }

    QListView *list(int i) const { return window->findChild<QListView *>(QStringLiteral("Slowo_%1").arg(i)); }
    QAbstractButton *button(int i) const
    {
        return window->findChild<QAbstractButton *>(QStringLiteral("Uprawl_%1").arg(i));
    }
    QWidget *top() const { return window.get(); }

    void clickRow(int i, int row)
    {
        QListView *w = list(i);
        const QModelIndex index = w->model()->index(row, 0);
        w->scrollTo(index);
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, w->visualRect(index).center());
    }
    void clickButton(int i) { QTest::mouseClick(button(i), Qt::LeftButton); }
    void clickMenu(QMenuBar *bar, const QString &objectName)
    {
        QAction *action = bar->findChild<QAction *>(objectName);
        if (!action) {
            for (QAction *a : bar->actions()) {
                if (a->objectName() == objectName)
                    action = a;
            }
        }
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
    }

    // Timed: a click, then the repaint of `target` (the main window unless named).
    double click(const std::function<void()> &act, std::function<QWidget *()> target = {})
    {
        if (!target)
            target = [this] { return top(); };
        return timed([&] { actAndWaitForFrame(act, target); });
    }
    // Untimed: the same, to put the state back.
    void untimed(const std::function<void()> &act) { actAndWaitForFrame(act, [this] { return top(); }); }

    void enterMiddlePair()
    {
        untimed([&] { clickRow(0, list(0)->model()->rowCount() / 2); });
        untimed([&] { clickRow(1, list(1)->model()->rowCount() / 2); });
        untimed([&] { clickButton(Quiz::Enter); });
    }
    // Every pair entered through the core (the window follows); far quicker than clicking.
    void enterAll()
    {
        ::Quiz &quiz = window->quiz();
        while (!quiz.list(0).isEmpty() && !quiz.list(1).isEmpty()) {
            quiz.selectRow(0, 0);
            quiz.selectRow(1, 0);
            quiz.pressButton(Quiz::Enter);
        }
        quiz.pressButton(Quiz::Explain); // nothing to explain; the click applies the evaluate-button rule
        settle();
    }

    QMenuBar *menu() const { return window->menuBar(); }
    QWidget *settings() const { return window->settingsWindow(); }

    std::unique_ptr<QuizWindow> window;
};

constexpr int kEnteredBefore = 5;

void enterPair(benchmark::State &state, int pairs)
{
    QuizRun q(pairs);
    for (int i = 0; i < kEnteredBefore; ++i)
        q.enterMiddlePair();
    for (auto _ : state) {
        q.untimed([&] { q.clickRow(0, q.list(0)->model()->rowCount() / 2); });
        q.untimed([&] { q.clickRow(1, q.list(1)->model()->rowCount() / 2); });
        state.SetIterationTime(q.click([&] { q.clickButton(Quiz::Enter); }));
        q.untimed([&] { q.clickRow(2, q.list(2)->model()->rowCount() - 1); });
        q.untimed([&] { q.clickButton(Quiz::TakeBack); });
    }
}

void takeBack(benchmark::State &state, int pairs)
{
    QuizRun q(pairs);
    for (int i = 0; i < kEnteredBefore; ++i)
        q.enterMiddlePair();
    for (auto _ : state) {
        q.enterMiddlePair();
        q.untimed([&] { q.clickRow(2, q.list(2)->model()->rowCount() / 2); });
        state.SetIterationTime(q.click([&] { q.clickButton(Quiz::TakeBack); }));
    }
}

void selectIn(benchmark::State &state, int pairs, int list)
{
    QuizRun q(pairs);
    for (int i = 0; i < kEnteredBefore; ++i)
        q.enterMiddlePair();
    const int rows[2] = {q.list(list)->model()->rowCount() / 2, q.list(list)->model()->rowCount() / 2 - 1};
    int turn = 0;
    for (auto _ : state) {
        const int row = rows[turn ^= 1];
        state.SetIterationTime(q.click([&] { q.clickRow(list, row); }));
    }
}

// Once per test: a fresh window with every pair entered for each iteration.
void evaluate(benchmark::State &state, int pairs)
{
    for (auto _ : state) {
        QuizRun q(pairs);
        q.enterAll();
        state.SetIterationTime(q.click([&] { q.clickButton(Quiz::Evaluate); }));
    }
}

// Before the evaluation "Обясни" works once per test: a fresh window for each iteration.
void explainBefore(benchmark::State &state, int pairs)
{
    for (auto _ : state) {
        QuizRun q(pairs);
        q.untimed([&] { q.clickRow(0, q.list(0)->model()->rowCount() / 2); });
        q.untimed([&] { q.clickRow(1, q.list(1)->model()->rowCount() / 2); });
        state.SetIterationTime(q.click([&] { q.clickButton(Quiz::Explain); }));
    }
}

void explainAfter(benchmark::State &state, int pairs)
{
    QuizRun q(pairs);
    q.enterAll();
    q.untimed([&] { q.clickButton(Quiz::Evaluate); });
    const int middle = q.list(2)->model()->rowCount() / 2;
    int turn = 0;
    for (auto _ : state) {
        q.untimed([&] { q.clickRow(2, middle - (turn ^= 1)); });
        state.SetIterationTime(q.click([&] { q.clickButton(Quiz::Explain); }));
    }
}

// "Color" the first time builds the settings window: a fresh main window for each iteration.
void settingsOpenFirst(benchmark::State &state)
{
    for (auto _ : state) {
        QuizRun q(27);
        state.SetIterationTime(
            q.click([&] { q.clickMenu(q.menu(), QStringLiteral("Cwqt")); }, [&] { return q.settings(); }));
    }
}

void settingsOpenSecond(benchmark::State &state)
{
    QuizRun q(27);
    for (auto _ : state) {
        q.untimed([&] { q.clickMenu(q.menu(), QStringLiteral("Cwqt")); });
        settle();
        q.settings()->close();
        settle();
        state.SetIterationTime(
            q.click([&] { q.clickMenu(q.menu(), QStringLiteral("Cwqt")); }, [&] { return q.settings(); }));
        q.settings()->close();
        settle();
    }
}

void slider(benchmark::State &state)
{
    QuizRun q(27);
    actAndWaitForFrame([&] { q.clickMenu(q.menu(), QStringLiteral("Cwqt")); }, [&] { return q.settings(); });
    auto *s = q.settings()->findChild<QSlider *>(QStringLiteral("Slider1_1"));
    int turn = 0;
    for (auto _ : state) {
        const Qt::Key key = (turn ^= 1) ? Qt::Key_Right : Qt::Key_Left;
        state.SetIterationTime(q.click([&] { QTest::keyClick(s, key); }, [&] { return q.settings(); }));
    }
}

// "Запис" restyles the main window and closes the settings window; it is opened again untimed.
void zapis(benchmark::State &state, int pairs)
{
    QuizRun q(pairs);
    int turn = 0;
    for (auto _ : state) {
        actAndWaitForFrame([&] { q.clickMenu(q.menu(), QStringLiteral("Cwqt")); }, [&] { return q.settings(); });
        // A change to apply: the form colour moves one step each time.
        auto *s = q.settings()->findChild<QSlider *>(QStringLiteral("Slider1_1"));
        QTest::keyClick(s, (turn ^= 1) ? Qt::Key_Right : Qt::Key_Left);
        settle();
        auto *bar = q.settings()->findChild<QMenuBar *>();
        state.SetIterationTime(q.click([&] { q.clickMenu(bar, QStringLiteral("mnu_zapis")); }));
        settle();
    }
}

benchmark::internal::Benchmark *add(const std::string &name, std::function<void(benchmark::State &)> fn)
{
    return benchmark::RegisterBenchmark(name.c_str(), std::move(fn))
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);
}

} // namespace

int main(int argc, char **argv)
{
    FrameCountingApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    const std::string platform = QGuiApplication::platformName().toStdString();
    const std::string prefix = "window-" + platform + "/";
    for (int n : bench::kSizes) {
        const std::string size = "/" + std::to_string(n);
        // Steady actions: enough clicks for a stable median, fewer where each costs more.
        const int steady = n >= 10000 ? 20 : n >= 1000 ? 100 : 200;
        const int fresh = n >= 10000 ? 3 : n >= 1000 ? 10 : 30;
        add(prefix + "enter_pair" + size, [n](benchmark::State &s) { enterPair(s, n); })->Iterations(steady);
        add(prefix + "take_back" + size, [n](benchmark::State &s) { takeBack(s, n); })->Iterations(steady);
        add(prefix + "select_left" + size, [n](benchmark::State &s) { selectIn(s, n, 0); })->Iterations(steady);
        add(prefix + "select_right" + size, [n](benchmark::State &s) { selectIn(s, n, 1); })->Iterations(steady);
        add(prefix + "select_entered" + size, [n](benchmark::State &s) { selectIn(s, n, 2); })->Iterations(steady);
        add(prefix + "evaluate" + size, [n](benchmark::State &s) { evaluate(s, n); })->Iterations(fresh);
        add(prefix + "explain_before" + size, [n](benchmark::State &s) { explainBefore(s, n); })->Iterations(fresh);
        add(prefix + "explain_after" + size, [n](benchmark::State &s) { explainAfter(s, n); })->Iterations(steady);
        add(prefix + "settings_zapis" + size, [n](benchmark::State &s) { zapis(s, n); })->Iterations(n >= 10000 ? 10 : 50);
    }
    add(prefix + "settings_open_first", settingsOpenFirst)->Iterations(30);
    add(prefix + "settings_open_second", settingsOpenSecond)->Iterations(50);
    add(prefix + "settings_slider", slider)->Iterations(200);

    bench::TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::vector<bench::Target> targets;
    for (const char *action : {"enter_pair", "take_back", "select_left", "select_right", "select_entered",
                               "evaluate", "explain_before", "explain_after", "settings_zapis"})
        targets.push_back({prefix + action + "/27", 5000, "click to repainted window, built-in content, under 5 ms"});
    targets.push_back({prefix + "settings_open", 5000, "click to painted settings window, under 5 ms"});
    targets.push_back({prefix + "settings_slider", 5000, "key to repainted settings window, under 5 ms"});
    reporter.printTargets(targets);
    benchmark::Shutdown();
    return 0;
}
