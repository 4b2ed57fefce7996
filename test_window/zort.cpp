#include "zort.h"

#include "common/number_text.h"

#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr int kLeft = 0;   // expressions: Slowo 0, dum_N 0, Danni 0
constexpr int kRight = 1;  // meanings:    Slowo 1, dum_N 1, Danni 1
constexpr int kEntered = 2;

// Position of the number text k in a number list that holds "1", "2", ... in order (dum_N 4 or 5):
// the first match is at k - 1 when k is one of its items, and there is none otherwise.
qsizetype positionInNumbers(const TextList &numbers, const QString &k)
{
    bool ok = false;
    const qsizetype value = k.toLongLong(&ok);
    if (!ok || value < 1 || value > numbers.count() || numbers.at(value - 1) != k)
        return -1;
    return value - 1;
}

} // namespace

Zort::Zort(Content content, QObject *parent)
    : QObject(parent), m_content(std::move(content)),
      m_counter(QStringLiteral("Оставащи:"))
{
    // Walk back to front so that each text keeps the first position it has in the content.
    const std::array<const QStringList *, 2> sides{&m_content.expressions, &m_content.meanings};
    for (int side = 0; side < 2; ++side) {
        const QStringList &texts = *sides[side];
        m_firstIndex[side].reserve(texts.size());
        for (qsizetype j = texts.size() - 1; j >= 0; --j)
            m_firstIndex[side].insert(texts.at(j), j);
    }
}

qint16 Zort::pictureFlag(int p) const
{
    const QStringList &flags = m_content.pictureFlags;
    return p >= 1 && p < flags.size() ? NumberText::read16(flags.at(p)) : 0;
}

qint16 Zort::explanationFlag(int p) const
{
    const QStringList &flags = m_content.flags;
    return p >= 1 && p < flags.size() ? NumberText::read16(flags.at(p)) : 0;
}

// --- Start-up ------------------------------------------------------------------------------------

void Zort::Form_Load()
{
    m_brojWerni = 0;
    const QStringList &layout = m_content.layout;
    auto layoutNumber = [&](int item) {
        return NumberText::read32(item < layout.size() ? layout.at(item) : QString());
    };
    m_caption = layout.value(0);
    m_outerWidth = layoutNumber(1);
    m_listLeft = {layoutNumber(2), layoutNumber(4)};
    m_listWidth = {layoutNumber(3), layoutNumber(5)};
    Q_EMIT captionChanged();

    setOutput(m_content.instructions);
    const qsizetype a = m_content.expressions.size();
    const qsizetype b = m_content.meanings.size();
    m_nastroiki = QString::number(qMin(a, b));

    Nomerirai_danni();
    Zaredi_slowa();
    Opredeli_nomera();

    setSlowoIndex(kLeft, 0);
    setSlowoIndex(kRight, 0);
    Razreshi_ocenka();
}

void Zort::Nomerirai_danni()
{
    m_numbersParallel = false; // the numbers dum_N 0 and 1 were taken from may change
    const std::array<qsizetype, 2> counts{m_content.expressions.size(), m_content.meanings.size()};
    for (int side = 0; side < 2; ++side) {
        TextList &numbers = m_dumN[4 + side];
        numbers.clear();
        for (qsizetype k = 1; k <= counts[side]; ++k)
            numbers.add(QString::number(k));
    }
}

void Zort::Zaredi_slowa()
{
    m_numbersParallel = false; // rows without numbers until Opredeli_nomera
    m_slowo[kLeft].addAll(m_content.expressions);
    m_slowo[kRight].addAll(m_content.meanings);
    Q_EMIT listReset(kLeft);
    Q_EMIT listReset(kRight);
}

QString Zort::firstNumberOf(int side, const QString &text) const
{
    const qsizetype j = m_firstIndex[side].value(text, -1);
    // A text that is not in the content cannot be on display; "0" keeps the lists parallel anyway.
    return j >= 0 ? m_dumN[4 + side].at(j) : QStringLiteral("0");
}

void Zort::rebuildNumbers(int side)
{
    TextList &numbers = m_dumN[side];
    numbers.clear();
    for (const QString &text : m_slowo[side].items())
        numbers.add(firstNumberOf(side, text));
}

void Zort::Opredeli_nomera()
{
    rebuildNumbers(kLeft);
    rebuildNumbers(kRight);
    m_numbersParallel = true;
}

void Zort::numbersAfterTakeBack(const std::array<qsizetype, 2> &restoredRows)
{
    if (!m_numbersParallel) {
        Opredeli_nomera();
        return;
    }
    // Every other row already holds its first-match number, so this ends exactly where a full
    // rebuild ends, selection included: a rebuilt list starts with nothing selected.
    for (int side : {kLeft, kRight}) {
        const qsizetype row = restoredRows[side];
        if (row >= 0)
            m_dumN[side].insertAt(row, firstNumberOf(side, m_slowo[side].at(row)));
        m_dumN[side].setSelected(-1);
    }
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
    const QString entry = m_slowo[kLeft].at(iL) + u' ' + m_slowo[kRight].at(iR);
    addToSlowo(kEntered, entry);
    m_dumN[2].add(m_dumN[kLeft].at(iL));
    m_dumN[3].add(m_dumN[kRight].at(iR));
    removeFromSlowo(kLeft, iL);
    removeFromSlowo(kRight, iR);
    m_dumN[kLeft].removeAt(iL);
    m_dumN[kRight].removeAt(iR);
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
        setDumNIndex(kLeft, p);
        m_tekushtNomer = NumberText::read16(m_dumN[kLeft].at(p));
        Pokazhi_grafika(m_tekushtNomer);
        break;
    case kRight:
        setDumNIndex(kRight, p);
        break;
    case kEntered:
        setOutput(QString());
        setDumNIndex(2, p);
        m_tekushtNomer = NumberText::read16(m_dumN[2].at(p));
        Pokazhi_grafika(m_tekushtNomer);
        m_verdictCorrect = m_dumN[2].at(p) == m_dumN[3].at(p);
        m_verdictText = m_verdictCorrect ? QStringLiteral("ДА") : QStringLiteral("НЕ");
        Q_EMIT verdictChanged();
        break;
    }
}

void Zort::dum_N_Click(qint16 Index)
{
    if (Index == kLeft || Index == kRight)
        setSlowoIndex(Index, m_dumN[Index].selected());
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

    std::array<qsizetype, 2> restoredRows{-1, -1};
    const qsizetype p = positionInNumbers(m_dumN[4], m_dumN[2].at(s));
    if (p >= 0)
        restoredRows[kLeft] = addToSlowo(kLeft, m_content.expressions.at(p));
    const qsizetype q = positionInNumbers(m_dumN[5], m_dumN[3].at(s));
    if (q >= 0)
        restoredRows[kRight] = addToSlowo(kRight, m_content.meanings.at(q));

    m_dumN[2].removeAt(s);
    m_dumN[3].removeAt(s);
    removeFromSlowo(kEntered, s);

    if (entered.count() > s)
        setSlowoIndex(kEntered, s);
    numbersAfterTakeBack(restoredRows); // Opredeli_nomera

    Obnowi_ostawashti();
    if (!entered.hasSelection() && !entered.isEmpty())
        setSlowoIndex(kEntered, entered.count() - 1);
}

// --- Evaluation ----------------------------------------------------------------------------------

void Zort::Oceni_dwojkite()
{
    m_brojWerni = 0;
    const qint16 n = NumberText::read16(m_nastroiki);
    const TextList &entered = m_slowo[kEntered];
    for (qsizetype r = 0; r < entered.count(); ++r) {
        if (m_dumN[2].at(r) == m_dumN[3].at(r) && m_brojWerni < std::numeric_limits<qint16>::max())
            ++m_brojWerni;
    }
    // Rounded to the nearest whole number, ties to the even one (the default rounding mode).
    const long score = n > 0 ? std::lrint(m_brojWerni * 100.0 / n) : 0;
    m_evaluated = true;
    setEnabled(Izbrah, false);
    setEnabled(Wyrni, false);
    setCounter(QStringLiteral("Верни: ") + QString::number(score) + u'%');
    if (!entered.isEmpty())
        setSlowoIndex(kEntered, 0);
    Slowo_Click(kEntered);
    m_verdictVisible = true;
    Q_EMIT verdictChanged();
}

// --- Explanations --------------------------------------------------------------------------------

void Zort::Obqsni_element(qint16 p)
{
    const QString q(QChar(u'"'));
    QString text = QStringLiteral("\r\n") + q + m_content.expressions.value(p - 1) + q
                   + QStringLiteral(" е във връзка с ") + q + m_content.meanings.value(p - 1) + q;
    if (explanationFlag(p) > 0) {
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
    const qint16 p = NumberText::read16(firstNumberOf(kLeft, m_slowo[kLeft].at(v)));
    Wywedi_dwojka();
    Obqsni_element(p);
}

void Zort::Obqsni_wywedena()
{
    const qsizetype r = m_slowo[kEntered].selected();
    if (r < 0)
        return;
    setDumNIndex(2, r);
    Obqsni_element(NumberText::read16(m_dumN[2].at(r)));
}

// --- Pictures ------------------------------------------------------------------------------------

void Zort::Pokazhi_grafika(qint16 p)
{
    m_thumbnail = pictureFlag(p) != 0 ? p : 0;
    Q_EMIT thumbnailChanged();
    if (m_pictureWindowVisible) {
        m_pictureWindowVisible = false;
        Q_EMIT pictureWindowChanged();
    }
}

void Zort::Grafika_Click()
{
    // The picture the thumbnail shows, which an explanation may have set to another item than the
    // current one.
    const int n = m_thumbnail;
    if (pictureFlag(n) <= 0)
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

void Zort::setDumNIndex(int i, qsizetype row)
{
    TextList &list = m_dumN[i];
    const qsizetype before = list.selected();
    list.setSelected(row);
    if (list.selected() != before && list.hasSelection())
        dum_N_Click(qint16(i));
}

qsizetype Zort::addToSlowo(int i, const QString &text)
{
    const qsizetype row = m_slowo[i].add(text);
    Q_EMIT rowInserted(i, int(row));
    return row;
}

void Zort::removeFromSlowo(int i, qsizetype row)
{
    const bool wasSelected = m_slowo[i].selected() == row;
    m_slowo[i].removeAt(row);
    Q_EMIT rowRemoved(i, int(row));
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
