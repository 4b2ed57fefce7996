#include "test_main.h"
#include "zip_samples.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

// The program given a file: a quiz it cannot open shows no quiz window, tells why on standard
// error (offscreen, where no one could close a message window) and ends with a failure status by
// itself; a quiz it can open stays open.
class TestOpenFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_capitals = QStringLiteral(ZORT_SOURCE_DIR "/examples/capitals/capitals.toml");

    QProcess *start(const QStringList &args)
    {
        auto *program = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        program->setProcessEnvironment(environment);
        program->start(QStringLiteral(ZORT_PROGRAM), args);
        return program;
    }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

private Q_SLOTS:
    void initTestCase()
    {
        write(u"problems.toml"_s, "id = \"t\"\ncaption = 3\n");
        write(u"junk.zort"_s, "PK but no zip");
        write(u"hostile.zort"_s, zipOf({{"quiz.toml", quizText()}, {"../../escaped.toml", "id = \"x\""}}));
        QDir(m_dir.path()).mkdir(u"folder.zort"_s);
        QFile huge(m_dir.filePath(u"huge.zort"_s));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(101 * 1024 * 1024)); // sparse: no disk used
#ifdef Q_OS_UNIX
        for (const char *pipe : {"pipe.toml", "pipe.zort"})
            QCOMPARE(mkfifo(QFile::encodeName(m_dir.filePath(QLatin1String(pipe))).constData(), 0600), 0);
#endif
        QProcess tool;
        tool.start(QStringLiteral(ZORT_QUIZ_TOOL), {u"bundle"_s, m_capitals, m_dir.filePath(u"capitals.zort"_s)});
        QVERIFY(tool.waitForFinished(60000) && tool.exitCode() == 0);
    }

    void cannotOpen_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("problems in the quiz") << QStringList{u"problems.toml"_s} << 1
                                              << u"problems.toml:2: заглавието на прозореца (caption) трябва да е текст"_s;
        QTest::newRow("missing quiz file") << QStringList{u"none.toml"_s} << 1 << u"none.toml:1: "_s;
#ifdef Q_OS_WIN
        // What follows is the system's own text for the error, in the system's language.
        QTest::newRow("missing bundle") << QStringList{u"none.zort"_s} << 1 << u"none.zort:1: пакетът не може да бъде прочетен: "_s;
#else
        QTest::newRow("missing bundle") << QStringList{u"none.zort"_s} << 1
                                        << u"none.zort:1: пакетът не може да бъде прочетен: No such file"_s;
#endif
        QTest::newRow("a folder") << QStringList{u"folder.zort"_s} << 1 << u"не е обикновен файл"_s;
        QTest::newRow("bundle past 100 MB") << QStringList{u"huge.zort"_s} << 1 << u"той е 101 MB"_s;
#ifdef Q_OS_UNIX
        QTest::newRow("a pipe as a bundle") << QStringList{u"pipe.zort"_s} << 1 << u"не е обикновен файл"_s;
        QTest::newRow("a pipe as a quiz file") << QStringList{u"pipe.toml"_s} << 1 << u"pipe.toml:1: "_s;
#endif
        QTest::newRow("not a zip") << QStringList{u"junk.zort"_s} << 1 << u"junk.zort:1: това не е пакет с тест"_s;
        QTest::newRow("hostile zip") << QStringList{u"hostile.zort"_s} << 1
                                     << u"\"../../escaped.toml\" в пакета излиза извън пакета"_s;
        QTest::newRow("two files") << QStringList{u"capitals.zort"_s, u"capitals.zort"_s} << 2 << u"Употреба: "_s;
    }
    void cannotOpen()
    {
        QFETCH(QStringList, files);
        QFETCH(int, status);
        QFETCH(QString, message);
        for (QString &file : files)
            file = m_dir.filePath(file);
        QProcess *program = start(files);
        QVERIFY2(program->waitForFinished(20000), "still running: it opened a window, or hangs");
        const QString err = QString::fromUtf8(program->readAllStandardError());
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program->exitCode(), status);
        QVERIFY2(err.contains(message), qPrintable(err));
    }

    // Options are answered, never taken for a file's name.
    void options_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("version") << u"--version"_s << 0 << u"^zort \\d+\\.\\d+\\.\\d+\r?\n$"_s << u"^$"_s;
        QTest::newRow("help") << u"--help"_s << 0 << u"^Употреба: zort"_s << u"^$"_s;
        QTest::newRow("unknown option") << u"--bogus"_s << 2 << u"^$"_s << u"(^|\n)Употреба: zort"_s;
    }
    void options()
    {
        QFETCH(QString, option);
        QFETCH(int, status);
        QProcess *program = start({option});
        QVERIFY2(program->waitForFinished(20000), "still running: it opened a window, or hangs");
        QCOMPARE(program->exitCode(), status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const QString printed = QString::fromUtf8(program->readAllStandardOutput());
        const QString complained = QString::fromUtf8(program->readAllStandardError());
        QVERIFY2(QRegularExpression(out).match(printed).hasMatch(), qPrintable(printed));
        QVERIFY2(QRegularExpression(err).match(complained).hasMatch(), qPrintable(complained));
    }

    void opens_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("quiz file") << m_capitals;
        QTest::newRow("bundle") << m_dir.filePath(u"capitals.zort"_s);
    }
    void opens()
    {
        QFETCH(QString, file);
        QProcess *program = start({file});
        QVERIFY(!program->waitForFinished(2000)); // the quiz window is open
        const QString err = QString::fromUtf8(program->readAllStandardError());
        QVERIFY2(!err.contains(QFileInfo(file).fileName()), qPrintable(err));
    }
    void cleanup()
    {
        for (QProcess *program : findChildren<QProcess *>()) {
            program->kill();
            program->waitForFinished();
            delete program;
        }
    }
};

ZORT_TEST_MAIN(TestOpenFile)
#include "tst_open_file.moc"
