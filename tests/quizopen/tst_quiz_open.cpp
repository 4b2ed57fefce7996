#include "test_main.h"
#include "quiz_samples.h"
#include "zip_samples.h"
#include "quizfile/bundle.h"
#include "quizopen/quiz_open.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

#include <cstdlib>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

QByteArray png()
{
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes;
}

// One in every 50 bytes varies, so deflate packs this about 15 to 1: no bomb, only large.
QByteArray compressible(qsizetype size)
{
    QByteArray bytes(size, 'a');
    for (qsizetype i = 0; i < size; i += 50)
        bytes[i] = char(i * 7919 % 251);
    return bytes;
}

QStringList entryNames(const QString &bundle)
{
    zip_t *zip = zip_open(QFile::encodeName(bundle).constData(), ZIP_RDONLY, nullptr);
    QStringList names;
    for (zip_int64_t i = 0; zip && i < zip_get_num_entries(zip, 0); ++i)
        names << QString::fromUtf8(zip_get_name(zip, zip_uint64_t(i), 0));
    if (zip)
        zip_discard(zip);
    return names;
}

} // namespace

// A quiz read at run time, from its file or its bundle: the same content as the build makes of it,
// every kind of bundle a stranger could send refused with its reason, and the bundle writer.
class TestQuizOpen : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private Q_SLOTS:
    void sameContentAsBuilt_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("bundled");
        QTest::addColumn<const Content *>("built");
        const QString capitals = QStringLiteral(ZORT_SOURCE_DIR "/examples/capitals/capitals.toml");
        const QString forty = QStringLiteral(ZORT_SOURCE_DIR "/tests/quizfile/forty/forty.toml");
        QTest::newRow("capitals") << capitals << false << &capitalsContent();
        QTest::newRow("capitals, bundled") << capitals << true << &capitalsContent();
        QTest::newRow("forty, from a table") << forty << false << &fortyContent();
        QTest::newRow("forty, bundled") << forty << true << &fortyContent();
    }
    void sameContentAsBuilt()
    {
        QFETCH(QString, file);
        QFETCH(bool, bundled);
        QFETCH(const Content *, built);
        QString path = file;
        if (bundled) {
            path = m_dir.filePath(u"same.zort"_s);
            QCOMPARE(QuizFile::writeBundle(QuizFile::check(file), file, path), QString());
        }
        const QuizOpen::Opened opened = QuizOpen::open(path);
        QVERIFY2(opened.ok(), qPrintable(opened.problems.join(u'\n')));
        const Content &c = opened.content;
        QCOMPARE(c.expressions, built->expressions);
        QCOMPARE(c.meanings, built->meanings);
        QCOMPARE(c.window.caption, built->window.caption);
        QCOMPARE(c.window.outerWidth, built->window.outerWidth);
        QVERIFY(c.window.listLeft == built->window.listLeft && c.window.listWidth == built->window.listWidth);
        QCOMPARE(c.instructions, built->instructions);
        QCOMPARE(c.expressionsName, built->expressionsName);
        QCOMPARE(c.meaningsName, built->meaningsName);
        QCOMPARE(c.flags, built->flags);
        QCOMPARE(c.lines, built->lines);
        QCOMPARE(c.pictureFlags, built->pictureFlags);
        QCOMPARE(c.pictures.size(), built->pictures.size());
        // The build puts each picture in a resource; the program holds the same picture as bytes,
        // decoded with the reader's limits when shown.
        QVERIFY(c.readPicture);
        for (int k = 1; k <= built->pictures.size(); ++k) {
            QVERIFY(c.pictureOf(k).isEmpty());
            const QString resource = built->pictureOf(k);
            const QImage expected = resource.isEmpty() ? QImage() : QImage(resource);
            const QByteArray data = c.pictureDataOf(k);
            QCOMPARE((data.isEmpty() ? QImage() : c.readPicture(data)).convertToFormat(QImage::Format_ARGB32),
                     expected.convertToFormat(QImage::Format_ARGB32));
        }
    }

    void badBundles_data()
    {
        QTest::addColumn<QByteArray>("bundle");
        QTest::addColumn<QString>("file"); // inside the bundle, or empty for the bundle itself
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("message");
        const ZipEntry quiz{"quiz.toml", quizText()};
        const QByteArray valid = zipOf({quiz});
        QTest::newRow("not a zip") << QByteArray("id = \"t\"\n") << QString() << 1 << u"is not a quiz bundle"_s;
        QTest::newRow("cut short") << valid.left(valid.size() / 2) << QString() << 1 << u"is not a quiz bundle"_s;
        QTest::newRow("absolute path") << zipOf({quiz, {"/tmp/zort-x.png", png()}}) << QString() << 1
                                       << u"\"/tmp/zort-x.png\" in the bundle has an absolute path"_s;
        QTest::newRow("climbs out") << zipOf({quiz, {"flags/../../x.png", png()}}) << QString() << 1
                                    << u"\"flags/../../x.png\" in the bundle climbs out"_s;
        QTest::newRow("backslash") << zipOf({quiz, {"..\\x.png", png()}}) << QString() << 1 << u"backslash"_s;
        QTest::newRow("control sign") << zipOf({quiz, {"a\nb.png", png()}}) << QString() << 1
                                      << u"\"a\uFFFDb.png\" in the bundle has a control character"_s;
        QTest::newRow("symbolic link") << zipOf({quiz, {"flag.png", "/etc/passwd", ZIP_CM_STORE, kLinkMode}})
                                       << QString() << 1 << u"\"flag.png\" in the bundle is a symbolic link"_s;
        // Only a libzip with a cipher makes the sample (the Windows build's has none; it still reads
        // an entry's encryption method, which is all the refusal needs).
        if (zip_encryption_method_supported(ZIP_EM_AES_256, 1)) {
            QTest::newRow("encrypted") << zipOf({{"quiz.toml", quizText(), ZIP_CM_DEFLATE, kPlainFileMode, true}})
                                       << QString() << 1 << u"\"quiz.toml\" in the bundle is encrypted"_s;
        }
        // Names of one length, so the second can be renamed to the first in the zip's bytes.
        QByteArray twice = zipOf({quiz, {"quiz.tomx", quizText()}});
        twice.replace("quiz.tomx", "quiz.toml");
        QTest::newRow("one name twice") << twice << QString() << 1 << u"two files of the same name"_s;
        QTest::newRow("bomb") << zipOf({quiz, {"pairs.csv", QByteArray(2 * 1024 * 1024, ' ')}}) << QString() << 1
                              << u"\"pairs.csv\" in the bundle is compressed more than 100 to 1"_s;
        QTest::newRow("table past 16 MB")
            << zipOf({quiz, {"pairs.csv", compressible(16 * 1024 * 1024 + 1), ZIP_CM_STORE}}) << QString() << 1
            << u"\"pairs.csv\" in the bundle unpacks to more than 16 MB"_s;
        QTest::newRow("picture past 50 MB")
            << zipOf({quiz, {"big.jpg", compressible(50 * 1024 * 1024 + 1), ZIP_CM_STORE}}) << QString() << 1
            << u"\"big.jpg\" in the bundle unpacks to more than 50 MB"_s;
        QList<ZipEntry> large{quiz};
        const QByteArray fifteen = compressible(15 * 1024 * 1024);
        for (int i = 0; i < 7; ++i)
            large.append({"p" + QByteArray::number(i) + ".png", fifteen});
        QTest::newRow("all past 100 MB") << zipOf(large) << QString() << 1 << u"may unpack to up to 100 MB"_s;
        QList<ZipEntry> many{quiz};
        for (int i = 0; i < QuizFile::BundleLimits::kMaxEntries; ++i)
            many.append({"f" + QByteArray::number(i) + ".csv", "x"});
        QTest::newRow("too many files") << zipOf(many) << QString() << 1 << u"the bundle holds 301 files"_s;
        QTest::newRow("no quiz at the top") << zipOf({{"quiz/quiz.toml", quizText()}}) << QString() << 1
                                            << u"the bundle holds no quiz file"_s;
        QTest::newRow("two quiz files") << zipOf({quiz, {"other.toml", quizText()}}) << QString() << 1
                                        << u"the bundle holds 2 quiz files (quiz.toml, other.toml)"_s;
        QTest::newRow("file and folder") << zipOf({quiz, {"a", "x"}, {"a/b.png", png()}}) << QString() << 1
                                         << u"\"a\" in the bundle is both a file and a folder"_s;
        // Every check of a quiz file applies inside a bundle, with the line to mend.
        QTest::newRow("problem in the quiz") << zipOf({{"quiz.toml", quizText().replace("\"T\"", "3")}}) << u"quiz.toml"_s
                                             << 2 << u"the window caption must be text"_s;
        QTest::newRow("picture outside the bundle")
            << zipOf({{"quiz.toml", quizText("picture = \"../zort-outside.png\"")}}) << u"quiz.toml"_s << 6
            << u"\"../zort-outside.png\""_s;
        QTest::newRow("picture that is no picture")
            << zipOf({{"quiz.toml", quizText("picture = \"f.png\"")}, {"f.png", "not a picture"}}) << u"quiz.toml"_s
            << 6 << u"\"f.png\""_s;
    }
    void badBundles()
    {
        QFETCH(QByteArray, bundle);
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(QString, message);
        // Bundles unpack into the test's folder, where a picture waits outside the bundle for the
        // quiz that tries to reach it.
        qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
        write(u"zort-outside.png"_s, png());
        const QString path = write(u"bad.zort"_s, bundle);
        const QuizOpen::Opened opened = QuizOpen::open(path);
        QVERIFY(!opened.ok());
        const QString expected = (file.isEmpty() ? path : path + u'/' + file) + u":%1: "_s.arg(line);
        QVERIFY2(opened.problems.first().startsWith(expected) && opened.problems.first().contains(message),
                 qPrintable(opened.problems.join(u'\n')));
    }

    // Only what the quiz names goes in, the quiz first, and the same quiz gives the same bytes in
    // any time zone.
    void writerTakesWhatTheQuizNames()
    {
        QTemporaryDir dir;
        auto put = [&](const QString &name, const QByteArray &bytes) {
            QDir(dir.path()).mkpath(QFileInfo(name).path());
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        };
        put(u"quiz.toml"_s, "pairs_file = \"pairs.csv\"\n" + quizText("picture = \"pictures/a.png\""));
        put(u"pairs.csv"_s, "e4,m4,,pictures/b.png\n");
        put(u"pictures/a.png"_s, png());
        put(u"pictures/b.png"_s, png());
        put(u"pictures/unused.png"_s, png());
        put(u"private.txt"_s, "not for the bundle");
        const QString quiz = dir.filePath(u"quiz.toml"_s);
        QStringList written;
        for (const char *zone : {"UTC", "Asia/Tokyo"}) {
            qputenv("TZ", zone);
            tzset();
            const QString bundle = dir.filePath(QString::fromLatin1(zone).replace(u'/', u'-') + u".zort"_s);
            QCOMPARE(QuizFile::writeBundle(QuizFile::check(quiz), quiz, bundle), QString());
            QCOMPARE(entryNames(bundle), (QStringList{u"quiz.toml"_s, u"pairs.csv"_s, u"pictures/a.png"_s,
                                                      u"pictures/b.png"_s}));
            QFile file(bundle);
            QVERIFY(file.open(QIODevice::ReadOnly));
            written << QString::fromLatin1(file.readAll().toBase64());
        }
        qunsetenv("TZ");
        tzset();
        QCOMPARE(written.first(), written.last());
    }

    void problemsText_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one") << 1
                             << u"Файлът „q.toml“ не може да бъде отворен като тест:\n\n/d/q.toml:1: problem 1\n\n"
                                "Поправете файла или изберете друг."_s;
        QTest::newRow("eleven, one left over") << 11 << u"/d/q.toml:10: problem 10\n… и още 1 проблем.\n\n"
                                                        "Поправете файла или изберете друг."_s;
        QTest::newRow("twenty") << 20 << u"/d/q.toml:10: problem 10\n… и още 10 проблема.\n\n"
                                         "Поправете файла или изберете друг."_s;
    }
    void problemsText()
    {
        QFETCH(int, count);
        QFETCH(QString, expected);
        QStringList problems;
        for (int i = 1; i <= count; ++i)
            problems << u"/d/q.toml:%1: problem %1"_s.arg(i);
        const QString text = QuizOpen::problemsText(u"/d/q.toml"_s, problems);
        QVERIFY2(text.endsWith(expected), qPrintable(text));
        QVERIFY(!text.contains(u"problem 11"_s));
        QCOMPARE(QuizOpen::problemsTitle(), u"Тестът не може да бъде отворен"_s);
    }
};

ZORT_TEST_MAIN(TestQuizOpen)
#include "tst_quiz_open.moc"
