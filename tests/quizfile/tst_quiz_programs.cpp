#include "test_main.h"
#include "quiz_samples.h"
#include "visible_texts.h"
#include "quizwindow/picture_window.h"
#include "quizwindow/quiz_window.h"
#include "quizfile/bundle.h"
#include "quizopen/quiz_open.h"
#include "widgets/picture_box.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QBuffer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Saves a picture of a window when ZORT_SCREENSHOT_DIR names a folder (the README's screenshots).
void saveShot(QWidget *window, const QString &name)
{
    const QString dir = qEnvironmentVariable("ZORT_SCREENSHOT_DIR");
    if (!dir.isEmpty() && QTest::currentDataTag() == QByteArrayView("capitals"))
        window->grab().save(dir + u"/capitals-"_s + name + u".png"_s);
}

} // namespace

// Quizzes built from quiz files, played whole in the real window: every pair entered by mouse,
// graded, then explained with its lines and its picture. The example quiz also as the program
// reads it at run time, from its file and from its bundle.
class TestQuizPrograms : public QObject
{
    Q_OBJECT

private:
    QuizWindow *m_window = nullptr;
    QTemporaryDir m_dir;
    Content m_capitalsFile;
    Content m_capitalsBundle;
    template <typename T = QWidget>
    T *child(const QString &name) const { return m_window->findChild<T *>(name); }
    QAbstractItemView *list(int i) const { return child<QAbstractItemView>(u"Slowo_%1"_s.arg(i)); }
    void press(int i) { QTest::mouseClick(child<QAbstractButton>(u"Uprawl_%1"_s.arg(i)), Qt::LeftButton); }
    void clickText(int i, const QString &text)
    {
        const QModelIndexList found = list(i)->model()->match(list(i)->model()->index(0, 0), Qt::DisplayRole, text, 1,
                                                              Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        list(i)->scrollTo(found.first());
        QTest::mouseClick(list(i)->viewport(), Qt::LeftButton, {}, list(i)->visualRect(found.first()).center());
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString capitals = QStringLiteral(ZORT_SOURCE_DIR "/examples/capitals/capitals.toml");
        const QString bundle = m_dir.filePath(u"capitals.zort"_s);
        QCOMPARE(QuizFile::writeBundle(QuizFile::check(capitals), capitals, bundle), QString());
        for (const auto &[path, content] : {std::pair{capitals, &m_capitalsFile}, std::pair{bundle, &m_capitalsBundle}}) {
            const QuizOpen::Opened opened = QuizOpen::open(path);
            QVERIFY2(opened.ok(), qPrintable(opened.problems.join(u'\n')));
            *content = opened.content;
        }
    }
    void wholeQuiz_data()
    {
        QTest::addColumn<const Content *>("content");
        QTest::addColumn<int>("pairs");
        QTest::addColumn<int>("extra");
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("capitals") << &capitalsContent() << 12 << 3 << QSize(240, 160)
                                  << QStringList{u"Държави"_s, u"Столици"_s};
        QTest::newRow("capitals, read at run time") << &std::as_const(m_capitalsFile) << 12 << 3 << QSize(240, 160)
                                                    << QStringList{u"Държави"_s, u"Столици"_s};
        QTest::newRow("capitals, from its bundle") << &std::as_const(m_capitalsBundle) << 12 << 3 << QSize(240, 160)
                                                   << QStringList{u"Държави"_s, u"Столици"_s};
        QTest::newRow("forty, from a table") << &fortyContent() << 40 << 5 << QSize(240, 160)
                                             << QStringList{u"Изрази"_s, u"Значения"_s};
    }
    void wholeQuiz()
    {
        QFETCH(const Content *, content);
        QFETCH(int, pairs);
        QFETCH(int, extra);
        QFETCH(QSize, pictureSize);
        QFETCH(QStringList, names);
        QCOMPARE(content->expressions.size(), pairs);
        QCOMPARE(content->meanings.size(), pairs + extra);
        QCOMPARE(content->expressionsName, names.first());
        QCOMPARE(content->meaningsName, names.last());

        QuizWindow window(*content);
        m_window = &window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        saveShot(&window, u"start"_s);
        QCOMPARE(list(0)->accessibleName(), names.first());
        for (int k = 0; k < pairs; ++k) {
            clickText(0, content->expressions.at(k));
            clickText(1, content->meanings.at(k));
            press(Quiz::Enter);
        }
        QCOMPARE(list(1)->model()->rowCount(), extra);
        press(Quiz::TakeBack); // nothing selected to take back: only applies the rule for "Оцени"
        press(Quiz::Evaluate);
        QCOMPARE(window.quiz().counter(), UiText::score(100));

        auto *output = child<QPlainTextEdit>(u"Prowerka_0"_s);
        for (int row = 0; row < pairs; ++row) {
            QTest::mouseClick(list(2)->viewport(), Qt::LeftButton, {},
                              list(2)->visualRect(list(2)->model()->index(row, 0)).center());
            press(Quiz::Explain);
            const QStringList lines = content->linesOf(row + 1);
            QVERIFY(!lines.isEmpty());
            QVERIFY2(output->toPlainText().endsWith(lines.join(u'\n')), qPrintable(output->toPlainText()));
            QTest::mouseClick(child(u"Grafika_0"_s), Qt::LeftButton);
            QVERIFY(window.pictureWindow() && window.pictureWindow()->isVisible());
            QCOMPARE(window.pictureWindow()->picture().size(), pictureSize);
            if (row == 2) {
                saveShot(&window, u"explanation"_s);
                saveShot(window.pictureWindow(), u"picture"_s);
            }
        }
        m_window = nullptr;
    }

    // A file opened at run time has only its pictures' headers checked. A picture whose pixels
    // cannot be read after all is found out when it is shown, and its box says so.
    void unreadablePictureSaysSo()
    {
        QImage image(64, 64, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "png");
        png[png.indexOf("IDAT") + 8] = char(png[png.indexOf("IDAT") + 8] ^ 0x55);
        QDir folder(m_dir.filePath(u"unreadable"_s));
        QVERIFY(folder.mkpath(u"."_s));
        QFile picture(folder.filePath(u"bad.png"_s));
        QVERIFY(picture.open(QIODevice::WriteOnly) && picture.write(png) == png.size());
        picture.close();
        QFile quiz(folder.filePath(u"quiz.toml"_s));
        QVERIFY(quiz.open(QIODevice::WriteOnly));
        quiz.write("id = \"t\"\ncaption = \"T\"\n[[pair]]\nexpression = \"a\"\nmeaning = \"b\"\npicture = \"bad.png\"\n"
                   "[[pair]]\nexpression = \"c\"\nmeaning = \"d\"\n[[pair]]\nexpression = \"e\"\nmeaning = \"f\"\n");
        quiz.close();
        const QuizOpen::Opened opened = QuizOpen::open(quiz.fileName());
        QVERIFY2(opened.ok(), qPrintable(opened.problems.join(u'\n')));

        QuizWindow window(opened.content);
        m_window = &window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const auto &[expression, meaning] : {std::pair{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}, {u"e"_s, u"f"_s}}) {
            clickText(0, expression);
            clickText(1, meaning);
            press(Quiz::Enter);
        }
        press(Quiz::Evaluate);
        const QModelIndexList first = list(2)->model()->match(list(2)->model()->index(0, 0), Qt::DisplayRole, u"a"_s, 1,
                                                              Qt::MatchStartsWith);
        QVERIFY(!first.isEmpty());
        QTest::mouseClick(list(2)->viewport(), Qt::LeftButton, {}, list(2)->visualRect(first.first()).center());
        press(Quiz::Explain);
        auto *thumbnail = child<PictureBox>(u"Grafika_0"_s);
        QVERIFY(thumbnail && !thumbnail->picture().isNull());
        QCOMPARE(thumbnail->picture().deviceIndependentSize().toSize(), thumbnail->size() - QSize(4, 4));
        QCOMPARE(thumbnail->accessibleDescription(), QuizWindow::unreadablePictureText());
        QTest::mouseClick(thumbnail, Qt::LeftButton);
        QVERIFY(window.pictureWindow() && window.pictureWindow()->isVisible());
        QCOMPARE(window.pictureWindow()->picture().cacheKey(), thumbnail->picture().cacheKey());
        m_window = nullptr;
    }
};

ZORT_TEST_MAIN(TestQuizPrograms)
#include "tst_quiz_programs.moc"
