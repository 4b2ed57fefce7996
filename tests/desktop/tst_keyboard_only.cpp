#include "test_main.h"
#include "list_rows.h"
#include "visible_texts.h"
#include "settingswindow/settings_window.h"
#include "quizwindow/quiz_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// A whole test taken with the keyboard alone: every key goes to the widget that has the focus,
// as it would for a learner without a mouse. Tab and Shift+Tab move between controls, arrow keys
// and type-ahead choose list items, Space and Enter press the focused button.
class TestKeyboardOnly : public QObject
{
    Q_OBJECT

    std::unique_ptr<QuizWindow> m_window;

    QWidget *focused() const { return QApplication::focusWidget(); }
    QString focusedName() const { return focused() ? focused()->objectName() : QString(); }
    template <typename T = QWidget>
    T *child(const QString &name) const { return m_window->findChild<T *>(name); }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QVERIFY(focused());
        QTest::keyClick(focused(), k, modifiers);
    }
    // Tab (or Shift+Tab) until the named control has the focus; a learner would not press it
    // more often than there are controls.
    void tabTo(const QString &name, bool backwards = false)
    {
        for (int presses = 0; presses < 12 && focusedName() != name; ++presses)
            key(backwards ? Qt::Key_Backtab : Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(focusedName(), name);
    }
    // Type-ahead: the first characters of an item select it. Characters typed within the
    // keyboard input interval extend the previous search, so pause first as a learner would.
    void typeAhead(const QString &prefix)
    {
        QVERIFY(focused());
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        // Key codes of letters are their upper-case code points, Cyrillic ones too.
        for (const QChar c : prefix)
            QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
    QString currentText(int list) const
    {
        return ListRows::currentText(child<QListView>(u"Slowo_%1"_s.arg(list)));
    }
    // Home, then Down until the item with this text is current.
    void arrowTo(const QString &text)
    {
        key(Qt::Key_Home);
        for (int presses = 0; presses < 30 && currentText(1) != text; ++presses)
            key(Qt::Key_Down);
        QCOMPARE(currentText(1), text);
    }

private Q_SLOTS:
    void init()
    {
        m_window = std::make_unique<QuizWindow>(builtInContent());
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void wholeTestByKeyboard()
    {
        const Content &content = builtInContent();
        QCOMPARE(focusedName(), u"Slowo_0"_s); // the left list has the focus first

        // 22 pairs: expressions by type-ahead, meanings by arrow keys; pairs 2 and 3 crossed.
        for (int k = 1; k <= 22; ++k) {
            const int meaning = k == 2 ? 3 : k == 3 ? 2 : k;
            tabTo(u"Slowo_0"_s);
            typeAhead(content.expressions.at(k - 1));
            QCOMPARE(currentText(0), content.expressions.at(k - 1));
            tabTo(u"Slowo_1"_s);
            arrowTo(content.meanings.at(meaning - 1));
            tabTo(u"Uprawl_0"_s);
            key(k % 2 ? Qt::Key_Space : Qt::Key_Return);
            QCOMPARE(ListRows::count(child<QListView>(u"Slowo_2"_s)), k);
        }
        QCOMPARE(child<QLabel>(u"Ndapis"_s)->text(), UiText::pairsLeft(5));

        // Take the last pair back: Shift+Tab into the entered pairs, End, then "Върни".
        tabTo(u"Slowo_2"_s, true);
        key(Qt::Key_End);
        tabTo(u"Uprawl_1"_s);
        key(Qt::Key_Space);
        QCOMPARE(ListRows::count(child<QListView>(u"Slowo_2"_s)), 21);
        QCOMPARE(child<QLabel>(u"Ndapis"_s)->text(), UiText::pairsLeft(6));

        // The next press enables "Оцени" (21 ≥ 3 × 6); Tab reaches it only once it is enabled.
        tabTo(u"Uprawl_0"_s, true);
        QVERIFY(ListRows::selected(child<QListView>(u"Slowo_0"_s)).isEmpty());
        key(Qt::Key_Space); // no expression selected: enters nothing
        QCOMPARE(ListRows::count(child<QListView>(u"Slowo_2"_s)), 21);
        tabTo(u"Uprawl_2"_s);
        key(Qt::Key_Return);
        QCOMPARE(child<QLabel>(u"Ndapis"_s)->text(), UiText::score(70)); // 19 of 27

        // Review: arrow keys move through the entered pairs and the verdict follows.
        auto *verdict = child<QLineEdit>(u"Prowerka_1"_s);
        QVERIFY(verdict->isVisible());
        tabTo(u"Slowo_2"_s, true);
        key(Qt::Key_Home);
        QCOMPARE(verdict->text(), u"ДА"_s);
        key(Qt::Key_Down);
        QCOMPARE(verdict->text(), u"НЕ"_s);
        QCOMPARE(currentText(2), content.expressions.at(1) + u' ' + content.meanings.at(2));

        // "Обясни" by keyboard explains the selected pair.
        tabTo(u"Uprawl_3"_s);
        key(Qt::Key_Space);
        QVERIFY(child<QPlainTextEdit>(u"Prowerka_0"_s)->toPlainText().contains(content.expressions.at(1)));

        // The verdict square and the output box take the focus too, so a screen reader can read them.
        tabTo(u"Prowerka_1"_s, true);
        tabTo(u"Prowerka_0"_s);
    }

    // Alt opens the menu bar; the arrow keys and Enter choose "Color".
    void menuByKeyboard()
    {
        QTest::keyClick(focused(), Qt::Key_Alt, Qt::AltModifier);
        QCOMPARE(focused(), m_window->menuBar());
        key(Qt::Key_Right);
        key(Qt::Key_Return);
        QVERIFY(m_window->settingsWindow());
        QVERIFY(m_window->settingsWindow()->isVisible());
    }
};

ZORT_TEST_MAIN(TestKeyboardOnly)
#include "tst_keyboard_only.moc"
