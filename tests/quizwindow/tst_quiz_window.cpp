#include "test_main.h"
#include "list_rows.h"
#include "visible_texts.h"
#include "test_support.h"
#include "quizwindow/picture_window.h"
#include "quizwindow/quiz_window.h"
#include "settingswindow/settings_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Saves a picture of the window when ZORT_SCREENSHOT_DIR names a folder, to look at by eye.
void saveShot(QWidget *window, const QString &name)
{
    const QString dir = qEnvironmentVariable("ZORT_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        window->grab().save(dir + u'/' + name + u".png"_s);
}

} // namespace

class TestQuizWindow : public QObject
{
    Q_OBJECT

public:
    template <typename T = QWidget>
    T *child(const QString &name) const
    {
        T *widget = m_window->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QListView *list(int i) const { return child<QListView>(u"Slowo_%1"_s.arg(i)); }
    QAbstractButton *button(int i) const { return child<QAbstractButton>(u"Uprawl_%1"_s.arg(i)); }

    // A learner's click on a row of a list.
    void clickRow(int listIndex, int row)
    {
        ListRows::click(list(listIndex), row);
    }
    void clickText(int listIndex, const QString &text)
    {
        const int row = ListRows::rowOf(list(listIndex), text);
        QVERIFY2(row >= 0, qPrintable(text));
        clickRow(listIndex, row);
    }
    void press(int i) { QTest::mouseClick(button(i), Qt::LeftButton); }

    // The widgets show what the test holds: same rows, same selection.
    void checkMirror()
    {
        const Quiz &quiz = m_window->quiz();
        for (int i = 0; i < 3; ++i) {
            QListView *widget = list(i);
            QStringList shown;
            for (int row = 0; row < ListRows::count(widget); ++row)
                shown << ListRows::text(widget, row);
            QCOMPARE(shown, quiz.list(i).items());
            const QModelIndexList selected = widget->selectionModel()->selectedRows();
            QCOMPARE(selected.isEmpty() ? qsizetype(-1) : qsizetype(selected.first().row()), quiz.list(i).selected());
        }
        for (int i = 0; i < 4; ++i)
            QCOMPARE(button(i)->isEnabled(), quiz.isEnabled(i));
        QCOMPARE(child<QLabel>(u"Ndapis"_s)->text(), quiz.counter());
        QCOMPARE(child<QPlainTextEdit>(u"Prowerka_0"_s)->toPlainText(), QString(quiz.output()).replace(u"\r\n"_s, u"\n"_s));
        QCOMPARE(child<QLineEdit>(u"Prowerka_1"_s)->isVisible(), quiz.verdictVisible());
    }

private Q_SLOTS:
    void init()
    {
        m_window = std::make_unique<QuizWindow>(builtInContent());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void startupWindow()
    {
        QCOMPARE(m_window->windowTitle(), builtInContent().window.caption);
        QCOMPARE(m_window->frameGeometry().width(), 750);
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QCOMPARE(m_window->centralWidget()->height(), 467);
        QCOMPARE(m_window->centralWidget()->palette().color(QPalette::Window), QColor(0, 128, 0));
        const QFont font = list(0)->font();
        QCOMPARE(font.family(), u"Times New Roman"_s);
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(ListRows::count(list(0)), 27);
        QCOMPARE(ListRows::count(list(1)), 27);
        QCOMPARE(list(0)->currentIndex().row(), 0);
        QCOMPARE(list(1)->currentIndex().row(), 0);
        QVERIFY(!button(2)->isEnabled());
        QVERIFY(child<QLineEdit>(u"Prowerka_1"_s)->isHidden());
        QVERIFY(child<QWidget>(u"Grafika_1"_s)->isHidden());
        QCOMPARE(m_window->menuBar()->actions().size(), 2);
        QCOMPARE(m_window->menuBar()->actions().at(0)->text(), u"Exit"_s);
        QCOMPARE(m_window->menuBar()->actions().at(1)->text(), u"Color"_s);
        QVERIFY(!m_window->settingsWindow());
        QVERIFY(!m_window->pictureWindow());
        checkMirror();
        saveShot(m_window.get(), u"startup"_s);
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<QString>("tooltip");
        const QString choose = u"Посочете елемента в релацията"_s;
        QTest::newRow("Slowo 0") << u"Slowo_0"_s << QRect(8, 32, 209, 137) << u"Латински изрази"_s << choose;
        QTest::newRow("Slowo 1") << u"Slowo_1"_s << QRect(224, 32, 505, 137) << u"Значения"_s << choose;
        QTest::newRow("Slowo 2") << u"Slowo_2"_s << QRect(56, 176, 625, 99) << u"Въведени двойки"_s
                                 << u"Набор от вече въведени отговори"_s;
        QTest::newRow("Uprawl 0") << u"Uprawl_0"_s << QRect(80, 280, 81, 25) << u"Избрах"_s << u"Натиснете бутон за избор"_s;
        QTest::newRow("Uprawl 1") << u"Uprawl_1"_s << QRect(312, 280, 81, 25) << u"Върни"_s
                                  << u"Изтрива / възстановява направения избор"_s;
        QTest::newRow("Uprawl 2") << u"Uprawl_2"_s << QRect(560, 280, 81, 25) << u"Оцени"_s
                                  << u"Преустановява теста и формира оценка"_s;
        QTest::newRow("Uprawl 3") << u"Uprawl_3"_s << QRect(648, 3, 81, 25) << u"Обясни"_s << u"Дава обяснения"_s;
        QTest::newRow("Ndapis") << u"Ndapis"_s << QRect(296, 0, 97, 25) << QString() << u"Извежда резултатите в края на теста"_s;
        QTest::newRow("Prowerka 0") << u"Prowerka_0"_s << QRect(120, 312, 609, 137) << u"Указания и обяснения"_s << QString();
        QTest::newRow("Prowerka 1") << u"Prowerka_1"_s << QRect(696, 208, 33, 33) << u"Оценка на двойката"_s
                                    << u"зелено - Вярно; червено - Грешно"_s;
        QTest::newRow("Grafika 0") << u"Grafika_0"_s << QRect(8, 312, 105, 89) << u"Картина"_s << QString();
        QTest::newRow("Grafika 1") << u"Grafika_1"_s << QRect(8, 384, 105, 89) << QString() << QString();
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QString, accessibleName);
        QFETCH(QString, tooltip);
        QWidget *widget = child(name);
        QCOMPARE(widget->geometry(), rect);
        QCOMPARE(widget->toolTip(), tooltip);
        QCOMPARE(widget->accessibleDescription(), tooltip);
        if (qobject_cast<QAbstractButton *>(widget) && accessibleName == static_cast<QAbstractButton *>(widget)->text())
            QVERIFY(widget->accessibleName().isEmpty()); // a button's caption is its name
        else
            QCOMPARE(widget->accessibleName(), accessibleName);
    }

    // Each button's face shows its exact colour, not a style's gradient of it.
    void buttonFaces_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QColor>("face");
        QTest::newRow("Избрах") << 0 << QColor(0xFF, 0x80, 0x00);
        QTest::newRow("Върни") << 1 << QColor(0xFF, 0xFF, 0x80);
        QTest::newRow("Оцени") << 2 << QColor(0xC0, 0xC0, 0xFF);
        QTest::newRow("Обясни") << 3 << QColor(0x00, 0xC0, 0x00);
    }
    void buttonFaces()
    {
        QFETCH(int, index);
        QFETCH(QColor, face);
        const QImage image = button(index)->grab().toImage();
        for (const QPoint &at : {QPoint(5, 5), QPoint(image.width() - 6, image.height() - 6), QPoint(6, image.height() / 2)})
            QCOMPARE(QColor(image.pixel(at)), face);
    }

    // "Запис" recolours only what it names. The thumbnail, the verdict square and the frames of the
    // lists and the output box keep the platform's look: the same pixels on the green form of the
    // start-up, after a new form colour, and on a form of the platform's colour.
    void ownLookBesideTheForm_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("thumbnail") << u"Grafika_0"_s << QPoint(50, 40);
        QTest::newRow("left list's frame") << u"Slowo_0"_s << QPoint(0, 60);
        QTest::newRow("entered pairs' frame") << u"Slowo_2"_s << QPoint(0, 40);
        QTest::newRow("output box's frame") << u"Prowerka_0"_s << QPoint(0, 60);
        QTest::newRow("verdict square's frame") << u"Prowerka_1"_s << QPoint(0, 16);
    }
    void ownLookBesideTheForm()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, at);
        QWidget *control = child(name);
        control->show(); // the verdict square shows from the evaluation on
        const QPoint point = control->geometry().topLeft() + at;
        // What the learner sees: the form as drawn, not the control alone.
        const auto seen = [&] { return QColor(m_window->centralWidget()->grab().toImage().pixel(point)); };
        const QColor atStartUp = seen();
        Appearance appearance;
        appearance.formBackground = 0xFF0000; // blue
        appearance.textBackground = 0xFFFFFF;
        appearance.fontFace = u"Times New Roman"_s;
        appearance.fontSize = 12;
        m_window->applyAppearance(appearance);
        QCOMPARE(seen(), atStartUp);
        m_window->centralWidget()->setPalette(QPalette());
        QCOMPARE(seen(), atStartUp);
    }

    void tabOrder()
    {
        const QStringList expected{u"Slowo_0"_s, u"Slowo_1"_s, u"Slowo_2"_s, u"Uprawl_0"_s, u"Uprawl_1"_s,
                                   u"Prowerka_0"_s, u"Uprawl_3"_s, u"Grafika_0"_s};
        QWidget *widget = list(0);
        widget->setFocus();
        QStringList order{widget->objectName()};
        for (int i = 1; i < expected.size(); ++i) {
            widget = widget->nextInFocusChain();
            while (!(widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus)))
                widget = widget->nextInFocusChain();
            order << widget->objectName();
        }
        QCOMPARE(order, expected);
    }

    void entriesAndTakeBackByMouse()
    {
        clickText(0, u"mea culpa"_s);
        clickText(1, u"вината е моя"_s);
        press(0);
        QCOMPARE(ListRows::text(list(2), 0), u"mea culpa вината е моя"_s);
        QVERIFY(ListRows::selected(list(0)).isEmpty());
        QVERIFY(ListRows::selected(list(1)).isEmpty());
        QCOMPARE(child<QLabel>(u"Ndapis"_s)->text(), UiText::pairsLeft(26));
        checkMirror();

        clickText(0, u"habeas corpus"_s);
        clickText(1, u"извън реда"_s);
        press(0);
        clickText(0, u"gloria victis"_s);
        clickText(1, u"така е"_s);
        press(0);
        checkMirror();

        clickText(0, u"ita est"_s); // the learner's selection survives a take-back
        clickRow(2, 1);
        QVERIFY(child<QPlainTextEdit>(u"Prowerka_0"_s)->toPlainText().isEmpty());
        press(1);
        QCOMPARE(ListRows::count(list(2)), 2);
        QCOMPARE(ListRows::currentText(list(2)), u"gloria victis така е"_s);
        QCOMPARE(ListRows::selected(list(0)).first().data().toString(), u"ita est"_s);
        checkMirror();
        saveShot(m_window.get(), u"entries"_s);
    }

    void keyboardSelection()
    {
        list(0)->setFocus();
        QTest::keyClick(list(0), Qt::Key_Down);
        QCOMPARE(m_window->quiz().list(0).selected(), qsizetype(1));
        QTest::keyClick(list(0), Qt::Key_End);
        QCOMPARE(m_window->quiz().list(0).selected(), qsizetype(26));
        QTest::keyClicks(list(0), u"mea"_s);
        QCOMPARE(m_window->quiz().list(0).at(m_window->quiz().list(0).selected()), u"mea culpa"_s);
        QCOMPARE(int(m_window->quiz().currentItem()), 12);
        list(1)->setFocus();
        QTest::keyClick(list(1), Qt::Key_Home);
        QTest::keyClick(list(1), Qt::Key_Down);
        button(0)->setFocus();
        QTest::keyClick(button(0), Qt::Key_Space);
        QCOMPARE(ListRows::count(list(2)), 1);
        QCOMPARE(ListRows::text(list(2), 0), u"mea culpa вината е моя"_s);
        list(0)->setFocus();
        QTest::keyClick(list(0), Qt::Key_Home);
        list(1)->setFocus();
        QTest::keyClick(list(1), Qt::Key_Home);
        button(0)->setFocus();
        QTest::keyClick(button(0), Qt::Key_Return);
        QCOMPARE(ListRows::count(list(2)), 2);
        checkMirror();
    }

    // From start-up through entries, a take-back and an explanation to the score and the review.
    void wholeTest()
    {
        Quiz &quiz = m_window->quiz();
        clickText(0, quiz.content().expressions.at(0));
        clickText(1, quiz.content().meanings.at(4));
        press(3); // explain and enter
        QVERIFY(child<QPlainTextEdit>(u"Prowerka_0"_s)->toPlainText().startsWith(u"\n\"habeas corpus\" е във връзка с"_s));
        QVERIFY(!button(3)->isEnabled());
        for (int k = 2; k <= 22; ++k) {
            clickText(0, quiz.content().expressions.at(k - 1));
            clickText(1, quiz.content().meanings.at(k == 5 ? 0 : k - 1));
            press(0);
        }
        QVERIFY(button(2)->isEnabled());
        clickRow(2, 3);
        press(1); // take back "lapsus мемориае"; the rule enabled "Оцени" first
        QVERIFY(button(2)->isEnabled());
        press(2);
        QCOMPARE(child<QLabel>(u"Ndapis"_s)->text(), UiText::score(70)); // 19 of 27
        auto *verdict = child<QLineEdit>(u"Prowerka_1"_s);
        QVERIFY(verdict->isVisible());
        QCOMPARE(verdict->text(), u"НЕ"_s);
        QCOMPARE(verdict->palette().color(QPalette::Base), QColor(255, 0, 0));
        saveShot(m_window.get(), u"evaluated-red"_s);
        QCOMPARE(ListRows::at(list(2), 0).data(Qt::AccessibleDescriptionRole).toString(), u"НЕ"_s);
        clickRow(2, 1);
        QCOMPARE(verdict->text(), u"ДА"_s);
        QCOMPARE(ListRows::at(list(2), 1).data(Qt::AccessibleDescriptionRole).toString(), u"ДА"_s);
        QCOMPARE(verdict->palette().color(QPalette::Base), QColor(0, 255, 0));
        saveShot(m_window.get(), u"evaluated-green"_s);
        press(3);
        QCOMPARE(child<QPlainTextEdit>(u"Prowerka_0"_s)->toPlainText(),
                 u"\n\"lege artis\" е във връзка с \"според закона на изкуството (съвършено)\""_s);
        QVERIFY(!button(0)->isEnabled());
        QVERIFY(!button(1)->isEnabled());
        QVERIFY(!button(2)->isEnabled());
        QVERIFY(button(3)->isEnabled());
        checkMirror();
        saveShot(m_window.get(), u"explanation"_s);
    }

    void pictureWindow()
    {
        // A 150 x 60 picture shipped as a resource: blue, with a gold band from x = 120 on.
        Content content = builtInContent();
        content.pictureFlags[3] = u"1"_s;
        content.pictures[2] = u":/pictures/three.png"_s;
        m_window = std::make_unique<QuizWindow>(content);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

        clickText(0, u"extra ordinem"_s);
        auto *thumbnail = child<QAbstractButton>(u"Grafika_0"_s);
        // The thumbnail shows the picture at its own size, never scaled: cut off before the gold band.
        const QImage shown = thumbnail->grab().toImage();
        QCOMPARE(QColor(shown.pixel(thumbnail->width() - 4, 10)), QColor(0, 0, 200));
        QCOMPARE(QColor(shown.pixel(10, 70)), QApplication::palette(thumbnail).color(QPalette::Window));
        QTest::mouseClick(thumbnail, Qt::LeftButton);
        PictureWindow *window = m_window->pictureWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->frameGeometry().size(), QSize(150 + 7, 60 + 17));
        QCOMPARE(window->windowTitle(), u"zort.example.org - ZORT picture"_s);
        const QImage full = window->grab().toImage();
        QCOMPARE(QColor(full.pixel(130, 10)), QColor(0xFF, 0xD7, 0x00));
        QCOMPARE(QColor(full.pixel(10, 50)), QColor(0, 0, 200));
        saveShot(window, u"picture-window"_s);

        clickText(0, u"habeas corpus"_s);
        QVERIFY(!window->isVisible());
        QTest::mouseClick(thumbnail, Qt::LeftButton);
        QVERIFY(!window->isVisible());
    }

    void otherContentGeometry()
    {
        Content content = makeContent(3, 5);
        content.window = WindowLayout::fromRecord(QStringList{u"Проба"_s, u"9000"_s, u"150"_s, u"1500"_s, u"1800"_s, u"3000"_s});
        m_window = std::make_unique<QuizWindow>(content);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(m_window->windowTitle(), u"Проба"_s);
        QCOMPARE(m_window->frameGeometry().width(), 600);
        QCOMPARE(list(0)->geometry(), QRect(10, 32, 100, 137));
        QCOMPARE(list(1)->geometry(), QRect(120, 32, 200, 137));
        QCOMPARE(ListRows::count(list(0)), 3);
        QCOMPARE(ListRows::count(list(1)), 5);
    }

    void exitEndsTheProgram()
    {
        QAction *exit = m_window->menuBar()->actions().at(0);
        QTimer::singleShot(0, exit, &QAction::trigger);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }

    // Shown by another program beside its own window (the studio's "Try it"), "Exit" and closing
    // close the quiz window and what it opened, and the program goes on.
    void openedByAnotherProgram_data()
    {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("Exit") << true;
        QTest::newRow("window closed") << false;
    }
    void openedByAnotherProgram()
    {
        QFETCH(bool, byExit);
        QWidget other;
        other.show();
        QVERIFY(m_window->endsProgram());
        m_window->setEndsProgram(false);
        m_window->menuBar()->actions().at(1)->trigger();
        QVERIFY(m_window->settingsWindow() && m_window->settingsWindow()->isVisible());
        QAction *exit = m_window->menuBar()->actions().at(0);
        QTimer::singleShot(0, m_window.get(), [&] { byExit ? exit->trigger() : void(m_window->close()); });
        // Runs after the close, unless the close ended the program's loop first.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(7); });
        QCOMPARE(QApplication::exec(), 7);
        QVERIFY(!m_window->isVisible());
        QVERIFY(!m_window->settingsWindow()->isVisible());
        QVERIFY(other.isVisible());
    }

private:
    std::unique_ptr<QuizWindow> m_window;
};

ZORT_TEST_MAIN(TestQuizWindow)
#include "tst_quiz_window.moc"
