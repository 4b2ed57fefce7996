#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <memory>

using namespace Qt::StringLiterals;

// What a blind learner hears: the quiz program runs on a private desktop (Xvfb, a session bus,
// the accessibility bus) with Orca listening, speech and braille off. Real keys go to the real
// window (xdotool), and every step checks the lines Orca would have spoken.
//
// Nothing waits a fixed time. Qt hands every key to the accessibility registry first and gives it
// to the widget focused at the moment it came in, once Orca answers or after 100 ms; so keys typed
// faster than the program and Orca keep up land in the wrong control. Every key therefore waits
// until Orca has seen it, and a key that moves the focus until the new focus is reported. Every
// wait ends at a deadline, so a silent Orca fails the step it stopped at instead of the run.
class TestScreenReader : public QObject
{
    Q_OBJECT

    // CTest gives the whole test 240 s; the budget leaves room to stop the helpers and report.
    static constexpr int budgetMs = 200000;
    static constexpr int stepMs = 20000;
    // How long Orca must have written nothing before a step counts as told in full.
    static constexpr int quietMs = 300;

    QDeadlineTimer m_budget{budgetMs};
    QTemporaryDir m_dir;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
    std::unique_ptr<QProcess> m_xvfb, m_bus, m_orca, m_program;
    // Orca writes its debug log through a file object that flushes only when full, except to a
    // terminal: a pseudo-terminal hands every line over at once.
    int m_pty = -1;
    int m_ptySlave = -1;
    QByteArray m_log;
    // Written as it comes, so that even a killed run leaves what Orca did for its reader.
    QFile m_logFile{u"tst_screen_reader-orca.log"_s};
    qsizetype m_stepStart = 0;
    // The step at which Orca or the program stopped answering: later steps would only time out.
    QString m_brokenAt;

    std::unique_ptr<QProcess> start(const QString &program, const QStringList &arguments)
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(m_env);
        process->setProcessChannelMode(QProcess::SeparateChannels);
        process->start(program, arguments);
        return process;
    }
    // The first line a helper prints, e.g. its display number or bus address.
    static QString firstLine(QProcess &process)
    {
        QByteArray line;
        for (QDeadlineTimer deadline(10000); !deadline.hasExpired() && !line.contains('\n');) {
            process.waitForReadyRead(100);
            line += process.readAllStandardOutput();
        }
        return QString::fromUtf8(line.left(line.indexOf('\n'))).trimmed();
    }
    bool run(const QStringList &command, QString *output = nullptr)
    {
        QProcess process;
        process.setProcessEnvironment(m_env);
        process.start(command.first(), command.mid(1));
        // Meanwhile Orca's log keeps being read, so Orca never waits for it.
        const bool done = QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 15000)
                          && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        if (output)
            *output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
        return done;
    }
    void readLog()
    {
        char buffer[65536];
        for (ssize_t n; (n = ::read(m_pty, buffer, sizeof buffer)) > 0;) {
            m_log.append(buffer, n);
            m_logFile.write(buffer, n);
        }
        m_logFile.flush();
    }
    // Polls until done() holds; false once the deadline passes or Orca is gone.
    template<typename Done>
    bool waitUntil(Done done, const QDeadlineTimer &deadline)
    {
        for (;;) {
            readLog();
            if (done())
                return true;
            if (deadline.hasExpired() || m_orca->state() == QProcess::NotRunning)
                return false;
            QTest::qWait(20);
        }
    }
    bool quiet(const QDeadlineTimer &deadline)
    {
        QElapsedTimer still;
        still.start();
        qsizetype size = m_log.size();
        return waitUntil([&] {
            if (m_log.size() != size) {
                size = m_log.size();
                still.restart();
            }
            return still.elapsed() >= quietMs;
        }, deadline);
    }
    // Where Orca began to handle the key pressed or released (its keysym name), or -1.
    qsizetype keyLogged(bool pressed, const QString &name, qsizetype from) const
    {
        const QByteArray line = (pressed ? "vvvvv PROCESS ATSPI_KEY_PRESSED_EVENT: '" : "vvvvv PROCESS ATSPI_KEY_RELEASED_EVENT: '")
                                + name.toLatin1() + '\'';
        return m_log.indexOf(line, from);
    }
    // Whether Orca has been told since `from` that a control of the program gained the focus.
    bool focusGained(qsizetype from) const
    {
        static const QRegularExpression gained(QStringLiteral(R"(in \[application \| [^\]]*\] \(1,)"));
        static const QByteArray event = "EVENT MANAGER: object:state-changed:focused for ";
        for (qsizetype at = m_log.indexOf(event, from); at >= 0; at = m_log.indexOf(event, at + 1)) {
            const qsizetype end = m_log.indexOf('\n', at);
            if (end < 0)
                return false;
            if (gained.match(QString::fromUtf8(m_log.mid(at, end - at))).hasMatch())
                return true;
        }
        return false;
    }
    // Presses one key, e.g. "Tab", "shift+Tab" or "alt" (held and let go, as before a menu), and
    // waits until Orca has seen it go down and up, and for Tab and Alt until the focus has moved.
    // Returns what went wrong, or nothing.
    QString press(const QString &key, const QDeadlineTimer &deadline)
    {
        const bool alt = key == "alt"_L1;
        const bool shifted = key.startsWith("shift+"_L1);
        const QString down = alt ? u"Alt_L"_s : shifted && key.endsWith("Tab"_L1) ? u"Backtab"_s : key.section(u'+', -1);
        const QString up = alt ? u"Alt_L"_s : shifted ? u"Shift_L"_s : down;
        const bool movesFocus = alt || key.endsWith("Tab"_L1);
        const qsizetype from = m_log.size();
        qsizetype pressed = -1;
        if (alt) {
            // Let go only after the program has passed the press on, as a hand would.
            if (!run({u"xdotool"_s, u"keydown"_s, u"alt"_s}))
                return u"xdotool could not press Alt"_s;
            if (!waitUntil([&] { return (pressed = keyLogged(true, down, from)) >= 0; }, deadline))
                return u"Orca never heard Alt go down: %1"_s.arg(focusOwner());
            if (!run({u"xdotool"_s, u"keyup"_s, u"alt"_s}))
                return u"xdotool could not let go of Alt"_s;
        } else if (!run({u"xdotool"_s, u"key"_s, key})) {
            return u"xdotool could not press %1"_s.arg(key);
        }
        if (!waitUntil([&] { return (pressed = keyLogged(true, down, from)) >= 0 && keyLogged(false, up, pressed) >= 0; },
                       deadline))
            return u"Orca never heard %1 (%2 down, %3 up): %4"_s.arg(key, down, up, focusOwner());
        // A focus report that Orca received after the key cannot belong to an earlier key.
        if (movesFocus && !waitUntil([&] { return focusGained(pressed); }, deadline))
            return u"after %1 no control gained the focus"_s.arg(key);
        return {};
    }
    // Which window has the keyboard focus, for a key that got lost.
    QString focusOwner()
    {
        QString pid, name;
        run({u"xdotool"_s, u"getwindowfocus"_s, u"getwindowpid"_s}, &pid);
        run({u"xdotool"_s, u"getwindowfocus"_s, u"getwindowname"_s}, &name);
        return u"the keyboard focus is on \"%1\" of process %2, the program is %3"_s.arg(name, pid).arg(m_program->processId());
    }
    // Spoken lines since the step began: "SPEECH OUTPUT: 'text'" followed by the voice.
    QStringList spoken() const
    {
        static const QRegularExpression line(QStringLiteral("SPEECH OUTPUT: '(.*)'"));
        QStringList lines;
        auto it = line.globalMatch(QString::fromUtf8(m_log.mid(m_stepStart)));
        while (it.hasNext())
            lines << it.next().captured(1).trimmed();
        return lines;
    }
    // The expected texts, in this order, each within one spoken line.
    static qsizetype heardInOrder(const QStringList &lines, const QStringList &expected)
    {
        qsizetype found = 0;
        for (const QString &line : lines) {
            if (found < expected.size() && line.contains(expected.at(found)))
                ++found;
        }
        return found;
    }
    // A failed step's report: what was wanted, what was heard, and how Orca's log ends.
    QString failure(const QString &what) const
    {
        QStringList tail;
        const QList<QByteArray> lines = m_log.right(20000).split('\n');
        for (auto it = lines.crbegin(); it != lines.crend() && tail.size() < 15; ++it) {
            if (!it->trimmed().isEmpty())
                tail.prepend(QString::fromUtf8(it->left(200)));
        }
        return u"step \"%1\": %2%3\nheard: %4\nOrca's log ends:\n%5"_s.arg(
            QString::fromUtf8(QTest::currentDataTag()), what,
            m_orca->state() != QProcess::NotRunning ? QString() : u" (Orca has exited)"_s,
            spoken().join(u" | "_s), tail.join(u'\n'));
    }

private Q_SLOTS:
    void initTestCase()
    {
        for (const char *tool : {"Xvfb", "dbus-daemon", "orca", "xdotool"}) {
            QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                     qPrintable(u"%1 is missing: scripts/setup-debian.sh installs it"_s.arg(QLatin1String(tool))));
        }
        // Orca refuses to run beside another Orca of the same user, e.g. a developer's own.
        if (run({u"pgrep"_s, u"-u"_s, QString::number(getuid()), u"-x"_s, u"orca"_s}))
            QSKIP("Orca is already running for this user");
        QVERIFY(m_logFile.open(QIODevice::WriteOnly));
        QVERIFY(m_dir.isValid());
        for (const char *sub : {"xdg", "home", "prefs"})
            QVERIFY(QDir(m_dir.path()).mkdir(QString::fromLatin1(sub)));
        QFile::setPermissions(m_dir.filePath(u"xdg"_s), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_env.insert(u"XDG_RUNTIME_DIR"_s, m_dir.filePath(u"xdg"_s));
        m_env.insert(u"HOME"_s, m_dir.filePath(u"home"_s));
        m_env.insert(u"XDG_CONFIG_HOME"_s, m_dir.filePath(u"home"_s));
        m_env.insert(u"GSETTINGS_BACKEND"_s, u"memory"_s);
        m_env.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
        m_env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        m_env.insert(u"QT_LINUX_ACCESSIBILITY_ALWAYS_ON"_s, u"1"_s);
        // Under AddressSanitizer: xkbcommon-x11 (the real display's keymap) hands strndup a
        // counted name without a closing NUL, which strict string checks take for an overflow.
        if (m_env.contains(u"ASAN_OPTIONS"_s))
            m_env.insert(u"ASAN_OPTIONS"_s, m_env.value(u"ASAN_OPTIONS"_s) + u":strict_string_checks=0"_s);

        m_xvfb = start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"1280x1024x24"_s, u"-nolisten"_s, u"tcp"_s});
        const QString display = firstLine(*m_xvfb);
        QVERIFY2(!display.isEmpty(), "Xvfb did not start");
        m_env.insert(u"DISPLAY"_s, u':' + display);
        m_bus = start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--nopidfile"_s, u"--print-address=1"_s});
        const QString bus = firstLine(*m_bus);
        QVERIFY2(!bus.isEmpty(), "dbus-daemon did not start");
        m_env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, bus);

        m_pty = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(m_pty >= 0 && grantpt(m_pty) == 0 && unlockpt(m_pty) == 0);
        const QString slave = QString::fromLocal8Bit(ptsname(m_pty));
        m_ptySlave = ::open(ptsname(m_pty), O_RDWR | O_NOCTTY);
        termios raw{};
        QVERIFY(m_ptySlave >= 0 && tcgetattr(m_ptySlave, &raw) == 0);
        cfmakeraw(&raw);
        tcsetattr(m_ptySlave, TCSANOW, &raw);
        auto *notifier = new QSocketNotifier(m_pty, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &TestScreenReader::readLog);

        // The accessibility bus starts on the program's or Orca's first request for it.
        m_orca = start(u"orca"_s, {u"-u"_s, m_dir.filePath(u"prefs"_s), u"-d"_s, u"speech"_s, u"-d"_s, u"braille"_s,
                                    u"-d"_s, u"main-window"_s, u"-d"_s, u"splash-window"_s, u"--debug-file"_s, slave});
        const QDeadlineTimer orcaStarted = QDeadlineTimer(30000) < m_budget ? QDeadlineTimer(30000) : m_budget;
        QVERIFY2(waitUntil([this] { return m_log.contains("ORCA: Starting ATSPI registry"); }, orcaStarted),
                 qPrintable(m_orca->state() != QProcess::NotRunning
                                ? u"Orca did not start its registry within 30 s"_s
                                : u"Orca did not start (another Orca of this user running?): "_s
                                      + QString::fromLocal8Bit(m_orca->readAll())));

        m_program = start(QStringLiteral(ZORT_PROGRAM), {});
        QString window;
        QVERIFY2(QTest::qWaitFor([&] {
            run({u"xdotool"_s, u"search"_s, u"--onlyvisible"_s, u"--pid"_s, QString::number(m_program->processId())}, &window);
            return !window.isEmpty() || m_program->state() == QProcess::NotRunning;
        }, 30000) && !window.isEmpty(), m_program->readAllStandardError().right(4000).constData());
        window = window.section(u'\n', 0, 0);
        m_stepStart = m_log.size();
        // No window manager: the learner's first click gives the window the keyboard focus. It
        // only takes once the window is viewable, so it is asked for until the focus is there.
        QString focused;
        QVERIFY2(QTest::qWaitFor([&] {
            run({u"xdotool"_s, u"windowfocus"_s, window});
            return run({u"xdotool"_s, u"getwindowfocus"_s}, &focused) && focused == window;
        }, 30000), qPrintable(u"the window %1 never got the keyboard focus (it is on %2)"_s.arg(window, focused)));
    }

    void cleanupTestCase()
    {
        for (auto *process : {m_program.get(), m_orca.get(), m_bus.get(), m_xvfb.get()}) {
            if (process && process->state() != QProcess::NotRunning) {
                process->terminate();
                if (!process->waitForFinished(5000))
                    process->kill();
                process->waitForFinished(5000);
            }
        }
        if (m_pty >= 0) {
            readLog();
            ::close(m_pty);
        }
        if (m_ptySlave >= 0)
            ::close(m_ptySlave);
    }

    void quizByKeyboard_data()
    {
        QTest::addColumn<QString>("keys");         // one after the other, as xdotool names them; "alt" alone opens the menu bar
        QTest::addColumn<QStringList>("heard");    // texts spoken, in this order
        QTest::addColumn<QStringList>("notHeard"); // texts that must not be spoken

        const QStringList otherLists{u"Латински изрази"_s, u"Значения"_s, u"List with"_s};
        const QString toLeftList = u"shift+Tab shift+Tab shift+Tab"_s;
        QTest::newRow("start-up") << QString() << QStringList{u"Латински изрази"_s, u"List with 27 items"_s} << QStringList();
        QTest::newRow("Down to an expression") << u"Down"_s << QStringList{u"de iure"_s} << QStringList();
        QTest::newRow("Home to the first expression") << u"Home"_s << QStringList{u"currente calamo"_s} << QStringList();
        QTest::newRow("Down to a meaning") << u"Tab Down"_s
                                           << QStringList{u"Значения"_s, u"вината е моя"_s} << QStringList();
        QTest::newRow("to Избрах") << u"Tab Tab"_s << QStringList{u"Избрах push button"_s} << QStringList();
        QTest::newRow("Избрах") << u"space"_s << QStringList{u"notification Остават: 26"_s} << otherLists;
        QTest::newRow("Home after an entry") << toLeftList + u" Home"_s
                                             << QStringList{u"Латински изрази"_s, u"de iure"_s} << QStringList();
        QTest::newRow("End after an entry") << u"Tab End"_s
                                            << QStringList{u"Значения"_s, u"чрез мъка към сполука"_s} << QStringList();
        QTest::newRow("to Избрах again") << u"Tab Tab"_s << QStringList{u"Избрах push button"_s} << QStringList();
        QTest::newRow("Избрах again") << u"space"_s << QStringList{u"notification Остават: 25"_s} << otherLists;
        QTest::newRow("to the entered pairs") << u"shift+Tab"_s << QStringList{u"Въведени двойки"_s} << QStringList();
        QTest::newRow("End selects the last pair") << u"End"_s << QStringList{u"de iure чрез мъка към сполука"_s}
                                                   << QStringList();
        QTest::newRow("Върни") << u"Tab Tab space"_s << QStringList{u"Върни push button"_s, u"notification Остават: 26"_s}
                               << otherLists;
        QTest::newRow("back to Избрах") << u"shift+Tab"_s << QStringList{u"Избрах push button"_s} << QStringList();
        // 21 more pairs enable "Оцени". Every key chooses an item in a list an entry left without
        // a selection, or nothing would be entered.
        const QStringList choose{u"Down"_s, u"Up"_s, u"Home"_s, u"End"_s, u"space"_s};
        for (int pair = 2; pair <= 22; ++pair) {
            const QString key = choose.at(pair % choose.size());
            QTest::addRow("pair %d", pair) << u"%1 %2 Tab %2 Tab Tab"_s.arg(toLeftList, key)
                                           << QStringList{u"Избрах push button"_s} << QStringList();
            QTest::addRow("pair %d entered", pair) << u"space"_s << QStringList{u"notification Остават: %1"_s.arg(27 - pair)}
                                                   << otherLists;
        }
        QTest::newRow("Оцени") << u"Tab Tab space"_s
                               << QStringList{u"Оцени push button"_s, u"notification Верни: 0%. currente calamo вината е моя. НЕ"_s} << otherLists;
        QTest::newRow("the pairs with their verdicts") << u"shift+Tab Down"_s
                                                       << QStringList{u"Въведени двойки"_s, u"de iure в границите"_s, u"НЕ"_s} << QStringList();
        QTest::newRow("Обясни") << u"Tab Tab Tab space"_s
                                << QStringList{u"Обясни push button"_s, u"notification \"de iure\" е във връзка с \"съгласно правото\""_s} << QStringList();
        QTest::newRow("settings window") << u"alt Right Return"_s
                                         << QStringList{u"Формиране на цвят/избор на шрифт"_s, u"Червено slider 128"_s}
                                         << QStringList();
        QTest::newRow("a slider moves") << u"Right"_s << QStringList{u"notification Червено 129. Цвят в 10/16-тичен код = 129 /H81"_s} << QStringList();
        QTest::newRow("the next slider") << u"Tab"_s << QStringList{u"Зелено slider"_s} << QStringList();
        QTest::newRow("to the elements") << u"Tab Tab"_s << QStringList{u"Цвят форма"_s} << QStringList();
        QTest::newRow("another element") << u"Down"_s << QStringList{u"Фон текст"_s, u"Цвят в 10/16-тичен код"_s} << QStringList();
        QTest::newRow("to the sizes") << u"Tab"_s << QStringList{u"Размер  шрифт"_s} << QStringList();
        QTest::newRow("another size") << u"Down"_s << QStringList{u"13"_s} << QStringList();
    }
    void quizByKeyboard()
    {
        QFETCH(QString, keys);
        QFETCH(QStringList, heard);
        QFETCH(QStringList, notHeard);
        if (!m_brokenAt.isEmpty())
            QSKIP(qPrintable(u"Orca or the program stopped answering at step \"%1\""_s.arg(m_brokenAt)));
        QVERIFY2(!m_budget.hasExpired(), qPrintable(failure(u"the time budget of %1 s is spent"_s.arg(budgetMs / 1000))));
        const QDeadlineTimer deadline = QDeadlineTimer(stepMs) < m_budget ? QDeadlineTimer(stepMs) : m_budget;
        // Broken until shown otherwise: a failed wait returns from the middle of the step.
        m_brokenAt = QString::fromUtf8(QTest::currentDataTag());
        if (!keys.isEmpty()) {
            m_stepStart = m_log.size();
            for (const QString &key : keys.split(u' ')) {
                const QString problem = press(key, deadline);
                QVERIFY2(problem.isEmpty(), qPrintable(failure(problem)));
            }
        }
        // All that was expected, and then a moment's quiet for anything said that should not be.
        QVERIFY2(waitUntil([&] { return heardInOrder(spoken(), heard) == heard.size(); }, deadline),
                 qPrintable(failure(u"expected in this order: "_s + heard.join(u" | "_s))));
        QVERIFY2(quiet(deadline), qPrintable(failure(u"Orca did not fall quiet"_s)));
        m_brokenAt.clear();
        const QString said = spoken().join(u" | "_s);
        for (const QString &text : notHeard)
            QVERIFY2(!said.contains(text), qPrintable(failure(u"must not be heard: "_s + text)));
    }
};

QTEST_GUILESS_MAIN(TestScreenReader)
#include "tst_screen_reader.moc"
