#include "test_main.h"
#include "visible_texts.h"
#include "studio/import_dialog.h"
#include "studio/pairs_view.h"
#include "studio/studio_window.h"
#include "studiocore/pairs_model.h"
#include "studiocore/quiz_check.h"
#include "studiocore/quiz_document.h"

#include "quizfile/bundle.h"
#include "quizopen/quiz_open.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString kFlags = QFileInfo(QStringLiteral(ZORT_CAPITALS)).absolutePath() + u"/flags/"_s;

QWidget *focused()
{
    return QApplication::focusWidget();
}

// Keys with their text, as a keyboard with a Bulgarian layout sends them (QTest::keyClicks takes
// Latin-1 only).
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

// The capitals example (examples/capitals) made in the studio from nothing, by keyboard, paste,
// import and drop, saved as a bundle; the bundle is the example's quiz, and it plays to 100 %.
class TestStudioWindow : public QObject
{
    Q_OBJECT

private:
    StudioWindow *m_window = nullptr;
    template <typename T = QWidget>
    T *child(const QString &name) const
    {
        T *widget = m_window->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    PairsView *view() const { return m_window->pairsView(); }
    PairsModel *model() const { return m_window->document()->pairs(); }

    void typeInto(const QString &name, const QString &text)
    {
        QWidget *field = child(name);
        field->setFocus();
        typeText(field, text);
    }
    // F2 on the row's first cell, then each cell typed and Tab to the next, as a teacher types.
    void typeRow(int row, const QString &expression, const QString &meaning, const QStringList &explanation)
    {
        view()->setFocus();
        view()->setCurrentIndex(model()->index(row, PairsModel::Expression));
        QTest::keyClick(view(), Qt::Key_F2);
        typeText(focused(), expression);
        QTest::keyClick(focused(), Qt::Key_Tab);
        typeText(focused(), meaning);
        QTest::keyClick(focused(), Qt::Key_Tab);
        QVERIFY(qobject_cast<QPlainTextEdit *>(focused()));  // the explanation, as lines
        for (qsizetype i = 0; i < explanation.size(); ++i) {
            if (i > 0)
                QTest::keyClick(focused(), Qt::Key_Return);
            typeText(focused(), explanation.at(i));
        }
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(model()->rows().at(row).explanation, explanation);
    }
    void dropPicture(int row, const QString &file)
    {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(kFlags + file)});
        const QModelIndex index = model()->index(row, PairsModel::Picture);
        view()->scrollTo(index);
        const QPoint at = view()->visualRect(index).center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view()->viewport(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view()->viewport(), &move);
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view()->viewport(), &drop);
        QCOMPARE(model()->rows().at(row).picture.name, file);
    }
    void setSpin(const QString &name, int value)
    {
        auto *spin = child<QSpinBox>(name);
        spin->setFocus();
        spin->selectAll();
        typeText(spin, QString::number(value));
        QTest::keyClick(spin, Qt::Key_Return);
        QCOMPARE(spin->value(), value);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);  // the recent files go to a test's settings
    }

    void makeCapitalsFromNothing()
    {
        QTemporaryDir dir;
        StudioWindow window;
        m_window = &window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        // The form.
        typeInto(u"id"_s, u"capitals"_s);
        typeInto(u"caption"_s, u"Столици на Европа"_s);
        child<QLineEdit>(u"expressionsName"_s)->selectAll();  // over the default names
        typeInto(u"expressionsName"_s, u"Държави"_s);
        child<QLineEdit>(u"meaningsName"_s)->selectAll();
        typeInto(u"meaningsName"_s, u"Столици"_s);
        const QStringList instructions = QuizFile::check(QStringLiteral(ZORT_CAPITALS)).quiz.instructions.split(u"\r\n"_s);
        child(u"instructions"_s)->setFocus();
        for (const QString &line : instructions) {
            typeText(focused(), line);
            if (&line != &instructions.last())
                QTest::keyClick(focused(), Qt::Key_Return);
        }
        child(u"ownLayout"_s)->setFocus();
        QTest::keyClick(child(u"ownLayout"_s), Qt::Key_Space);
        QVERIFY(child<QCheckBox>(u"ownLayout"_s)->isChecked());
        setSpin(u"expressionsWidth"_s, 4000);
        setSpin(u"meaningsLeft"_s, 4200);
        setSpin(u"meaningsWidth"_s, 6735);

        // Four pairs typed, Insert adding the rows.
        typeRow(0, u"България"_s, u"София"_s, {u"София е столица на България от 1879 г."_s});
        const QList<std::array<QString, 3>> typed{
            {u"Германия"_s, u"Берлин"_s, u"Берлин е столица на обединена Германия от 1990 г."_s},
            {u"Франция"_s, u"Париж"_s, u"Париж е на река Сена."_s},
            {u"Италия"_s, u"Рим"_s, u"Рим е на река Тибър."_s}};
        for (int i = 0; i < typed.size(); ++i) {
            view()->setFocus();
            QTest::keyClick(view(), Qt::Key_Insert);
            QCOMPARE(view()->currentIndex().row(), i + 1);
            typeRow(i + 1, typed[i][0], typed[i][1], {typed[i][2]});
        }

        // Four rows pasted as a spreadsheet copies them, an explanation of two lines among them.
        QGuiApplication::clipboard()->setText(
            u"Австрия\tВиена\tВиена е на река Дунав.\r\n"
            "Унгария\tБудапеща\t\"Будапеща е на река Дунав.\nГрадът е създаден през 1873 г. от Буда, Обуда и Пеща.\"\r\n"
            "Румъния\tБукурещ\tБукурещ е на река Дъмбовица.\r\n"
            "Нидерландия\tАмстердам\tАмстердам е столицата, но правителството заседава в Хага.\r\n"_s);
        view()->setFocus();
        QTest::keyClick(view(), Qt::Key_Insert);
        QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(model()->rowCount(), 8);
        QCOMPARE(model()->rows().at(5).explanation.size(), 2);

        // Four pairs and the three extra meanings imported from a table with a heading.
        QDir(dir.path()).mkpath(u"flags"_s);
        for (const QString &flag : {u"be"_s, u"ee"_s, u"lt"_s, u"ie"_s})
            QVERIFY(QFile::copy(kFlags + flag + u".png"_s, dir.filePath(u"flags/"_s + flag + u".png"_s)));
        QFile table(dir.filePath(u"capitals.csv"_s));
        QVERIFY(table.open(QIODevice::WriteOnly));
        table.write(u"Държава;Столица;Обяснение;Флаг\n"
                    "Белгия;Брюксел;В Брюксел са седалищата на Европейската комисия и на НАТО.;flags/be.png\n"
                    "Естония;Талин;Старият град на Талин е в списъка на световното наследство на ЮНЕСКО.;flags/ee.png\n"
                    "Литва;Вилнюс;Старият град на Вилнюс е в списъка на световното наследство на ЮНЕСКО.;flags/lt.png\n"
                    "Ирландия;Дъблин;Дъблин е на река Лифи.;flags/ie.png\n"
                    ";Солун;;\n;Милано;;\n;Мюнхен;;\n"_s.toUtf8());
        table.close();
        int previewRows = 0;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<ImportDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->separatorBox()->setCurrentIndex(dialog->separatorBox()->findData(int(';')));
            QTest::keyClick(dialog->headingBox(), Qt::Key_Space);
            previewRows = dialog->findChild<QAbstractItemView *>(u"preview"_s)->model()->rowCount();
            QTest::mouseClick(dialog->findChild<QAbstractButton *>(u"import"_s), Qt::LeftButton);
        });
        QVERIFY(window.importTable(table.fileName()));
        QCOMPARE(previewRows, 7);
        QCOMPARE(model()->rowCount(), 12);
        window.activateWindow();  // the dialog had it; offscreen, nothing gives it back
        QVERIFY(QTest::qWaitForWindowActive(&window));

        // The typed and pasted pairs get their flags dropped on their rows.
        const QStringList flags{u"bg"_s, u"de"_s, u"fr"_s, u"it"_s, u"at"_s, u"hu"_s, u"ro"_s, u"nl"_s};
        for (int row = 0; row < flags.size(); ++row)
            dropPicture(row, flags.at(row) + u".png"_s);

        // Checked as it stands, and saved as a bundle.
        QTRY_COMPARE_WITH_TIMEOUT(window.checker()->isBusy(), false, 5000);
        const CheckOutcome outcome = window.checker()->checkNow();
        QVERIFY2(outcome.ok(), qPrintable(outcome.problems.value(0).text));
        QVERIFY(window.isWindowModified());
        const QString saved = dir.filePath(u"capitals.zort"_s);
        QVERIFY(window.saveTo(saved));
        QVERIFY(!window.isWindowModified());

        QVERIFY(QuizOpen::open(saved).ok());  // as zort opens it
        const QuizFile::Result bundle = QuizFile::checkBundle(saved);
        QVERIFY2(bundle.ok(), qPrintable(bundle.problems.value(0).text()));
        const QuizFile::Quiz &made = bundle.quiz;
        const QuizFile::Quiz example = QuizFile::check(QStringLiteral(ZORT_CAPITALS)).quiz;
        QCOMPARE(made.id, example.id);
        QCOMPARE(made.caption, example.caption);
        QCOMPARE(made.instructions, example.instructions);
        QCOMPARE(made.expressionsName, example.expressionsName);
        QCOMPARE(made.meaningsName, example.meaningsName);
        QCOMPARE(made.layout, example.layout);
        QCOMPARE(made.extraMeanings, example.extraMeanings);
        QCOMPARE(made.pairs.size(), example.pairs.size());
        for (qsizetype i = 0; i < made.pairs.size(); ++i) {
            QCOMPARE(made.pairs[i].expression, example.pairs[i].expression);
            QCOMPARE(made.pairs[i].meaning, example.pairs[i].meaning);
            QCOMPARE(made.pairs[i].explanation, example.pairs[i].explanation);
            QVERIFY(made.pictures.value(made.pairs[i].picture).data == example.pictures[example.pairs[i].picture].data);
        }

        // "Try it" (F5) plays it in the quiz window: every pair entered, all right.
        QTest::keyClick(&window, Qt::Key_F5);
        QuizWindow *quiz = window.tryWindow();
        QVERIFY(quiz);
        QVERIFY(QTest::qWaitForWindowExposed(quiz));
        for (const QuizFile::Pair &pair : example.pairs) {
            for (const auto &[list, text] : {std::pair{0, pair.expression}, std::pair{1, pair.meaning}}) {
                auto *items = quiz->findChild<QAbstractItemView *>(u"Slowo_%1"_s.arg(list));
                const QModelIndexList found = items->model()->match(items->model()->index(0, 0), Qt::DisplayRole,
                                                                    text, 1, Qt::MatchExactly);
                QVERIFY2(!found.isEmpty(), qPrintable(text));
                items->scrollTo(found.first());
                QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, items->visualRect(found.first()).center());
            }
            QTest::mouseClick(quiz->findChild<QAbstractButton *>(u"Uprawl_0"_s), Qt::LeftButton);
        }
        // "Върни" with nothing selected only applies the rule that enables "Оцени".
        QTest::mouseClick(quiz->findChild<QAbstractButton *>(u"Uprawl_1"_s), Qt::LeftButton);
        QTest::mouseClick(quiz->findChild<QAbstractButton *>(u"Uprawl_2"_s), Qt::LeftButton);
        QCOMPARE(quiz->quiz().counter(), UiText::score(100));
        // Closing it leaves the studio running.
        quiz->close();
        QTRY_VERIFY(!window.tryWindow());
        QVERIFY(window.isVisible());

        // A problem chosen in the panel (Enter) selects the cell it is about.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *extra = child<QPlainTextEdit>(u"extraMeanings"_s);  // 12 pairs allow 4 extra meanings, not 5
        extra->setFocus();
        QTest::keyClick(extra, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(extra, Qt::Key_Return);
        typeText(extra, u"Лион"_s);
        QTest::keyClick(extra, Qt::Key_Return);
        typeText(extra, u"Порто"_s);
        model()->setData(model()->index(2, PairsModel::Meaning), QString());
        window.checker()->checkNow();
        auto *problems = child<QAbstractItemView>(u"problems"_s);
        const FormPlace place = window.checker()->problems()->place(1);
        QCOMPARE(int(place.kind), int(FormPlace::Pair));
        problems->setFocus();
        problems->setCurrentIndex(problems->model()->index(1, 0));
        QTest::keyClick(problems, Qt::Key_Return);
        QCOMPARE(view()->currentIndex(), model()->index(2, PairsModel::Meaning));
        QVERIFY(view()->hasFocus());
        problems->setFocus();
        problems->setCurrentIndex(problems->model()->index(0, 0));
        QTest::keyClick(problems, Qt::Key_Return);
        QVERIFY(child(u"extraMeanings"_s)->hasFocus());
        window.document()->undoStack()->undo();
        window.document()->undoStack()->undo();
        QVERIFY(!window.isWindowModified());  // back to what was saved
        m_window = nullptr;
    }
};

ZORT_TEST_MAIN(TestStudioWindow)
#include "tst_studio_window.moc"
