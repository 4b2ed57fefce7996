#include "test_main.h"
#include "list_rows.h"
#include "visible_texts.h"
#include "test_support.h"
#include "quizwindow/quiz_window.h"

#include <QAccessible>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// What a screen reader gets from the main window: the verdict as text with the square's
// description, the counter label's current text as its name, and the output box's text.
class TestAccessibility : public QObject
{
    Q_OBJECT
    std::unique_ptr<QuizWindow> m_window;

    QAccessibleInterface *accessible(const QString &name) const
    {
        QWidget *widget = m_window->findChild<QWidget *>(name);
        return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    }
    static QString allText(QAccessibleInterface *iface)
    {
        QAccessibleTextInterface *text = iface->textInterface();
        return text ? text->text(0, text->characterCount()) : iface->text(QAccessible::Value);
    }

private Q_SLOTS:
    void init()
    {
        m_window = std::make_unique<QuizWindow>(builtInContent());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void readsTheTestAsText_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("counter");
        QTest::addColumn<QString>("verdict"); // empty: the square is hidden
        QTest::addColumn<QString>("output");  // text the output box starts with
        const Content &content = builtInContent();
        const QString explained = u"\n\"%1\" е във връзка с \"%2\""_s.arg(content.expressions.at(1), content.meanings.at(1));
        QTest::newRow("start-up") << 0 << UiText::counterAtStart() << QString() << u"Това е релационен тест."_s;
        QTest::newRow("one pair entered") << 1 << UiText::pairsLeft(26) << QString() << u"Това е релационен тест."_s;
        QTest::newRow("evaluated, right pair") << 2 << UiText::score(74) << u"ДА"_s << QString();
        QTest::newRow("wrong pair selected") << 3 << UiText::score(74) << u"НЕ"_s << QString();
        QTest::newRow("wrong pair explained") << 4 << UiText::score(74) << u"НЕ"_s << explained;
    }
    void readsTheTestAsText()
    {
        QFETCH(int, stage);
        QFETCH(QString, counter);
        QFETCH(QString, verdict);
        QFETCH(QString, output);
        Quiz &quiz = m_window->quiz();
        if (stage >= 1)
            enterPair(quiz, 1, 1);
        if (stage >= 2) {
            // 22 pairs, 2 and 4 crossed: 20 of 27 right.
            for (int k = 2; k <= 22; ++k)
                enterPair(quiz, k, k == 2 ? 4 : k == 4 ? 2 : k);
            quiz.pressButton(Quiz::Evaluate);
            quiz.pressButton(Quiz::Evaluate); // the first press only enabled it
            quiz.selectRow(2, 0);
        }
        if (stage >= 3)
            quiz.selectRow(2, 1);
        if (stage >= 4)
            quiz.pressButton(Quiz::Explain);

        QAccessibleInterface *label = accessible(u"Ndapis"_s);
        QVERIFY(label);
        QCOMPARE(label->role(), QAccessible::StaticText);
        QCOMPARE(label->text(QAccessible::Name), counter);
        QCOMPARE(label->text(QAccessible::Description), u"Извежда резултатите в края на теста"_s);

        QAccessibleInterface *square = accessible(u"Prowerka_1"_s);
        QVERIFY(square);
        QCOMPARE(square->state().invisible, verdict.isEmpty());
        if (!verdict.isEmpty()) {
            QCOMPARE(square->text(QAccessible::Name), u"Оценка на двойката"_s);
            QCOMPARE(allText(square), verdict);
            QCOMPARE(square->text(QAccessible::Description), u"зелено - Вярно; червено - Грешно"_s);
            QVERIFY(square->state().readOnly);
            QVERIFY(square->state().focusable);
        }

        QAccessibleInterface *box = accessible(u"Prowerka_0"_s);
        QVERIFY(box);
        QCOMPARE(box->text(QAccessible::Name), u"Указания и обяснения"_s);
        QVERIFY2(allText(box).startsWith(output), qPrintable(allText(box).left(80)));
    }

    // A screen reader selects an item through the item's toggle action, which adds it to the
    // list's selection: the test must follow it, and the list must show it alone.
    void assistiveSelectionMovesTheTest_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<bool>("evaluated");
        QTest::newRow("expressions") << 0 << false;
        QTest::newRow("meanings") << 1 << false;
        QTest::newRow("entered pairs") << 2 << false;
        QTest::newRow("entered pairs, review") << 2 << true;
    }
    void assistiveSelectionMovesTheTest()
    {
        QFETCH(int, list);
        QFETCH(bool, evaluated);
        Quiz &quiz = m_window->quiz();
        for (int k = 1; k <= 22; ++k)
            enterPair(quiz, k, k == 2 ? 4 : k == 4 ? 2 : k);
        quiz.selectRow(0, 0);
        quiz.selectRow(1, 0);
        quiz.selectRow(2, 0);
        if (evaluated) {
            quiz.pressButton(Quiz::Evaluate);
            quiz.pressButton(Quiz::Evaluate);
            QCOMPARE(m_window->findChild<QLineEdit *>(u"Prowerka_1"_s)->text(), u"ДА"_s);
        }
        auto *widget = m_window->findChild<QListView *>(u"Slowo_%1"_s.arg(list));
        QAccessibleInterface *item = QAccessible::queryAccessibleInterface(widget)->child(1);
        QVERIFY(item && item->actionInterface());
        QCOMPARE(item->text(QAccessible::Name), ListRows::text(widget, 1));
        item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());

        QCOMPARE(quiz.list(list).selected(), qsizetype(1));
        QCOMPARE(widget->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(widget->currentIndex().row(), 1);
        if (evaluated) // pair 2 was crossed
            QCOMPARE(m_window->findChild<QLineEdit *>(u"Prowerka_1"_s)->text(), u"НЕ"_s);
    }
};

ZORT_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
