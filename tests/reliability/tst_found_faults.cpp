// Faults the random sessions found, replayed step by step.
#include "test_main.h"
#include "list_rows.h"
#include "core/twips.h"
#include "test_support.h"
#include "quizwindow/quiz_window.h"

#include <QAbstractButton>
#include <QListView>
#include <QScreen>
#include <QTest>

#include <limits>
#include <memory>

using namespace Qt::StringLiterals;

class TestFoundFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ctrlClickKeepsSelection_data();
    void ctrlClickKeepsSelection();
    void largestLengths_data();
    void largestLengths();
    void hugeWidthFromContent_data();
    void hugeWidthFromContent();

private:
    QListView *list(int i) const { return m_window->findChild<QListView *>(u"Slowo_%1"_s.arg(i)); }
    QAbstractButton *button(int i) const { return m_window->findChild<QAbstractButton *>(u"Uprawl_%1"_s.arg(i)); }
    void ctrlClickSelected(int i)
    {
        QListView *widget = list(i);
        QVERIFY(!ListRows::selected(widget).isEmpty());
        const QRect rect = widget->visualRect(ListRows::selected(widget).first());
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::ControlModifier, rect.center());
    }

    std::unique_ptr<QuizWindow> m_window;
};

void TestFoundFaults::ctrlClickKeepsSelection_data()
{
    QTest::addColumn<int>("listIndex");
    QTest::addColumn<bool>("evaluate");
    QTest::newRow("expressions") << 0 << false;
    QTest::newRow("meanings") << 1 << false;
    QTest::newRow("entered pairs before the evaluation") << 2 << false;
    QTest::newRow("entered pairs after the evaluation") << 2 << true;
}

// A Ctrl+click took the selection away from a list. After the evaluation that left no pair
// selected, so "Обясни" enabled "Оцени" without explaining, and the test could be evaluated again.
void TestFoundFaults::ctrlClickKeepsSelection()
{
    QFETCH(int, listIndex);
    QFETCH(bool, evaluate);
    m_window = std::make_unique<QuizWindow>(makeContent(4, 4));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    Quiz &quiz = m_window->quiz();
    enterPair(quiz, 1, 1);
    enterPair(quiz, 2, 3);
    enterPair(quiz, 3, 2);
    quiz.selectRow(0, 0);
    quiz.selectRow(1, 0);
    quiz.selectRow(2, 1);
    if (evaluate) {
        QTest::mouseClick(button(Quiz::Explain), Qt::LeftButton); // enables "Оцени": 4 entered, 0 left
        QTest::mouseClick(button(Quiz::Evaluate), Qt::LeftButton);
        QVERIFY(quiz.evaluated());
    }
    const qsizetype selected = quiz.list(listIndex).selected();
    QVERIFY(selected >= 0);

    ctrlClickSelected(listIndex);
    QCOMPARE(quiz.list(listIndex).selected(), selected);
    QCOMPARE(list(listIndex)->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(list(listIndex)->selectionModel()->selectedRows().first().row(), int(selected));

    if (evaluate) {
        const QString counter = quiz.counter();
        QTest::mouseClick(button(Quiz::Explain), Qt::LeftButton);
        QVERIFY(!button(Quiz::Evaluate)->isEnabled());
        QVERIFY(!quiz.output().isEmpty()); // the explanation ran
        QCOMPARE(quiz.counter(), counter);
    }
    m_window.reset();
}

// A content length read as the largest 32-bit number overflowed on its way to pixels.
void TestFoundFaults::largestLengths_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("pixels");
    QTest::newRow("largest") << std::numeric_limits<int>::max() << 143165576;
    QTest::newRow("smallest") << std::numeric_limits<int>::min() << -143165577;
}

void TestFoundFaults::largestLengths()
{
    QFETCH(int, length);
    QFETCH(int, pixels);
    QCOMPARE(twips(length), pixels);
}

void TestFoundFaults::hugeWidthFromContent_data()
{
    QTest::addColumn<QString>("width");
    QTest::newRow("beyond 32 bits") << u"99999999999"_s;
    QTest::newRow("a million twips") << u"1000000"_s;
}

// A window width far beyond the screen asked the platform for a backing store of tens of
// gigabytes, which ended the process.
void TestFoundFaults::hugeWidthFromContent()
{
    QFETCH(QString, width);
    Content content = makeContent(3, 3);
    content.window = WindowLayout::fromRecord({content.window.caption, width, u"120"_s, width, u"3360"_s, u"7575"_s});
    m_window = std::make_unique<QuizWindow>(content);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const int widest = qMax(m_window->screen()->availableVirtualGeometry().width(), twips(11865));
    QVERIFY2(m_window->frameGeometry().width() <= widest, qPrintable(QString::number(m_window->frameGeometry().width())));
    QVERIFY(!m_window->grab().isNull());
    m_window.reset();
}

ZORT_TEST_MAIN(TestFoundFaults)
#include "tst_found_faults.moc"
