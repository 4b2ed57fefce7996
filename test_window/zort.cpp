#include "zort.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr int kLeft = 0;   // expressions: Slowo 0, dum_N 0, Danni 0
constexpr int kRight = 1;  // meanings:    Slowo 1, dum_N 1, Danni 1
constexpr int kEntered = 2;

// Numbers beyond a 16-bit integer saturate, as reading their text back would.
qint16 saturated16(qsizetype n)
{
    return qint16(std::clamp<qsizetype>(n, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

} // namespace

Zort::Zort(Content content, QObject *parent)
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
    m_slowo[kEntered].describeRow = [this](qsizetype row) { return m_evaluated ? verdictOf(isCorrect(row)) : QString(); };
}

Zort::NumberList Zort::dumN(int i) const
{
    if (i < 0 || i >= kHiddenLists)
        return {};
    const int side = i % 2;
    // dum_N 4 and 5 are made when first asked for; the other lists share their texts.
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
        list.numbers.reserve(m_slowo[side].count());
        for (const QString &row : m_slowo[side].items())
            list.numbers << text(firstNumberOf(side, row));
    }
    return list;
}

QString Zort::verdictText() const
{
    return m_verdict ? verdictOf(*m_verdict) : QString();
}

bool Zort::isCorrect(qsizetype enteredRow) const
{
    return m_enteredNumbers[0].at(enteredRow) == m_enteredNumbers[1].at(enteredRow);
}

QString Zort::verdictOf(bool correct)
{
    return correct ? QStringLiteral("ДА") : QStringLiteral("НЕ");
}

// --- Start-up ------------------------------------------------------------------------------------

void Zort::Form_Load()
{
    m_brojWerni = 0;
    setOutput(m_content.instructions);
    m_nastroiki = qMin(m_content.expressions.size(), m_content.meanings.size());

    Zaredi_slowa();
    Opredeli_nomera();

    setSlowoIndex(kLeft, 0);
    setSlowoIndex(kRight, 0);
    Razreshi_ocenka();
}

void Zort::Zaredi_slowa()
{
    m_slowo[kLeft].addAll(m_content.expressions);
    m_slowo[kRight].addAll(m_content.meanings);
}

int Zort::firstNumberOf(int side, const QString &text) const
{
    // A text that is not in the content cannot be on display.
    return int(m_firstIndex[side].value(text, -1) + 1);
}

void Zort::Opredeli_nomera()
{
    // dum_N 0 and 1 are numbered from their rows as they are asked for; a fresh numbering has
    // nothing selected.
    m_numbersSelected = {-1, -1};
}

void Zort::Razreshi_ocenka()
{
    const qsizetype e = m_slowo[kEntered].count();
    const qsizetype r = m_slowo[kRight].count();
    setEnabled(Oceni, e >= 3 * r);
}

// --- Dispatcher ----------------------------------------------------------------------------------

void Zort::Uprawl_Click(qint16 Index)
{
    Razreshi_ocenka();
    switch (Index) {
    case Izbrah:
        Wywedi_dwojka();
        break;
    case Wyrni:
        Wyrni_dwojka();
        break;
    case Oceni:
        if (m_slowo[kEntered].isEmpty())
            break;
        Oceni_dwojkite();
        setEnabled(Obqsni, true);
        setEnabled(Oceni, false);
        break;
    case Obqsni:
        if (isEnabled(Izbrah)) {
            if (!m_slowo[kLeft].hasSelection() || !m_slowo[kRight].hasSelection())
                break;
            Obqsni_i_wywedi();
            setEnabled(Obqsni, false);
        } else {
            if (!m_slowo[kEntered].hasSelection())
                break;
            Obqsni_wywedena();
            setEnabled(Oceni, false);
        }
        break;
    default:
        break;
    }
}

bool Zort::pressButton(qint16 Index)
{
    if (Index < 0 || Index >= kButtons || !isEnabled(Index))
        return false;
    Uprawl_Click(Index);
    return true;
}

// --- Pair entry and selection --------------------------------------------------------------------

void Zort::Wywedi_dwojka()
{
    const qsizetype iL = m_slowo[kLeft].selected();
    const qsizetype iR = m_slowo[kRight].selected();
    if (iL < 0 || iR < 0)
        return;
    const QString expression = m_slowo[kLeft].at(iL);
    const QString meaning = m_slowo[kRight].at(iR);
    m_slowo[kEntered].add(expression + u' ' + meaning);
    m_enteredNumbers[0] << firstNumberOf(kLeft, expression);
    m_enteredNumbers[1] << firstNumberOf(kRight, meaning);
    removeFromSlowo(kLeft, iL);
    removeFromSlowo(kRight, iR);
    Obnowi_ostawashti();
}

void Zort::Obnowi_ostawashti()
{
    const qsizetype n = qMin(m_slowo[kLeft].count(), m_slowo[kRight].count());
    setCounter(QStringLiteral("Остават: ") + QString::number(n));
}

void Zort::Slowo_Click(qint16 Index)
{
    if (Index < 0 || Index >= kVisibleLists)
        return;
    const qsizetype p = m_slowo[Index].selected();
    if (p < 0)
        return;
    switch (Index) {
    case kLeft:
        m_numbersSelected[kLeft] = p;
        m_tekushtNomer = saturated16(firstNumberOf(kLeft, m_slowo[kLeft].at(p)));
        Pokazhi_grafika(m_tekushtNomer);
        break;
    case kRight:
        m_numbersSelected[kRight] = p;
        break;
    case kEntered:
        setOutput(QString());
        m_tekushtNomer = saturated16(m_enteredNumbers[0].at(p));
        Pokazhi_grafika(m_tekushtNomer);
        m_verdict = isCorrect(p);
        Q_EMIT verdictChanged();
        break;
    }
}

void Zort::selectSlowo(int list, qsizetype row)
{
    if (list >= 0 && list < kVisibleLists)
        setSlowoIndex(list, row);
}

// --- Taking back ---------------------------------------------------------------------------------

void Zort::Wyrni_dwojka()
{
    TextList &entered = m_slowo[kEntered];
    const qsizetype s = entered.selected();
    if (s < 0)
        return;

    // A pair's numbers are 0 only for a text the content does not have, which nothing shows.
    if (const int k = m_enteredNumbers[0].at(s); k > 0)
        m_slowo[kLeft].add(m_content.expression(k));
    if (const int m = m_enteredNumbers[1].at(s); m > 0)
        m_slowo[kRight].add(m_content.meaning(m));

    m_enteredNumbers[0].removeAt(s);
    m_enteredNumbers[1].removeAt(s);
    removeFromSlowo(kEntered, s);

    if (entered.count() > s)
        setSlowoIndex(kEntered, s);
    Opredeli_nomera();

    Obnowi_ostawashti();
    if (!entered.hasSelection() && !entered.isEmpty())
        setSlowoIndex(kEntered, entered.count() - 1);
}

// --- Evaluation ----------------------------------------------------------------------------------

void Zort::Oceni_dwojkite()
{
    m_brojWerni = 0;
    const qint16 n = saturated16(m_nastroiki);
    const TextList &entered = m_slowo[kEntered];
    for (qsizetype r = 0; r < entered.count(); ++r) {
        if (isCorrect(r) && m_brojWerni < std::numeric_limits<qint16>::max())
            ++m_brojWerni;
    }
    // Rounded to the nearest whole number, ties to the even one (the default rounding mode).
    const long score = n > 0 ? std::lrint(m_brojWerni * 100.0 / n) : 0;
    setEnabled(Izbrah, false);
    setEnabled(Wyrni, false);
    setCounter(QStringLiteral("Верни: ") + QString::number(score) + u'%');
    if (!entered.isEmpty())
        setSlowoIndex(kEntered, 0);
    Slowo_Click(kEntered);
    // Shown from here on: each pair is read with its verdict.
    m_evaluated = true;
    m_slowo[kEntered].descriptionsChanged();
    Q_EMIT verdictChanged();
}

// --- Explanations --------------------------------------------------------------------------------

void Zort::Obqsni_element(qint16 p)
{
    const QString q(QChar(u'"'));
    QString text = QStringLiteral("\r\n") + q + m_content.expression(p) + q
                   + QStringLiteral(" е във връзка с ") + q + m_content.meaning(p) + q;
    if (m_content.explanationFlag(p) > 0) {
        for (const QString &line : m_content.linesOf(p))
            text += QStringLiteral("\r\n") + line;
    }
    setOutput(text);
    Pokazhi_grafika(p);
}

void Zort::Obqsni_i_wywedi()
{
    const qsizetype v = m_slowo[kLeft].selected();
    if (v < 0)
        return;
    setOutput(QString());
    const qint16 p = saturated16(firstNumberOf(kLeft, m_slowo[kLeft].at(v)));
    Wywedi_dwojka();
    Obqsni_element(p);
}

void Zort::Obqsni_wywedena()
{
    const qsizetype r = m_slowo[kEntered].selected();
    if (r >= 0)
        Obqsni_element(saturated16(m_enteredNumbers[0].at(r)));
}

// --- Pictures ------------------------------------------------------------------------------------

void Zort::Pokazhi_grafika(qint16 p)
{
    m_thumbnail = m_content.pictureFlag(p) != 0 ? p : 0;
    Q_EMIT thumbnailChanged();
    closePictureWindow();
}

void Zort::Grafika_Click()
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

void Zort::closePictureWindow()
{
    if (!m_pictureWindowVisible)
        return;
    m_pictureWindowVisible = false;
    Q_EMIT pictureWindowChanged();
}

// --- Helpers -------------------------------------------------------------------------------------

void Zort::setSlowoIndex(int i, qsizetype row)
{
    TextList &list = m_slowo[i];
    const qsizetype before = list.selected();
    list.setSelected(row);
    if (list.selected() == before)
        return;
    Q_EMIT selectionChanged(i, int(list.selected()));
    // Clearing a selection has nothing to show, so only a selected row runs the handling.
    if (list.hasSelection())
        Slowo_Click(qint16(i));
}

void Zort::removeFromSlowo(int i, qsizetype row)
{
    const bool wasSelected = m_slowo[i].selected() == row;
    m_slowo[i].removeAt(row);
    if (i < kEntered) {
        // The number list loses the row with its list, and its selection moves as a list's does.
        qsizetype &selected = m_numbersSelected[i];
        selected = selected == row ? -1 : selected - (selected > row ? 1 : 0);
    }
    if (wasSelected)
        Q_EMIT selectionChanged(i, -1);
}

void Zort::setEnabled(int button, bool enabled)
{
    if (m_enabled[button] == enabled)
        return;
    m_enabled[button] = enabled;
    Q_EMIT buttonsChanged();
}

void Zort::setOutput(const QString &text)
{
    m_output = text;
    Q_EMIT outputChanged();
}

void Zort::setCounter(const QString &text)
{
    m_counter = text;
    Q_EMIT counterChanged();
}
