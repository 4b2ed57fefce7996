#include "test_main.h"
#include "quizfile/generate.h"
#include "quizfile/quiz_file.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <QtEndian>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/fsuid.h>
#endif

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

// A JPEG tagged, as a phone tags a portrait photo, to be turned a quarter right: an Exif segment
// holding one entry, Orientation = 6.
QByteArray sidewaysPhoto(int width, int height)
{
    const QByteArray exif = QByteArray("Exif\0\0" "MM\0\x2A\0\0\0\x08" "\0\x01" "\x01\x12\0\x03\0\0\0\x01\0\x06\0\0" "\0\0\0\0", 32);
    const QByteArray jpeg = image(width, height, "jpeg");
    return jpeg.left(2) + "\xFF\xE1" + char(0) + char(exif.size() + 2) + exif + jpeg.mid(2);
}

// A progressive JPEG with its last scan repeated: the decoder passes over the whole picture once
// per scan, so on a large picture a few thousand copies take minutes.
QByteArray repeatedScans(int copies)
{
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(picture);
    const qsizetype last = bytes.lastIndexOf("\xFF\xDA");
    return bytes.left(bytes.size() - 2) + bytes.mid(last, bytes.size() - 2 - last).repeated(copies) + "\xFF\xD9";
}

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

quint32 crc32(QByteArrayView data)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char c : data) {
        crc ^= uchar(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

// A PNG with 150 compressed texts of 7 MB each: a decoder that reads them holds a gigabyte.
QByteArray pngOfTexts()
{
    const QByteArray chunk = "zTXtk" + QByteArray(2, '\0') + qCompress(QByteArray(7'000'000, 'a'), 9).mid(4);
    const QByteArray png = image(16, 16, "png");
    const qsizetype afterHeader = 8 + 25;
    return png.left(afterHeader) + (bigEndian(chunk.size() - 4) + chunk + bigEndian(crc32(chunk))).repeated(150)
        + png.mid(afterHeader);
}

// A PNG whose header is sound and whose pixels are not: a byte of its compressed data changed.
QByteArray pngOfBadPixels()
{
    QByteArray bytes = image(64, 64, "png");
    bytes[bytes.indexOf("IDAT") + 8] = char(bytes[bytes.indexOf("IDAT") + 8] ^ 0x55);
    return bytes;
}

QByteArray withPicture(const QByteArray &name) // the picture's line is 6
{
    return kHead + "[[pair]]\nexpression = \"a\"\nmeaning = \"b\"\npicture = \"" + name + "\"\n" + pairs(1, 2);
}

QByteArray withTable(const QByteArray &extra = QByteArray()) // pairs_file is on line 3
{
    return kHead + "pairs_file = \"table.csv\"\n" + extra;
}

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
                                       << "quiz.toml" << 14 << "the meaning is empty";
        QTest::newRow("no pairs") << kHead << none << none << "quiz.toml" << 1 << "the quiz has no pairs";
        QTest::newRow("expression twice") << ok + "[[pair]]\nexpression = \"e2\"\nmeaning = \"x\"\n" << none << none
                                          << "quiz.toml" << 13 << "the expression \"e2\" is given twice, here and on line 7";
        QTest::newRow("meaning twice, as an extra") << kHead + "extra_meanings = [\"m1\"]\n" + pairs(1, 3) << none << none
                                                    << "quiz.toml" << 3 << "the meaning \"m1\" is given twice, here and on line 6";
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

    // What a teacher meets: the slips teachers make, each told in plain words at the line to mend,
    // and nothing that is not so.
    void teacherMessages_data()
    {
        QTest::addColumn<QVariantMap>("files");   // name: bytes, in a folder of the row's own
        QTest::addColumn<QString>("file");        // the problem's file
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("bulgarian");   // the same, in Bulgarian messages
        QTest::addColumn<QString>("absent");      // said of no line, in English
        const QString quiz = u"quiz.toml"_s;
        const QString table = u"table.csv"_s;
        const QByteArray ok = kHead + pairs(1, 3); // [[pair]] on lines 3, 6 and 9
        auto row = [&](const char *name, const QVariantMap &files, const QString &file, int line, const QString &english,
                       const QString &bulgarian, const QString &absent = QString()) {
            QTest::newRow(name) << files << file << line << english << bulgarian << absent;
        };
        // Exact lines: a text's own, not its pair's.
        row("empty expression", {{quiz, ok + "[[pair]]\nexpression = \"\"\nmeaning = \"x\"\n"}}, quiz, 13,
            u"the expression is empty"_s,
            u"изразът няма текст"_s);
        row("meaning given twice", {{quiz, ok + "[[pair]]\nexpression = \"x\"\nmeaning = \"m2\"\n"}}, quiz, 14,
            u"the meaning \"m2\" is given twice, here and on line 8"_s,
            u"значението \"m2\" се среща два пъти – тук и на ред 8"_s);
        // Encodings: only what is true, UTF-16 by its name, and Excel's way to UTF-8.
        row("table not UTF-8, nothing after", {{quiz, withTable()}, {table, QByteArray("a;b\n\xEC\xE5\xE0;\xE0\n")}}, table, 2,
            u"in Excel choose \"Save as\" and the type \"CSV UTF-8 (Comma delimited)\""_s,
            u"в Excel изберете „Запиши като“ и вида „CSV UTF-8 (разделено със запетаи)“"_s, u"no pairs"_s);
        row("table in UTF-16", {{quiz, withTable()}, {table, QByteArray("\xFF\xFE" "a\0\t\0b\0\n\0", 10)}}, table, 1,
            u"the file is UTF-16 text"_s,
            u"файлът е текст в UTF-16"_s, u"no pairs"_s);
        row("quiz file in UTF-16 without a mark", {{quiz, QByteArray("i\0d\0 \0=\0 \0\"\0t\0\"\0\n\0", 18)}}, quiz, 1,
            u"the file is UTF-16 text"_s,
            u"файлът е текст в UTF-16"_s, u"Windows-1251"_s);
        // The parser's errors in plain words.
        row("[pair] for [[pair]]", {{quiz, kHead + "[pair]\nexpression = \"a\"\nmeaning = \"b\"\n" + pairs(1, 2)}}, quiz, 3,
            u"write [[pair]], with two brackets on each side"_s,
            u"пишете [[pair]], с по две скоби от двете страни"_s, u"redefine"_s);
        row("forgotten [[pair]]", {{quiz, ok + "expression = \"x\"\nmeaning = \"y\"\n"}}, quiz, 12,
            u"expression is given a second time in the same pair: is a [[pair]] line missing above this line?"_s,
            u"expression е даден втори път в същата двойка: дали над този ред не липсва ред [[pair]]?"_s);
        row("curly quotes", {{quiz, "id = \"t\"\ncaption = „Столици“\n" + pairs(1, 3)}}, quiz, 2,
            u"this text is in curly quotes"_s,
            u"този текст е в извити кавички"_s, u"determine value type"_s);
        row("Windows path", {{quiz, withPicture("snimki\\Na.png")}}, quiz, 6,
            u"in a file's path write / instead of \\, such as \"snimki/Na.png\""_s,
            u"в пътя до файл пишете / вместо \\, например \"snimki/Na.png\""_s, u"escape sequence"_s);
        row("Windows path with the backslash written twice", {{quiz, withPicture("snimki\\\\Na.png")}}, quiz, 6,
            u"is missing: in a file's path write / instead of \\, such as \"snimki/Na.png\""_s,
            u"липсва: в пътя до файл пишете / вместо \\, например \"snimki/Na.png\""_s);
        row("unclosed \"\"\"", {{quiz, kHead + "instructions = \"\"\"\nСвържете\n" + pairs(1, 3)}}, quiz, 3,
            u"this text opened with \"\"\" on line 3 is never closed"_s,
            u"този текст, отворен с \"\"\" на ред 3, никъде не е затворен"_s, u"end-of-file"_s);
        row("unclosed \"", {{quiz, "id = \"t\"\ncaption = \"Столици\n" + pairs(1, 3)}}, quiz, 2,
            u"this text's closing double quote is missing"_s,
            u"на този текст липсва затварящата двойна кавичка"_s, u"control characters"_s);
        // A mistyped picture's name, with the files beside it.
        row("picture name mistyped", {{quiz, withPicture("flags/bq.png")}, {u"flags/bg.png"_s, image(4, 4, "png")}}, quiz, 6,
            u"the picture \"flags/bq.png\" is missing: did you mean \"flags/bg.png\"?"_s,
            u"картинката \"flags/bq.png\" липсва: може би имате предвид \"flags/bg.png\"?"_s);
#ifndef Q_OS_WIN
        row("picture name in other capitals", {{quiz, withPicture("BG.PNG")}, {u"bg.png"_s, image(4, 4, "png")}}, quiz, 6,
            u"did you mean \"bg.png\"?"_s,
            u"може би имате предвид \"bg.png\"?"_s);
#else // Windows finds the file, but the quiz would not open elsewhere
        row("picture name in other capitals", {{quiz, withPicture("flags/BG.PNG")}, {u"flags/bg.png"_s, image(4, 4, "png")}},
            quiz, 6, u"is named \"flags/bg.png\" on the disk: write its name with the same capital and small letters"_s,
            u"се казва \"flags/bg.png\" на диска: напишете името му със същите главни и малки букви"_s);
#endif
        // The package's version and maintainer: one line each, of the signs a package's fields allow.
        row("version a number", {{quiz, kHead + "version = 1.2\n" + pairs(1, 3)}}, quiz, 3, u"version must be text in double quotes"_s,
            u"version трябва да е текст в двойни кавички"_s);
        row("version in words", {{quiz, kHead + "version = \"first\"\n" + pairs(1, 3)}}, quiz, 3,
            u"version must be a version number such as \"1.2\""_s,
            u"version трябва да е номер на версия като \"1.2\""_s);
        row("version with a line break", {{quiz, kHead + "version = \"1.2\\n3\"\n" + pairs(1, 3)}}, quiz, 3,
            u"version must be a version number"_s,
            u"version трябва да е номер на версия"_s);
        row("version ending in a line break", {{quiz, kHead + "version = \"1.2\\n\"\n" + pairs(1, 3)}}, quiz, 3,
            u"version must be a version number"_s,
            u"version трябва да е номер на версия"_s);
        row("version too long", {{quiz, kHead + "version = \"1" + QByteArray(32, '0') + "\"\n" + pairs(1, 3)}}, quiz, 3,
            u"at most 32 signs"_s,
            u"най-много 32 знака"_s);
        row("author over two lines", {{quiz, kHead + "author = \"\"\"Мария\nПетрова\"\"\"\n" + pairs(1, 3)}}, quiz, 3,
            u"author must be your name on one line"_s,
            u"author трябва да е вашето име на един ред"_s);
        row("author with a control sign", {{quiz, kHead + "author = \"Мария\\u001B[2J\"\n" + pairs(1, 3)}}, quiz, 3,
            u"author must be your name on one line"_s,
            u"author трябва да е вашето име на един ред"_s);
        row("author too long", {{quiz, kHead + "author = \"" + QByteArray(101, 'a') + "\"\n" + pairs(1, 3)}}, quiz, 3,
            u"at most 100 signs"_s,
            u"най-много 100 знака"_s);
        row("author with two addresses", {{quiz, kHead + "author = \"М <a@b.org>, Н <c@d.org>\"\n" + pairs(1, 3)}}, quiz, 3,
            u"with your e-mail address in < > if you like"_s,
            u"с електронния ви адрес в < >"_s);
        row("picture name far from any", {{quiz, withPicture("flags/ro.png")}, {u"flags/bulgaria.png"_s, image(4, 4, "png")}}, quiz,
            6, u"the picture \"flags/ro.png\" is missing: put the file"_s,
            u"картинката \"flags/ro.png\" липсва: сложете файла"_s, u"did you mean"_s);
    }
    void teacherMessages()
    {
        QFETCH(QVariantMap, files);
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(QString, english);
        QFETCH(QString, bulgarian);
        QFETCH(QString, absent);
        const QString folder = u"teacher-"_s + QString::fromLatin1(QTest::currentDataTag()).toHtmlEscaped().replace(u'"', u'q');
        QVERIFY(QDir(m_dir.path()).mkpath(folder));
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            QVERIFY(QDir(m_dir.path()).mkpath(QFileInfo(folder + u'/' + it.key()).path()));
            write(folder + u'/' + it.key(), it.value().toByteArray());
        }
        // Checked with Bulgarian messages: each problem carries its English words too.
        QuizFile::setMessageLanguage(QuizFile::Language::Bulgarian);
        const QuizFile::Result result = QuizFile::check(m_dir.filePath(folder + u"/quiz.toml"_s));
        QuizFile::setMessageLanguage(QuizFile::Language::English);
        const QString path = m_dir.filePath(folder + u'/' + file);
        QStringList all;
        for (const QuizFile::Problem &problem : result.problems)
            all << problem.text() << problem.english;
        const QString said = all.join(u'\n');
        QVERIFY2(std::any_of(result.problems.cbegin(), result.problems.cend(), [&](const QuizFile::Problem &p) {
                     return p.file == path && p.line == line && p.english.contains(english) && p.message.contains(bulgarian);
                 }), qPrintable(said));
        if (!absent.isEmpty())
            QVERIFY2(!said.contains(absent), qPrintable(said));
    }

    // The quiz's texts reach the package's CMake files only as bracket arguments, read back as they
    // stand; without a version of its own a quiz's package gets one later than any before.
    void packageFiles_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("author");
        QTest::newRow("plain") << u"Столици"_s << u"1.2"_s << u"Мария Петрова <maria@example.org>"_s;
        QTest::newRow("CMake's signs") << u"a ]=] b ]] ${HOME} \\ \" ;"_s << u"2~rc1+3"_s << u"]==] ${CMAKE_COMMAND} \\n"_s;
        QTest::newRow("no version, no author") << u"T"_s << QString() << QString();
    }
    void packageFiles()
    {
#ifdef Q_OS_WIN
        QSKIP("the files of a quiz's Debian package are read by CMake on Linux");
#endif
        QFETCH(QString, caption);
        QFETCH(QString, version);
        QFETCH(QString, author);
        QuizFile::Quiz quiz;
        quiz.caption = caption;
        quiz.version = version;
        quiz.author = author;
        const QString script = write(u"read-back.cmake.in"_s,
            "set(c @QUIZ_CAPTION_CMAKE@)\nset(v @QUIZ_VERSION_CMAKE@)\nset(a @QUIZ_AUTHOR_CMAKE@)\n"
            "file(WRITE \"${OUT}\" \"${c}\\n${v}\\n${a}\\n@QUIZ_VERSION@\")\n");
        const QString filled = m_dir.filePath(u"read-back.cmake"_s);
        QCOMPARE(QuizFile::fillTemplate(quiz, script, filled), QString());
        QProcess cmake;
        const QString out = m_dir.filePath(u"read-back.txt"_s);
        cmake.start(QStringLiteral(ZORT_CMAKE_BIN), {u"-DOUT="_s + out, u"-P"_s, filled});
        QVERIFY(cmake.waitForFinished());
        QVERIFY2(cmake.exitCode() == 0, cmake.readAllStandardError().constData());
        QFile read(out);
        QVERIFY(read.open(QIODevice::ReadOnly));
        const QStringList back = QString::fromUtf8(read.readAll()).split(u'\n');
        QCOMPARE(back.value(0), caption);
        QCOMPARE(back.value(2), author);
        QCOMPARE(back.value(1), back.value(3));
        if (version.isEmpty())
            QVERIFY2(QRegularExpression(u"^\\d+\\.\\d+\\.\\d+\\+\\d{8}\\.\\d{6}$"_s).match(back.value(1)).hasMatch(), qPrintable(back.value(1)));
        else
            QCOMPARE(back.value(1), version);
    }

    // Quiz folders as a stranger might send them: files outside the folder or that are no files,
    // files too large or nested too deep to read safely, signs no text may hold, names the build
    // cannot write. Each is refused with its line, or checked and generated safely.
    void hostileFiles_data()
    {
        QTest::addColumn<QString>("folder");      // the quiz's folder, made in a folder of its own
        QTest::addColumn<QString>("quiz");        // the quiz file in it, or a path from /
        QTest::addColumn<QVariantMap>("files");   // name: bytes, written into the folder
        QTest::addColumn<QStringList>("setup");   // then: fifo NAME, link TARGET NAME, sparse BYTES NAME, folder NAME, unreadable NAME
        QTest::addColumn<QString>("file");        // the problem's file (in the folder, or from /); none when accepted
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QSize>("pictureSize");   // when accepted: the first picture as stored
        const QString quiz = u"quiz.toml"_s;
        const QByteArray png = image(16, 16, "png");
        auto refused = [&](const char *name, const QVariantMap &files, const QStringList &setup, const QString &file,
                           int line, const QString &message) {
            QTest::newRow(name) << u"q"_s << quiz << files << setup << file << line << message << QSize();
        };
        auto accepted = [&](const char *name, const QString &folder, const QString &quizName, const QVariantMap &files,
                            const QStringList &setup, QSize pictureSize) {
            QTest::newRow(name) << folder << quizName << files << setup << QString() << 0 << QString() << pictureSize;
        };
        const QVariantMap picture{{quiz, withPicture("pic.png")}, {u"pic.png"_s, png}};
        const QVariantMap table{{quiz, withTable()}, {u"table.csv"_s, QByteArray("a\tb\nc\td\ne\tf\n")}};

        // Only regular files inside the quiz's folder, once links are followed.
        refused("picture by an absolute path", {{quiz, withPicture("/etc/passwd")}}, {}, quiz, 6, u"is outside the quiz's folder"_s);
        refused("picture up the folder tree", {{quiz, withPicture("../pic.png")}}, {}, quiz, 6, u"is outside the quiz's folder"_s);
        refused("picture a link out of the folder", {{quiz, withPicture("pic.png")}}, {u"link /etc/passwd pic.png"_s}, quiz, 6,
                u"is a link that leads outside the quiz's folder"_s);
        refused("table up the folder tree", {{quiz, kHead + "pairs_file = \"sub/../../table.csv\"\n"}}, {}, quiz, 3,
                u"the pairs table \"sub/../../table.csv\" is outside the quiz's folder"_s);
        refused("table a link to /dev/zero", {{quiz, withTable()}}, {u"link /dev/zero table.csv"_s}, quiz, 3,
                u"is a link that leads outside the quiz's folder"_s);
        refused("table a pipe", {{quiz, withTable()}}, {u"fifo table.csv"_s}, quiz, 3, u"is not a plain file"_s);
        refused("picture a pipe", {{quiz, withPicture("pic.png")}}, {u"fifo pic.png"_s}, quiz, 6, u"is not a plain file"_s);
        refused("picture a folder", {{quiz, withPicture("pic.png")}}, {u"folder pic.png"_s}, quiz, 6, u"is a folder, not a file"_s);
        refused("quiz file a pipe", {}, {u"fifo quiz.toml"_s}, quiz, 1, u"the quiz file is not a plain file"_s);
        QTest::newRow("quiz file /dev/zero") << u"q"_s << u"/dev/zero"_s << QVariantMap() << QStringList() << u"/dev/zero"_s << 1
                                             << u"the quiz file is not a plain file"_s << QSize();
        QTest::newRow("quiz file /dev/urandom") << u"q"_s << u"/dev/urandom"_s << QVariantMap() << QStringList() << u"/dev/urandom"_s
                                                << 1 << u"the quiz file is not a plain file"_s << QSize();
        // Sizes are checked before reading: these files are 4 GB of nothing.
        refused("quiz file of 4 GB", {}, {u"sparse 4294967296 quiz.toml"_s}, quiz, 1, u"the quiz file is larger than 16 MB"_s);
        refused("table of 4 GB", {{quiz, withTable()}}, {u"sparse 4294967296 table.csv"_s}, quiz, 3,
                u"the pairs table \"table.csv\" is larger than 16 MB"_s);
        refused("picture of 4 GB", {{quiz, withPicture("pic.png")}}, {u"sparse 4294967296 pic.png"_s}, quiz, 6,
                u"the picture \"pic.png\" is larger than 50 MB"_s);
        refused("picture unreadable", picture, {u"unreadable pic.png"_s}, quiz, 6, u"the picture \"pic.png\" cannot be read (Permission denied)"_s);
        refused("table unreadable", table, {u"unreadable table.csv"_s}, quiz, 3, u"the pairs table \"table.csv\" cannot be read (Permission denied)"_s);
        refused("quiz file missing", {}, {}, quiz, 1, u"the quiz file is missing"_s);

        // Nesting the parser would recurse into until the stack overflows.
        QByteArray keys = "a";
        for (int i = 0; i < 300'000; ++i)
            keys += ".a";
        refused("key of 300,000 dots", {{quiz, kHead + keys + " = 1\n"}}, {}, quiz, 3, u"nested more than 32 levels deep"_s);
        refused("table of 300,000 dots", {{quiz, kHead + "[" + keys + "]\n"}}, {}, quiz, 3, u"nested more than 32 levels deep"_s);
        refused("lists in lists", {{quiz, kHead + "x = " + QByteArray(100'000, '[') + QByteArray(100'000, ']') + "\n"}}, {}, quiz, 3,
                u"nested more than 32 levels deep"_s);
        refused("tables in tables, over lines", {{quiz, kHead + "x = [\n" + QByteArray("{a = [\n").repeated(20) + "\n"}}, {}, quiz, 19,
                u"nested more than 32 levels deep"_s);
        refused("brackets in a text do not count", {{quiz, kHead + "x = \"\"\"\n" + QByteArray(100, '[') + "\"\"\"\ny = " + QByteArray(33, '[') + "\n"}},
                {}, quiz, 5, u"nested more than 32 levels deep"_s);
        refused("half a million values", {{quiz, kHead + "x = [" + QByteArray("1,").repeated(600'000) + "]\n"}}, {}, quiz, 3,
                u"holds more than 500000 keys, values and tables"_s);

        // Signs no text may hold, written as they are or as escapes; a NUL is not dropped.
        refused("NUL written as an escape", {{quiz, kHead + "[[pair]]\nexpression = \"a\"\nmeaning = \"b\\u0000\"\n" + pairs(1, 2)}}, {},
                quiz, 5, u"the NUL sign (U+0000)"_s);
        refused("NUL in a table", {{quiz, withTable()}, {u"table.csv"_s, QByteArray("a\tb\nc\0\td\n", 9)}}, {}, u"table.csv"_s, 2,
                u"the NUL sign (U+0000)"_s);
        refused("escape sequence in the caption", {{quiz, "id = \"t\"\ncaption = \"\\u001b]0;x\\u0007\"\n" + pairs(1, 3)}}, {}, quiz, 2,
                u"the control character U+001B"_s);
        refused("C1 control written as it is", {{quiz, kHead + "[[pair]]\nexpression = \"a\xC2\x85\"\nmeaning = \"b\"\n" + pairs(1, 2)}},
                {}, quiz, 4, u"the control character U+0085"_s);
        refused("noncharacter U+FFFE", {{quiz, kHead + "extra_meanings = [\"\\uFFFE\"]\n" + pairs(1, 3)}}, {}, quiz, 3,
                u"the noncharacter U+FFFE"_s);
        refused("noncharacter at a plane's end", {{quiz, kHead + "instructions = \"\\U0010FFFF\"\n" + pairs(1, 3)}}, {}, quiz, 3,
                u"the noncharacter U+10FFFF"_s);
        refused("noncharacter in a table", {{quiz, withTable()}, {u"table.csv"_s, QByteArray("a\tb\nc\td\xEF\xB7\x90\n")}}, {},
                u"table.csv"_s, 2, u"the noncharacter U+FDD0"_s);
        refused("byte-order mark starting a text", {{quiz, kHead + "[[pair]]\nexpression = \"\\uFEFFa\"\nmeaning = \"b\"\n" + pairs(1, 2)}},
                {}, quiz, 4, u"a byte-order mark (U+FEFF)"_s);
        refused("byte-order mark starting a cell", {{quiz, withTable()}, {u"table.csv"_s, QByteArray("a\tb\n\xEF\xBB\xBF" "c\td\n")}}, {},
                u"table.csv"_s, 2, u"a byte-order mark (U+FEFF)"_s);
        refused("tab in the caption", {{quiz, "id = \"t\"\ncaption = \"a\\tb\"\n" + pairs(1, 3)}}, {}, quiz, 2,
                u"the caption must be one line: it has a tab"_s);
        refused("line separator in the caption", {{quiz, "id = \"t\"\ncaption = \"a\\u2028b\"\n" + pairs(1, 3)}}, {}, quiz, 2,
                u"the caption must be one line: it runs over more than one line"_s);
        refused("line break as the separator", {{quiz, withTable("pairs_delimiter = \"\\n\"\n")}, {u"table.csv"_s, QByteArray("a\tb\n")}},
                {}, quiz, 4, u"pairs_delimiter must be one sign"_s);
        refused("carriage return as the separator", {{quiz, withTable("pairs_delimiter = \"\\r\"\n")}, {u"table.csv"_s, QByteArray("a\tb\n")}},
                {}, quiz, 4, u"pairs_delimiter must be one sign"_s);

        // Many problems are listed up to a screenful, then counted.
        refused("thirty thousand repeated pairs", {{quiz, withTable()}, {u"table.csv"_s, QByteArray("a\tb\n").repeated(30'000)}}, {},
                u"table.csv"_s, 52, u"and 59898 more problems, not listed"_s);
        refused("a million repeated pairs", {{quiz, withTable()}, {u"table.csv"_s, QByteArray("a\tb\n").repeated(1'000'000)}}, {},
                quiz, 3, u"has 1000000 lines, more than the 200000 any quiz needs"_s);

        // Pictures are decoded within bounds and written anew.
        refused("JPEG of thousands of scans", {{quiz, withPicture("pic.jpg")}, {u"pic.jpg"_s, repeatedScans(5000)}}, {}, quiz, 6,
                u"is a JPEG of 5010 scans"_s);
        accepted("phone photo on its side", u"q"_s, quiz, {{quiz, withPicture("pic.jpg")}, {u"pic.jpg"_s, sidewaysPhoto(40, 20)}}, {}, QSize(20, 40));
        accepted("large phone photo on its side", u"q"_s, quiz, {{quiz, withPicture("pic.jpg")}, {u"pic.jpg"_s, sidewaysPhoto(4000, 3000)}}, {},
                 QSize(480, 640));
        accepted("PNG with megabytes after its end", u"q"_s, quiz,
                 {{quiz, withPicture("pic.png")}, {u"pic.png"_s, png + QByteArray(5 * 1024 * 1024, 'x')}}, {}, QSize(16, 16));
        accepted("PNG of a gigabyte of texts", u"q"_s, quiz, {{quiz, withPicture("pic.png")}, {u"pic.png"_s, pngOfTexts()}}, {}, QSize(16, 16));
        accepted("link to a picture in the folder", u"q"_s, quiz, {{quiz, withPicture("pic.png")}, {u"real.png"_s, png}},
                 {u"link real.png pic.png"_s}, QSize(16, 16));

        // Names the build cannot write reach it only through the tool's own links.
#ifndef Q_OS_WIN // Windows' file names cannot hold line breaks
        accepted("quiz file named with a line break", u"q"_s, u"line\nbreak\r.toml"_s,
                 {{u"line\nbreak\r.toml"_s, withPicture("pic.png")}, {u"pic.png"_s, png}}, {}, QSize(16, 16));
#endif
        accepted("semicolons and a backslash", u"a;b\\c d#$"_s, quiz,
                 {{quiz, withTable()}, {u"table.csv"_s, QByteArray("a\tb\tx\ta;b.png\nc\td\ne\tf\n")}, {u"a;b.png"_s, png}}, {}, QSize(16, 16));
    }
    void hostileFiles()
    {
        QFETCH(QString, folder);
        QFETCH(QString, quiz);
        QFETCH(QVariantMap, files);
        QFETCH(QStringList, setup);
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(QString, message);
        QFETCH(QSize, pictureSize);
        static int rows = 0;
        const QString relative = u"hostile-%1/"_s.arg(++rows) + folder;
        const QString base = m_dir.filePath(u"hostile-%1"_s.arg(rows));
        const QDir dir(m_dir.filePath(relative));
        QVERIFY(QDir().mkpath(dir.path()));
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            write(relative + u'/' + it.key(), it.value().toByteArray());
        bool asSomeoneElse = false;
#ifndef Q_OS_UNIX
        // Pipes, links, devices, file rights and names are made the Unix way.
        Q_UNUSED(asSomeoneElse);
        if (!setup.isEmpty() || QDir::isAbsolutePath(quiz) || (folder + quiz).contains(QRegularExpression(u"[\\n\\r\\\\]"_s)))
            QSKIP("a Unix file system's kinds of file and names");
#else
        for (const QString &step : setup) {
            const QStringList words = step.split(u' ');
            const QByteArray path = QFile::encodeName(dir.filePath(words.last()));
            if (words[0] == u"fifo"_s) {
                QCOMPARE(::mkfifo(path.constData(), 0644), 0);
            } else if (words[0] == u"link"_s) {
                QCOMPARE(::symlink(QFile::encodeName(words[1]).constData(), path.constData()), 0);
            } else if (words[0] == u"sparse"_s) {
                QFile sparse(dir.filePath(words.last()));
                QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(words[1].toLongLong()));
            } else if (words[0] == u"folder"_s) {
                QVERIFY(dir.mkpath(words.last()));
            } else if (words[0] == u"unreadable"_s) {
                QCOMPARE(::chmod(path.constData(), 0), 0);
                // Root reads every file: the check then runs with another user's file rights.
                asSomeoneElse = ::geteuid() == 0;
                for (const QString &open : {m_dir.path(), base})
                    QCOMPARE(::chmod(QFile::encodeName(open).constData(), 0755), 0);
            }
        }
#endif
        const QString quizPath = QDir::isAbsolutePath(quiz) ? quiz : dir.filePath(quiz);
        auto peakMegabytes = [] {
#ifdef Q_OS_UNIX
            struct rusage usage;
            ::getrusage(RUSAGE_SELF, &usage);
            return usage.ru_maxrss / 1024;
#else
            return 0L;
#endif
        };
        const long peakBefore = peakMegabytes();
#ifdef Q_OS_LINUX
        if (asSomeoneElse)
            ::setfsuid(65534);
#endif
        const QuizFile::Result result = QuizFile::check(quizPath);
#ifdef Q_OS_LINUX
        if (asSomeoneElse)
            ::setfsuid(0);
#endif
        QVERIFY2(peakMegabytes() - peakBefore < 200, "the check took more than 200 MB");

        QStringList all;
        for (const QuizFile::Problem &problem : result.problems) {
            QVERIFY2(problem.line >= 1, qPrintable(problem.text()));
            all << problem.text();
        }
        QVERIFY(result.problems.size() <= QuizFile::kMaxProblems + 1);
        if (!message.isEmpty()) {
            const QString expected = (QDir::isAbsolutePath(file) ? file : dir.filePath(file)) + u':' + QString::number(line) + u": "_s;
            QVERIFY2(std::any_of(all.cbegin(), all.cend(), [&](const QString &p) { return p.startsWith(expected) && p.contains(message); }),
                     qPrintable(all.join(u'\n')));
            return;
        }
        QVERIFY2(result.ok(), qPrintable(all.join(u'\n')));

        // The pictures are the checker's own: just their pixels, upright.
        for (const QuizFile::Picture &stored : result.quiz.pictures) {
            QCOMPARE(QImage::fromData(stored.data, stored.format.constData()).size(), stored.size);
            QVERIFY(stored.data.size() <= 4 * stored.size.width() * stored.size.height() + 4096);
        }
        QCOMPARE(result.quiz.pictures.value(0).size, pictureSize);

        // The generated code names no file; the dependency file names only the tool's links,
        // and they lead to every file of the folder, so a change to any of them rebuilds.
        const QString out = base + u"-out"_s;
        QCOMPARE(QuizFile::generate(result, out, u"generated"_s), QString());
        QFile cpp(out + u"/generated.cpp"_s);
        QVERIFY(cpp.open(QIODevice::ReadOnly));
        const QByteArray code = cpp.readAll();
        QVERIFY(std::all_of(code.cbegin(), code.cend(), [](char c) { return c == '\n' || (c >= 0x20 && c < 0x7F); }));
        QVERIFY(!code.contains(QFile::encodeName(QFileInfo(quizPath).fileName())));
        QVERIFY(!code.contains(QFile::encodeName(dir.path())));
#ifdef Q_OS_UNIX
        QFile deps(out + u"/generated.d"_s);
        QVERIFY(deps.open(QIODevice::ReadOnly));
        const QByteArray depfile = deps.readAll().replace(" \\\n", " ");
        QVERIFY2(std::all_of(depfile.cbegin(), depfile.cend() - 1, [](char c) { return c > 0x20 ? c < 0x7F && c != ';' && c != '\\' : c == ' '; }),
                 depfile.constData());
        QStringList targets;
        for (const QByteArray &entry : depfile.trimmed().split(' ').mid(1)) {
            if (!entry.isEmpty())
                targets << QFileInfo(QFileInfo(QFile::decodeName(entry)).symLinkTarget()).canonicalFilePath();
        }
        QStringList inFolder;
        for (const QFileInfo &info : dir.entryInfoList(QDir::Files))
            inFolder << info.canonicalFilePath();
        inFolder.removeDuplicates();
        targets.sort();
        inFolder.sort();
        QCOMPARE(targets, inFolder);
        // The pictures' depfile names the resource file and every picture's copy: never nothing,
        // which the build would take for a missing depfile and rebuild every time.
        QFile pictureDeps(out + u"/generated_pictures.d"_s);
        QVERIFY(pictureDeps.open(QIODevice::ReadOnly));
        const QList<QByteArray> pictureInputs = pictureDeps.readAll().replace(" \\\n", " ").simplified().split(' ').mid(1);
        QCOMPARE(pictureInputs.size(), result.quiz.pictures.size() + 1);
        for (const QByteArray &input : pictureInputs)
            QVERIFY2(QFile::exists(QFile::decodeName(input)), input.constData());
#endif
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

    // A file opened at run time: its pictures' headers checked with the build's limits and nothing
    // decoded, then each decoded with the same limits when it is shown.
    void pictureHeaderNowPixelsLater_data()
    {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<QString>("problem");   // of the header check; empty when it passes
        QTest::addColumn<QSize>("size");        // as it will be shown
        QTest::addColumn<QSize>("fit");         // asked of readPicture
        QTest::addColumn<QSize>("read");        // what readPicture gives; empty when it cannot
        QTest::newRow("PNG") << image(16, 16, "png") << QString() << QSize(16, 16) << QSize() << QSize(16, 16);
        QTest::newRow("phone photo on its side") << sidewaysPhoto(40, 20) << QString() << QSize(20, 40) << QSize()
                                                 << QSize(20, 40);
        QTest::newRow("large photo on its side, as a thumbnail") << sidewaysPhoto(4000, 3000) << QString() << QSize(480, 640)
                                                                 << QSize(96, 24) << QSize(18, 24);
        QTest::newRow("large photo") << image(4000, 3000, "jpeg") << QString() << QSize(853, 640) << QSize()
                                     << QSize(853, 640);
        QTest::newRow("PNG of a gigabyte of texts") << pngOfTexts() << QString() << QSize(16, 16) << QSize() << QSize(16, 16);
        QTest::newRow("PNG with bad pixels") << pngOfBadPixels() << QString() << QSize(64, 64) << QSize() << QSize();
        QTest::newRow("JPEG claiming 10,000 × 10,000") << hugeJpegHeader() << u"is 10000 × 10000 pixels, too large"_s
                                                       << QSize() << QSize() << QSize();
        QTest::newRow("JPEG of thousands of scans") << repeatedScans(5000) << u"is a JPEG of 5010 scans"_s << QSize()
                                                    << QSize() << QSize();
        QTest::newRow("text") << QByteArray("id = 1\n") << u"is not a PNG or JPEG image"_s << QSize() << QSize() << QSize();
    }
    void pictureHeaderNowPixelsLater()
    {
        QFETCH(QByteArray, picture);
        QFETCH(QString, problem);
        QFETCH(QSize, size);
        QFETCH(QSize, fit);
        QFETCH(QSize, read);
        write(u"lazy.png"_s, picture);
        const QuizFile::Result result = QuizFile::check(write(u"lazy.toml"_s, withPicture("lazy.png")),
                                                        QuizFile::PictureReading::HeaderOnly);
        QString why;
        if (!problem.isEmpty()) {
            QVERIFY(!result.ok());
            QVERIFY2(result.problems.first().message.contains(problem), qPrintable(result.problems.first().text()));
            // Given the file itself, the reader still refuses it before decoding.
            QVERIFY(QuizFile::readPicture(picture, fit, &why).isNull());
            QVERIFY(!why.isEmpty());
            return;
        }
        QVERIFY2(result.ok(), qPrintable(result.problems.value(0).text()));
        const QuizFile::Picture &held = result.quiz.pictures.first();
        QVERIFY(!held.writtenAnew);
        QCOMPARE(held.size, size);
        QVERIFY(held.data.size() <= picture.size());
        const QImage image = QuizFile::readPicture(held.data, fit, &why);
        QCOMPARE(image.isNull(), read.isEmpty());
        if (!image.isNull())
            QCOMPARE(image.size(), read);
        QCOMPARE(why.isEmpty(), !image.isNull());
        // The build decodes the same file to the same size, or refuses it.
        const QuizFile::Result built = QuizFile::check(m_dir.filePath(u"lazy.toml"_s));
        QCOMPARE(built.ok(), !read.isEmpty());
        if (built.ok())
            QCOMPARE(built.quiz.pictures.first().size, size);
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

    void ids_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("valid");
        QTest::newRow("letter") << u"a"_s << true;
        QTest::newRow("word") << u"capitals"_s << true;
        QTest::newRow("digits and hyphens") << u"latin-2-b"_s << true;
        QTest::newRow("32 signs") << QString(32, u'a') << true;
        QTest::newRow("33 signs") << QString(33, u'a') << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("digit first") << u"2latin"_s << false;
        QTest::newRow("hyphen first") << u"-latin"_s << false;
        QTest::newRow("capital") << u"Latin"_s << false;
        QTest::newRow("underscore") << u"latin_2"_s << false;
        QTest::newRow("space") << u"latin 2"_s << false;
        QTest::newRow("line break after") << u"latin\n"_s << false;
        QTest::newRow("Cyrillic") << u"латински"_s << false;
    }

    void ids()
    {
        QFETCH(QString, id);
        QFETCH(bool, valid);
        QCOMPARE(QuizFile::isValidId(id), valid);
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

ZORT_TEST_MAIN(TestQuizFile)
#include "tst_quiz_file.moc"
