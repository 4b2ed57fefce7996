#include "quizfile/quiz_file.h"

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray image(int width, int height, const char *format)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return bytes;
}

// A JPEG whose header claims 10,000 x 10,000 pixels: the checker must refuse it before decoding.
QByteArray hugeJpegHeader()
{
    QByteArray bytes = image(16, 16, "jpeg");
    const qsizetype sof = bytes.indexOf("\xFF\xC0");
    for (int i : {5, 7}) { // height, then width, big-endian after the length and the precision
        bytes[sof + i] = char(10000 >> 8);
        bytes[sof + i + 1] = char(10000 & 0xFF);
    }
    return bytes;
}

QByteArray pairs(int from, int count)
{
    QByteArray text;
    for (int i = from; i < from + count; ++i)
        text += "[[pair]]\nexpression = \"e" + QByteArray::number(i) + "\"\nmeaning = \"m" + QByteArray::number(i) + "\"\n";
    return text;
}

const QByteArray kHead = "id = \"t\"\ncaption = \"T\"\n"; // lines 1 and 2

} // namespace

class TestQuizFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    QuizFile::Result checkFiles(const QByteArray &quiz, const QByteArray &table, const QByteArray &picture)
    {
        write(u"table.csv"_s, table);
        write(u"pic.png"_s, picture);
        return QuizFile::check(write(u"quiz.toml"_s, quiz));
    }

private Q_SLOTS:
    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("quiz");
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("message");
        const QByteArray none;
        const QByteArray ok = kHead + pairs(1, 3);
        QTest::newRow("Windows-1251") << kHead + "[[pair]]\nexpression = \"\xEC\xE5\xE0\"\nmeaning = \"x\"\n" << none << none
                                      << "quiz.toml" << 4 << "look like Windows-1251 (Cyrillic). Save it as UTF-8";
        QTest::newRow("syntax") << kHead + "[[pair]\nexpression = \"a\"\n" << none << none << "quiz.toml" << 3 << "not valid TOML";
        QTest::newRow("text without quotes") << kHead + "instructions = Свържете двойките\n" + pairs(1, 1) << none << none
                                             << "quiz.toml" << 3 << "text goes in double quotes";
        QTest::newRow("typo in a key") << ok + "[[pair]]\nexpression = \"a\"\nmeanning = \"b\"\n" << none << none
                                       << "quiz.toml" << 14 << "unknown key \"meanning\" in a [[pair]]; did you mean \"meaning\"?";
        QTest::newRow("no id") << "caption = \"T\"\n" + pairs(1, 1) << none << none << "quiz.toml" << 1 << "the quiz's id is missing";
        QTest::newRow("id names no program") << "id = \"Мой тест\"\ncaption = \"T\"\n" + pairs(1, 1) << none << none
                                             << "quiz.toml" << 1 << "cannot name a program";
        QTest::newRow("no caption") << "id = \"t\"\n" + pairs(1, 1) << none << none << "quiz.toml" << 1 << "the window caption is missing";
        QTest::newRow("empty meaning") << ok + "[[pair]]\nexpression = \"a\"\nmeaning = \" \"\n" << none << none
                                       << "quiz.toml" << 12 << "the meaning is empty";
        QTest::newRow("no pairs") << kHead << none << none << "quiz.toml" << 1 << "the quiz has no pairs";
        QTest::newRow("expression twice") << ok + "[[pair]]\nexpression = \"e2\"\nmeaning = \"x\"\n" << none << none
                                          << "quiz.toml" << 12 << "the expression \"e2\" is given twice, here and on line 6";
        QTest::newRow("meaning twice, as an extra") << kHead + "extra_meanings = [\"m1\"]\n" + pairs(1, 3) << none << none
                                                    << "quiz.toml" << 3 << "the meaning \"m1\" is given twice, here and on line 4";
        QTest::newRow("top-level key after a pair") << ok + "extra_meanings = [\"x\"]\n" << none << none
                                                    << "quiz.toml" << 12 << "extra_meanings belongs at the top of the file";
        QTest::newRow("never graded") << kHead + "extra_meanings = [\"x\", \"y\"]\n" + pairs(1, 5) << none << none
                                      << "quiz.toml" << 3 << "with 5 pairs and 2 extra meanings the quiz can never be graded: "
                                         "\"Оцени\" needs at least three entered pairs for every meaning left over; 5 pairs allow 0 to 1";
        QByteArray many;
        for (int i = 0; i < 32768; ++i)
            many += "e" + QByteArray::number(i) + "\tm" + QByteArray::number(i) + '\n';
        QTest::newRow("more than 16 bits count") << kHead + "pairs_file = \"table.csv\"\n" << many << none
                                                 << "quiz.toml" << 1 << "32768 pairs and 32768 meanings in all; the program counts up to 32767";
        QTest::newRow("picture missing") << kHead + "[[pair]]\nexpression = \"a\"\nmeaning = \"b\"\npicture = \"nope.png\"\n"
                                         << none << none << "quiz.toml" << 6 << "the picture \"nope.png\" is missing";
        QTest::newRow("picture not an image") << kHead + "[[pair]]\nexpression = \"a\"\nmeaning = \"b\"\npicture = \"pic.png\"\n"
                                              << none << QByteArray("not a picture") << "quiz.toml" << 6 << "is not a PNG or JPEG image";
        QTest::newRow("picture too large") << kHead + "[[pair]]\nexpression = \"a\"\nmeaning = \"b\"\npicture = \"pic.png\"\n"
                                           << none << hugeJpegHeader() << "quiz.toml" << 6 << "is 10000 × 10000 pixels, too large";
        QTest::newRow("list outside the window") << ok + "[window]\nmeanings_left = 5000\n" << none << none
                                                 << "quiz.toml" << 12 << "the meanings list would end at 12575 twips, outside the window";
        QTest::newRow("table quotes") << kHead + "pairs_file = \"table.csv\"\n" << QByteArray("a,b\n\"c,d\n") << none
                                      << "table.csv" << 2 << "not valid CSV";
        QTest::newRow("table columns") << kHead + "pairs_file = \"table.csv\"\n" << QByteArray("a,b\nc\n") << none
                                       << "table.csv" << 2 << "this row has 1 column;";
        QTest::newRow("table not UTF-8") << kHead + "pairs_file = \"table.csv\"\n" << QByteArray("a;b\n\xEC\xE5\xE0;\xE0\n") << none
                                         << "table.csv" << 2 << "Windows-1251";
    }
    void badFiles()
    {
        QFETCH(QByteArray, quiz);
        QFETCH(QByteArray, table);
        QFETCH(QByteArray, picture);
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(QString, message);
        const QuizFile::Result result = checkFiles(quiz, table, picture);
        QVERIFY(!result.ok());
        const QString expected = m_dir.filePath(file) + u':' + QString::number(line) + u": "_s;
        QStringList all;
        for (const QuizFile::Problem &problem : result.problems)
            all << problem.text();
        QVERIFY2(std::any_of(all.cbegin(), all.cend(), [&](const QString &p) { return p.startsWith(expected) && p.contains(message); }),
                 qPrintable(all.join(u'\n')));
    }

    // Spreadsheets and flash-card sites: the same three pairs and an extra meaning, however saved.
    void tables_data()
    {
        QTest::addColumn<QByteArray>("quiz");
        QTest::addColumn<QByteArray>("table");
        const QByteArray quiz = kHead + "pairs_file = \"table.csv\"\n";
        QTest::newRow("flash cards, tabs") << quiz << QByteArray("a b\tА Б\nc\t\"в, г\"\ne\tж\n\tд\n");
        QTest::newRow("CSV with a header and a byte-order mark")
            << quiz + "pairs_header = true\n" << QByteArray("\xEF\xBB\xBF" "Израз,Значение\na b,А Б\nc,\"в, г\"\ne,ж\n,д\n");
        QTest::newRow("semicolons, CR LF") << quiz << QByteArray("a b;А Б\r\nc;в, г\r\ne;ж\r\n;д\r\n");
        QTest::newRow("in the quiz file") << kHead + "extra_meanings = [\"д\"]\n[[pair]]\nexpression = \"a b\"\nmeaning = \"А Б\"\n"
                                                     "[[pair]]\nexpression = \"c\"\nmeaning = \"в, г\"\n"
                                                     "[[pair]]\nexpression = \"e\"\nmeaning = \"ж\"\n" << QByteArray();
    }
    void tables()
    {
        QFETCH(QByteArray, quiz);
        QFETCH(QByteArray, table);
        const QuizFile::Result result = checkFiles(quiz, table, QByteArray());
        QVERIFY2(result.ok(), qPrintable(result.problems.value(0).text()));
        QCOMPARE(result.quiz.pairs.size(), 3);
        QCOMPARE(result.quiz.pairs[1].expression, u"c"_s);
        QCOMPARE(result.quiz.pairs[1].meaning, u"в, г"_s);
        QCOMPARE(result.quiz.extraMeanings, QStringList{u"д"_s});
    }

    void phonePhotoIsScaledDown()
    {
        const QuizFile::Result result = checkFiles(
            kHead + "[[pair]]\nexpression = \"a\"\nmeaning = \"b\"\npicture = \"pic.png\"\n", QByteArray(), image(4000, 3000, "jpeg"));
        QVERIFY(result.ok());
        QCOMPARE(result.quiz.pictures.first().size, QSize(853, 640));
        QCOMPARE(result.quiz.pictures.first().format, QByteArray("jpeg"));
        QVERIFY(QImage::fromData(result.quiz.pictures.first().data).size() == QSize(853, 640));
        QVERIFY(result.notes.first().message.contains(u"4000 × 3000 pixels; it is scaled down to 853 × 640"_s));
    }

    // The check command and the build run the same tool and print the same messages.
    void checkAndBuildSayTheSame()
    {
        const QString quiz = write(u"same.toml"_s, kHead + "[[pair]]\nexpression = \"a\"\nmeaning = \"\"\nmeanning = 1\n");
        QStringList outputs;
        for (const QStringList &args : {QStringList{u"check"_s, quiz},
                                        QStringList{u"generate"_s, quiz, m_dir.filePath(u"out"_s), u"f"_s}}) {
            QProcess tool;
            tool.start(QStringLiteral(ZORT_QUIZ_TOOL_BIN), args);
            QVERIFY(tool.waitForFinished());
            QCOMPARE(tool.exitCode(), 1);
            outputs << QString::fromUtf8(tool.readAllStandardError());
        }
        QCOMPARE(outputs[0], outputs[1]);
        QCOMPARE(outputs[0].count(quiz + u':'), 3);
        QVERIFY(!QFile::exists(m_dir.filePath(u"out/f.cpp"_s)));
    }
};

QTEST_MAIN(TestQuizFile)
#include "tst_quiz_file.moc"
