#include "core/quiz.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr int kLeft = Quiz::Expressions;
constexpr int kRight = Quiz::Meanings;
constexpr int kEntered = Quiz::Entered;

// Numbers beyond a 16-bit integer saturate, as reading their text back would.
qint16 saturated16(qsizetype n)
{
    return qint16(std::clamp<qsizetype>(n, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

} // namespace

Quiz::Quiz(Content content, QObject *parent)
    : QObject(parent), m_content(std::move(content)),
      m_counter(QStringLiteral("Оставащи:"))
{
    // Walk back to front so that each text keeps the first position it has in the content.
    for (int side : {kLeft, kRight}) {
        const QStringList &texts = side == kLeft ? m_content.expressions : m_content.meanings;
        m_firstIndex[side].reserve(texts.size());
        for (qsizetype j = texts.size() - 1; j >= 0; --j)
            m_firstIndex[side].insert(texts.at(j), j);
    }
    m_lists[kEntered].describeRow = [this](qsizetype row) { return m_evaluated ? verdictOf(isCorrect(row)) : QString(); };
}

Quiz::NumberList Quiz::numberList(int i) const
{
    if (i < 0 || i >= kHiddenLists)
        return {};
    const int side = i % 2;
    // Number lists 4 and 5 are made when first asked for; the other lists share their texts.
    QStringList &numbers = m_contentNumbers[side];
    if (numbers.isEmpty()) {
        for (qsizetype k = 1; k <= (side == kLeft ? m_content.expressions : m_content.meanings).size(); ++k)
            numbers << QString::number(k);
    }
    const auto text = [&](int k) { return k >= 1 ? numbers.at(k - 1) : QStringLiteral("0"); };
    NumberList list{i >= 4 ? numbers : QStringList()};
    if (i == 2 || i == 3) {
        list.numbers.reserve(m_enteredNumbers[side].size());
        for (int k : m_enteredNumbers[side])
            list.numbers << text(k);
    } else if (i < 2) {
        list.selectedRow = m_numbersSelected[side];
        list.numbers.reserve(m_lists[side].count());
        for (const QString &row : m_lists[side].items())
            list.numbers << text(firstNumberOf(side, row));
    }
    return list;
}

QString Quiz::verdictText() const
{
    return m_verdict ? verdictOf(*m_verdict) : QString();
}

bool Quiz::isCorrect(qsizetype enteredRow) const
{
    return m_enteredNumbers[0].at(enteredRow) == m_enteredNumbers[1].at(enteredRow);
}

QString Quiz::verdictOf(bool correct)
{
    return correct ? QStringLiteral("ДА") : QStringLiteral("НЕ");
}

// --- Start-up ------------------------------------------------------------------------------------

void Quiz::start()
{
    m_correctPairs = 0;
    setOutput(m_content.instructions);
    m_pairsToScore = qMin(m_content.expressions.size(), m_content.meanings.size());

    m_lists[kLeft].addAll(m_content.expressions);
    m_lists[kRight].addAll(m_content.meanings);
    renumber();

    setSelectedRow(kLeft, 0);
    setSelectedRow(kRight, 0);
    updateEvaluateButton();
}

int Quiz::firstNumberOf(int side, const QString &text) const
{
    // A text that is not in the content cannot be on display.
    return int(m_firstIndex[side].value(text, -1) + 1);
}

void Quiz::renumber()
{
    // Number lists 0 and 1 are numbered from their rows as they are asked for; a fresh numbering has
    // nothing selected.
    m_numbersSelected = {-1, -1};
}

void Quiz::updateEvaluateButton()
{
    setEnabled(Evaluate, m_lists[kEntered].count() >= 3 * m_lists[kRight].count());
}

// --- Dispatcher ----------------------------------------------------------------------------------

void Quiz::dispatch(qint16 button)
{
    updateEvaluateButton();
    switch (button) {
    case Enter:
        enterSelectedPair();
        break;
    case TakeBack:
        takeBackSelectedPair();
        break;
    case Evaluate:
        if (m_lists[kEntered].isEmpty())
            break;
        evaluatePairs();
        setEnabled(Explain, true);
        setEnabled(Evaluate, false);
        break;
    case Explain:
        if (isEnabled(Enter)) {
            if (!m_lists[kLeft].hasSelection() || !m_lists[kRight].hasSelection())
                break;
            explainAndEnter();
            setEnabled(Explain, false);
        } else {
            if (!m_lists[kEntered].hasSelection())
                break;
            explainEnteredPair();
            setEnabled(Evaluate, false);
        }
        break;
    default:
        break;
    }
}

bool Quiz::pressButton(qint16 button)
{
    if (button < 0 || button >= kButtons || !isEnabled(button))
        return false;
    dispatch(button);
    return true;
}

// --- Pair entry and selection --------------------------------------------------------------------

void Quiz::enterSelectedPair()
{
    const qsizetype iL = m_lists[kLeft].selected();
    const qsizetype iR = m_lists[kRight].selected();
    if (iL < 0 || iR < 0)
        return;
    const QString expression = m_lists[kLeft].at(iL);
    const QString meaning = m_lists[kRight].at(iR);
    m_lists[kEntered].add(expression + u' ' + meaning);
    m_enteredNumbers[0] << firstNumberOf(kLeft, expression);
    m_enteredNumbers[1] << firstNumberOf(kRight, meaning);
    removeRow(kLeft, iL);
    removeRow(kRight, iR);
    showPairsLeft();
}

void Quiz::showPairsLeft()
{
    const qsizetype n = qMin(m_lists[kLeft].count(), m_lists[kRight].count());
    setCounter(QStringLiteral("Остават: ") + QString::number(n));
}

void Quiz::rowSelected(qint16 list)
{
    if (list < 0 || list >= kVisibleLists)
        return;
    const qsizetype p = m_lists[list].selected();
    if (p < 0)
        return;
    switch (list) {
    case kLeft:
        m_numbersSelected[kLeft] = p;
        m_currentItem = saturated16(firstNumberOf(kLeft, m_lists[kLeft].at(p)));
        showPicture(m_currentItem);
        break;
    case kRight:
        m_numbersSelected[kRight] = p;
        break;
    case kEntered:
        setOutput(QString());
        m_currentItem = saturated16(m_enteredNumbers[0].at(p));
        showPicture(m_currentItem);
        m_verdict = isCorrect(p);
        Q_EMIT verdictChanged();
        break;
    }
}

void Quiz::selectRow(int list, qsizetype row)
{
    if (list >= 0 && list < kVisibleLists)
        setSelectedRow(list, row);
}

// --- Taking back ---------------------------------------------------------------------------------

void Quiz::takeBackSelectedPair()
{
    TextList &entered = m_lists[kEntered];
    const qsizetype s = entered.selected();
    if (s < 0)
        return;

    // A pair's numbers are 0 only for a text the content does not have, which nothing shows.
    if (const int k = m_enteredNumbers[0].at(s); k > 0)
        m_lists[kLeft].add(m_content.expression(k));
    if (const int m = m_enteredNumbers[1].at(s); m > 0)
        m_lists[kRight].add(m_content.meaning(m));

    m_enteredNumbers[0].removeAt(s);
    m_enteredNumbers[1].removeAt(s);
    removeRow(kEntered, s);

    if (entered.count() > s)
        setSelectedRow(kEntered, s);
    renumber();

    showPairsLeft();
    if (!entered.hasSelection() && !entered.isEmpty())
        setSelectedRow(kEntered, entered.count() - 1);
}

// --- Evaluation ----------------------------------------------------------------------------------

void Quiz::evaluatePairs()
{
    const qint16 n = saturated16(m_pairsToScore);
    const TextList &entered = m_lists[kEntered];
    qsizetype correct = 0;
    for (qsizetype row = 0; row < entered.count(); ++row)
        correct += isCorrect(row) ? 1 : 0;
    m_correctPairs = saturated16(correct);
    // Rounded to the nearest whole number, ties to the even one (the default rounding mode).
    const long score = n > 0 ? std::lrint(m_correctPairs * 100.0 / n) : 0;
    setEnabled(Enter, false);
    setEnabled(TakeBack, false);
    setCounter(QStringLiteral("Верни: ") + QString::number(score) + u'%');
    if (!entered.isEmpty())
        setSelectedRow(kEntered, 0);
    rowSelected(kEntered);
    // Shown from here on: each pair is read with its verdict.
    m_evaluated = true;
    m_lists[kEntered].descriptionsChanged();
    Q_EMIT verdictChanged();
}

// --- Explanations --------------------------------------------------------------------------------

void Quiz::explainItem(qint16 p)
{
    // One arg() for both texts, so a "%2" in the expression stays as it is.
    QString text = QStringLiteral("\r\n\"%1\" е във връзка с \"%2\"").arg(m_content.expression(p), m_content.meaning(p));
    if (m_content.explanationFlag(p) > 0) {
        for (const QString &line : m_content.linesOf(p))
            text += QStringLiteral("\r\n") + line;
    }
    setOutput(text);
    showPicture(p);
}

void Quiz::explainAndEnter()
{
    const qsizetype v = m_lists[kLeft].selected();
    if (v < 0)
        return;
    setOutput(QString());
    const qint16 p = saturated16(firstNumberOf(kLeft, m_lists[kLeft].at(v)));
    enterSelectedPair();
    explainItem(p);
}

void Quiz::explainEnteredPair()
{
    const qsizetype r = m_lists[kEntered].selected();
    if (r >= 0)
        explainItem(saturated16(m_enteredNumbers[0].at(r)));
}

// --- Pictures ------------------------------------------------------------------------------------

void Quiz::showPicture(qint16 p)
{
    m_thumbnail = m_content.pictureFlag(p) != 0 ? p : 0;
    Q_EMIT thumbnailChanged();
    closePictureWindow();
}

void Quiz::clickThumbnail()
{
    // The picture the thumbnail shows, which an explanation may have set to another item than the
    // current one.
    const int n = m_thumbnail;
    if (m_content.pictureFlag(n) <= 0)
        return;
    m_pictureWindowItem = n;
    m_pictureWindowVisible = true;
    Q_EMIT pictureWindowChanged();
}

void Quiz::closePictureWindow()
{
    if (!m_pictureWindowVisible)
        return;
    m_pictureWindowVisible = false;
    Q_EMIT pictureWindowChanged();
}

// --- Helpers -------------------------------------------------------------------------------------

void Quiz::setSelectedRow(int i, qsizetype row)
{
    TextList &list = m_lists[i];
    const qsizetype before = list.selected();
    list.setSelected(row);
    if (list.selected() == before)
        return;
    Q_EMIT selectionChanged(i, int(list.selected()));
    // Clearing a selection has nothing to show, so only a selected row runs the handling.
    if (list.hasSelection())
        rowSelected(qint16(i));
}

void Quiz::removeRow(int i, qsizetype row)
{
    const bool wasSelected = m_lists[i].selected() == row;
    m_lists[i].removeAt(row);
    if (i < kEntered) {
        // The number list loses the row with its list, and its selection moves as a list's does.
        qsizetype &selected = m_numbersSelected[i];
        selected = selected == row ? -1 : selected - (selected > row ? 1 : 0);
    }
    if (wasSelected)
        Q_EMIT selectionChanged(i, -1);
}

void Quiz::setEnabled(int button, bool enabled)
{
    if (m_enabled[button] == enabled)
        return;
    m_enabled[button] = enabled;
    Q_EMIT buttonsChanged();
}

void Quiz::setOutput(const QString &text)
{
    m_output = text;
    Q_EMIT outputChanged();
}

void Quiz::setCounter(const QString &text)
{
    m_counter = text;
    Q_EMIT counterChanged();
}
