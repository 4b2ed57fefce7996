#include "test_main.h"

#include <QDeadlineTimer>
#include <QDir>
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
// On a busy machine the program and Orca fall behind the keys, so each key waits for Orca to hear
// it. Qt hands a key to Orca first and then, once Orca answers or after a moment, to the control
// focused when the key came in: so after a key that moves the focus, the next waits until the
// program has reported the new focus. Orca passes over a focus report once a newer one is in: so
// where the learner is to hear the control, the next key also waits until Orca has handled it.
class TestScreenReader : public QObject
{
    Q_OBJECT

    static constexpr int waitMs = 30000;
    QTemporaryDir m_dir;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
    std::unique_ptr<QProcess> m_xvfb, m_bus, m_orca, m_program;
    // Orca writes its debug log through a file object that flushes only when full, except to a
    // terminal: a pseudo-terminal hands every line over at once.
    int m_pty = -1;
    int m_ptySlave = -1;
    QByteArray m_log;
    QElapsedTimer m_sinceLogged;
    // Written as it comes, so that even a run CTest stops leaves what Orca did for its reader.
    QFile m_logFile{u"tst_screen_reader-orca.log"_s};
    qsizetype m_stepStart = 0;
    // A step that failed: the steps after it start from a state they do not expect.
    QString m_failedStep;

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
        for (int waits = 0; waits < 100 && !line.contains('\n'); ++waits) {
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
                          && process.exitCode() == 0;
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
        m_sinceLogged.start();
    }
    // Polls until done() holds; false after waitMs, or at once when Orca or the program is gone.
    template<typename Done>
    bool waitFor(Done done)
    {
        for (QDeadlineTimer deadline(waitMs); !done(); QTest::qWait(20)) {
            if (deadline.hasExpired() || m_orca->state() != QProcess::Running || m_program->state() != QProcess::Running)
                return false;
        }
        return true;
    }
    // The control that Orca was first told had gained the focus after `from`, as its log names it
    // ("[push button | Оцени]"); empty if none yet. Not an item of a list: keys in a list move the
    // focus among them, and such a report may come in only after the next key.
    QByteArray focusGained(qsizetype from) const
    {
        static const QRegularExpression gained(
            QStringLiteral(R"(object:state-changed:focused for (\[(?!list item \|).*?\]) in \[application \| .*\] \(1,)"));
        return gained.match(QString::fromUtf8(m_log.mid(from))).captured(1).toUtf8();
    }
    static bool movesFocus(const QString &key) { return key.endsWith("Tab"_L1) || key == "alt"_L1; }
    // Presses one key as xdotool names it ("alt" is let go once Orca has heard it, as by a hand).
    // `heardOut`: the learner listens to where the focus went. Returns what did not happen, if any.
    QString press(const QString &key, bool heardOut)
    {
        const qsizetype from = m_log.size();
        const QByteArray keysym = key == "shift+Tab"_L1 ? "Backtab" : key == "alt"_L1 ? "Alt_L" : key.toLatin1();
        const auto heard = [&] { return m_log.indexOf("PROCESS ATSPI_KEY_PRESSED_EVENT: '" + keysym + '\'', from) >= 0; };
        const bool hold = key == "alt"_L1;
        if (!run({u"xdotool"_s, hold ? u"keydown"_s : u"key"_s, key}))
            return u"xdotool could not press "_s + key;
        if (!waitFor(heard))
            return u"Orca did not hear "_s + key;
        if (hold && !run({u"xdotool"_s, u"keyup"_s, key}))
            return u"xdotool could not let go of "_s + key;
        if (!movesFocus(key))
            return {};
        QByteArray control;
        if (!waitFor([&] { return !(control = focusGained(from)).isEmpty(); }))
            return u"no control of the program gained the focus after "_s + key;
        // Until Orca has taken that report off its queue and finished with it.
        const auto handled = [&] {
            const qsizetype taken = m_log.indexOf("Dequeued object:state-changed:focused " + control + " (1,", from);
            return taken >= 0 && m_log.indexOf("^^^^^ PROCESS OBJECT EVENT", taken) >= 0;
        };
        if (heardOut && !waitFor(handled))
            return u"Orca did not handle the focus on "_s + QString::fromUtf8(control);
        return {};
    }
    // Spoken lines since `from`: "SPEECH OUTPUT: 'text'", and maybe the voice ("{...}").
    QStringList spoken(qsizetype from) const
    {
        static const QRegularExpression line(QStringLiteral("SPEECH OUTPUT: '(.*?)' ?(\\{.*\\})?$"),
                                             QRegularExpression::MultilineOption);
        QStringList lines;
        auto it = line.globalMatch(QString::fromUtf8(m_log.mid(from)));
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
    // Why a step failed: what did not come, what the step heard and what Orca said last of all.
    QString failure(const QString &what) const
    {
        const QStringList all = spoken(0);
        return u"step \"%1\": %2 (%3)\nheard in this step: %4\nOrca said last: %5"_s.arg(
            QString::fromUtf8(QTest::currentDataTag()), what,
            m_orca->state() != QProcess::Running      ? u"Orca has exited"_s
            : m_program->state() != QProcess::Running ? u"the program has exited"_s
                                                      : u"waited %1 s"_s.arg(waitMs / 1000),
            spoken(m_stepStart).join(u" | "_s), all.isEmpty() ? QString() : all.last());
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

        // Orca's log describes every event's objects in full, each detail one more call to the
        // program: on a busy machine most of Orca's work. The test reads none of it.
        QFile customizations(m_dir.filePath(u"prefs/orca-customizations.py"_s));
        QVERIFY(customizations.open(QIODevice::WriteOnly));
        customizations.write("from orca import debug\ndebug.printDetails = lambda *arguments, **keywords: None\n");
        customizations.close();
        // The accessibility bus starts on the program's or Orca's first request for it.
        m_orca = start(u"orca"_s, {u"-u"_s, m_dir.filePath(u"prefs"_s), u"-d"_s, u"speech"_s, u"-d"_s, u"braille"_s,
                                    u"-d"_s, u"main-window"_s, u"-d"_s, u"splash-window"_s, u"--debug-file"_s, slave});
        QVERIFY(QTest::qWaitFor([this] { return m_log.contains("ORCA: Starting ATSPI registry")
                                                || m_orca->state() == QProcess::NotRunning; }, 60000));
        QVERIFY2(m_orca->state() == QProcess::Running,
                 qPrintable(u"Orca did not start (another Orca of this user running?): "_s
                            + QString::fromLocal8Bit(m_orca->readAll())));

        m_program = start(QStringLiteral(ZORT_PROGRAM), {});
        QString window;
        QVERIFY2(QTest::qWaitFor([&] {
            run({u"xdotool"_s, u"search"_s, u"--onlyvisible"_s, u"--pid"_s, QString::number(m_program->processId())}, &window);
            return !window.isEmpty() || m_program->state() == QProcess::NotRunning;
        }, 60000) && !window.isEmpty(), m_program->readAllStandardError().right(4000).constData());
        window = window.section(u'\n', 0, 0);
        m_stepStart = m_log.size();
        // No window manager: the learner's first click gives the window the keyboard focus. It
        // takes only once the window is viewable, so it is asked for until the focus is there.
        QString focused;
        QVERIFY2(QTest::qWaitFor([&] {
            run({u"xdotool"_s, u"windowfocus"_s, window});
            return run({u"xdotool"_s, u"getwindowfocus"_s}, &focused) && focused == window;
        }, 30000), qPrintable(u"the window never got the keyboard focus (it is on %1)"_s.arg(focused)));
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
        if (m_pty >= 0)
            ::close(m_pty);
        if (m_ptySlave >= 0)
            ::close(m_ptySlave);
    }

    void quizByKeyboard_data()
    {
        QTest::addColumn<QString>("keys");         // one after another, as xdotool names them
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
        if (!m_failedStep.isEmpty())
            QSKIP(qPrintable(u"step \"%1\" failed"_s.arg(m_failedStep)));
        m_failedStep = QString::fromUtf8(QTest::currentDataTag()); // until it passes
        if (!keys.isEmpty()) {
            m_stepStart = m_log.size();
            const QStringList all = keys.split(u' ');
            for (qsizetype i = 0; i < all.size(); ++i) {
                // Tabbing on past a control, the learner need not hear it out.
                const bool heardOut = i + 1 == all.size() || !movesFocus(all.at(i + 1));
                if (const QString problem = press(all.at(i), heardOut); !problem.isEmpty())
                    QFAIL(qPrintable(failure(problem)));
            }
        }
        // All of it, then a moment's quiet for anything said that should not be.
        if (!waitFor([&] { return heardInOrder(spoken(m_stepStart), heard) == heard.size(); }))
            QFAIL(qPrintable(failure(u"not heard in this order: "_s + heard.join(u" | "_s))));
        if (!waitFor([&] { return m_sinceLogged.elapsed() >= 250; }))
            QFAIL(qPrintable(failure(u"Orca did not fall quiet"_s)));
        const QString said = spoken(m_stepStart).join(u" | "_s);
        for (const QString &text : notHeard) {
            if (said.contains(text))
                QFAIL(qPrintable(failure(u"heard what should not be: "_s + text)));
        }
        m_failedStep.clear();
    }
};

ZORT_TEST_GUILESS_MAIN(TestScreenReader)
#include "tst_screen_reader.moc"
