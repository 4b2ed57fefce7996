// Plays one test through the real main window, the way a learner clicks it, and saves a picture
// of the windows at each step the README shows:
//   main-start        the window as it opens
//   main-test         six pairs entered, the next one chosen
//   main-green        after the evaluation, a correct pair selected
//   main-red          a wrong pair selected
//   main-explanation  the wrong pair explained
//   settings          the settings window opened from "Color"
//
//   zort_shots OUTDIR [--suffix TEXT] [--only NAME,NAME...] [--hold NAME]
// --suffix is added to every file name (e.g. "@200"); --only saves just those steps; --hold
// stops at that step and keeps the windows open (for accessibility tools), saving nothing.

#include "core/content.h"
#include "settingswindow/settings_window.h"
#include "quizwindow/quiz_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QListView>
#include <QMenuBar>
#include <QTest>

#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

class Player
{
public:
    Player(QString outDir, QString suffix, QStringList only, QString hold)
        : m_outDir(std::move(outDir)), m_suffix(std::move(suffix)), m_only(std::move(only)), m_hold(std::move(hold))
    {
    }

    // Returns false when told to hold at this step.
    bool shot(QWidget *window, const QString &name)
    {
        settle();
        if (name == m_hold)
            return false;
        if (!m_only.isEmpty() && !m_only.contains(name))
            return true;
        const QString path = QDir(m_outDir).filePath(name + m_suffix + u".png"_s);
        // grab() renders at the screen's device pixel ratio, so 200 % gives twice the pixels.
        if (!window->grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            m_failed = true;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
        return true;
    }
    bool failed() const { return m_failed; }

    static void settle() { QTest::qWait(150); }

private:
    QString m_outDir, m_suffix;
    QStringList m_only;
    QString m_hold;
    bool m_failed = false;
};

template <typename T = QWidget>
T *child(QWidget *window, const QString &name)
{
    T *widget = window->findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

void clickRow(QWidget *window, int list, const QString &text)
{
    auto *widget = child<QListView>(window, u"Slowo_%1"_s.arg(list));
    const QModelIndexList items = widget->model()->match(widget->model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
    if (items.isEmpty())
        qFatal("no item %s", qPrintable(text));
    widget->scrollTo(items.first());
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, widget->visualRect(items.first()).center());
}

void clickRowAt(QWidget *window, int list, int row)
{
    auto *widget = child<QListView>(window, u"Slowo_%1"_s.arg(list));
    const QModelIndex index = widget->model()->index(row, 0);
    widget->scrollTo(index);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, widget->visualRect(index).center());
}

void press(QWidget *window, int button)
{
    QTest::mouseClick(child<QAbstractButton>(window, u"Uprawl_%1"_s.arg(button)), Qt::LeftButton);
}

// Meaning paired with expression k: pairs 2/3 and 7/8 are crossed, so some verdicts are red.
int meaningFor(int k)
{
    switch (k) {
    case 2: return 3;
    case 3: return 2;
    case 7: return 8;
    case 8: return 7;
    default: return k;
    }
}

void enterPair(QWidget *window, int k)
{
    const Content &content = builtInContent();
    clickRow(window, 0, content.expressions.at(k - 1));
    clickRow(window, 1, content.meanings.at(meaningFor(k) - 1));
    press(window, 0);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"zort"_s);

    QCommandLineParser parser;
    parser.addPositionalArgument(u"outdir"_s, u"Folder for the pictures."_s);
    parser.addOption({u"suffix"_s, u"Added to every file name."_s, u"text"_s});
    parser.addOption({u"only"_s, u"Comma-separated steps to save."_s, u"names"_s});
    parser.addOption({u"hold"_s, u"Stop at this step and keep the windows open."_s, u"name"_s});
    parser.addHelpOption();
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.size() != 1 && !parser.isSet(u"hold"_s))
        parser.showHelp(2);
    const QString outDir = args.value(0);
    if (!outDir.isEmpty())
        QDir().mkpath(outDir);
    QStringList only;
    if (parser.isSet(u"only"_s))
        only = parser.value(u"only"_s).split(u',', Qt::SkipEmptyParts);
    Player player(outDir, parser.value(u"suffix"_s), only, parser.value(u"hold"_s));

    QuizWindow window(builtInContent());
    window.move(0, 0);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was not shown\n");
        return 1;
    }

    auto hold = [&] { return app.exec(); };

    if (!player.shot(&window, u"main-start"_s))
        return hold();

    for (int k = 1; k <= 6; ++k)
        enterPair(&window, k);
    clickRow(&window, 0, builtInContent().expressions.at(6));
    clickRow(&window, 1, builtInContent().meanings.at(7));
    if (!player.shot(&window, u"main-test"_s))
        return hold();

    press(&window, 0);
    for (int k = 8; k <= 22; ++k)
        enterPair(&window, k);
    press(&window, 2); // "Оцени"
    clickRowAt(&window, 2, 0);
    if (!player.shot(&window, u"main-green"_s))
        return hold();
    clickRowAt(&window, 2, 1);
    if (!player.shot(&window, u"main-red"_s))
        return hold();
    press(&window, 3); // "Обясни"
    if (!player.shot(&window, u"main-explanation"_s))
        return hold();

    window.menuBar()->actions().at(1)->trigger(); // "Color"
    SettingsWindow *settings = window.settingsWindow();
    if (!settings || !QTest::qWaitForWindowExposed(settings)) {
        std::fprintf(stderr, "the settings window was not shown\n");
        return 1;
    }
    settings->move(window.frameGeometry().right() + 20, 0);
    if (!player.shot(settings, u"settings"_s))
        return hold();

    return player.failed() ? 1 : 0;
}
