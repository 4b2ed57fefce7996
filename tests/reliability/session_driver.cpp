#include "session_driver.h"
#include "visible_texts.h"

#include "core/colour_value.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Reliability {

// --- Choosers ------------------------------------------------------------------------------------

quint32 SeededChooser::below(quint32 n)
{
    if (n == 0)
        return 0;
    m_state += 0x9E3779B97F4A7C15ULL;
    quint64 z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return quint32(z % n);
}

quint32 ByteChooser::below(quint32 n)
{
    if (n <= 1)
        return 0;
    // As many bytes as n needs, so small choices cost the fuzzer one byte each.
    quint32 value = 0;
    for (quint32 range = 1; range < n && range != 0; range <<= 8) {
        const quint32 byte = m_pos < m_size ? m_data[m_pos] : 0;
        if (m_pos < m_size)
            ++m_pos;
        value = (value << 8) | byte;
        if (range > (0xFFFFFFFFu >> 8))
            break;
    }
    return value % n;
}

// --- Content -------------------------------------------------------------------------------------

namespace {

const QStringList &wordPool()
{
    static const QStringList words{
        // Latin, with letters whose case folding is unusual
        u"habeas"_s, u"corpus"_s, u"Lege"_s, u"artis"_s, u"EX"_s, u"nihilo"_s, u"mea"_s,
        u"culpa"_s, u"ita"_s, u"est"_s, u"straße"_s, u"STRASSE"_s, u"İsta"_s, u"ǅemal"_s,
        u"Ωmega"_s, u"lapsus"_s,
        // Cyrillic, Bulgarian alphabet corners included
        u"вината"_s, u"е"_s, u"моя"_s, u"Грешка"_s, u"на"_s, u"паметта"_s, u"ЯБЪЛКА"_s,
        u"ябълка"_s, u"ъгъл"_s, u"ЬО"_s, u"мемориае"_s, u"ёж"_s, u"щит"_s,
        // leading digits and odd characters
        u"3"_s, u"10"_s, u"007"_s, u"1st"_s, u"-2"_s, u"٣"_s, u"😀"_s, u"a\tb"_s, u"\""_s,
    };
    return words;
}

QString randomText(Chooser &c)
{
    if (c.chance(3))
        return c.chance(50) ? QString() : u" "_s;
    const QStringList &words = wordPool();
    QStringList parts;
    const int n = c.between(1, 4);
    for (int i = 0; i < n; ++i)
        parts << words.at(int(c.below(quint32(words.size()))));
    QString text = parts.join(u' ');
    if (c.chance(8))
        text.prepend(QString::number(c.below(100)) + (c.chance(50) ? u" "_s : QString()));
    if (c.chance(2))
        text = text.repeated(30); // a long line
    return text;
}

QString caseVariant(Chooser &c, const QString &text)
{
    switch (c.below(3)) {
    case 0: return text.toUpper();
    case 1: return text.toLower();
    default: {
        QString t = text;
        for (qsizetype i = 0; i < t.size(); ++i) {
            if (c.chance(50))
                t[i] = t.at(i).isUpper() ? t.at(i).toLower() : t.at(i).toUpper();
        }
        return t;
    }
    }
}

QStringList randomSide(Chooser &c, int count)
{
    QStringList texts;
    for (int k = 0; k < count; ++k) {
        if (!texts.isEmpty() && c.chance(10))
            texts << texts.at(int(c.below(quint32(texts.size())))); // repeated, which content must not hold
        else if (!texts.isEmpty() && c.chance(15))
            texts << caseVariant(c, texts.at(int(c.below(quint32(texts.size())))));
        else
            texts << randomText(c);
    }
    return texts;
}

struct Flag
{
    const char16_t *text;
    int sign;
};

// Flags as an author might write them, well or badly, with what they mean.
constexpr Flag kFlags[] = {
    {u"0", 0},         {u"1", 1},        {u"2", 1},          {u"30", 1},      {u"31", 1},
    {u"41", 1},        {u"-1", -1},      {u"-32768", -1},    {u"99999999999", 1},
    {u"-99999999999", -1},               {u"abc", 0},        {u"", 0},        {u"7x", 1},
    {u" 5", 1},        {u"+3", 1},       {u"x7", 0},         {u"0x1F", 0},    {u"٣", 0},
    {u"1.9", 1},       {u"-0", 0},       {u"00012", 1},      {u"32768", 1},   {u"-", 0},
};

// Heading plus flags; the signs land in sign[k] for content number k.
QStringList randomFlags(Chooser &c, const QString &heading, int maxCount, QList<int> &sign)
{
    QStringList flags{heading};
    sign = {0};
    const int count = int(c.below(quint32(maxCount + 1)));
    const int zeroChance = int(c.below(101));
    for (int k = 1; k <= count; ++k) {
        const Flag &f = c.chance(quint32(zeroChance)) ? kFlags[0]
                                                      : kFlags[c.below(std::size(kFlags))];
        flags << QString::fromUtf16(f.text);
        sign << f.sign;
    }
    return flags;
}

} // namespace

GeneratedContent builtInGenerated()
{
    GeneratedContent g;
    g.content = builtInContent();
    g.kind = u"built-in"_s;
    g.explanationSign = QList<int>(g.content.flags.size(), 0);
    g.pictureSign = QList<int>(g.content.pictureFlags.size(), 0);
    return g;
}

GeneratedContent quizFileGenerated(const Content &content, const QString &kind)
{
    GeneratedContent g;
    g.content = content;
    g.kind = kind;
    auto signs = [](const QStringList &flags) {
        QList<int> sign;
        for (const QString &flag : flags)
            sign << (flag == u"1"_s ? 1 : 0);
        sign[0] = 0; // the heading
        return sign;
    };
    g.explanationSign = signs(content.flags);
    g.pictureSign = signs(content.pictureFlags);
    return g;
}

GeneratedContent generateContent(Chooser &c, const QStringList &picturePaths)
{
    GeneratedContent g;
    g.kind = u"random"_s;
    Content &content = g.content;
    content = builtInContent(); // layout and instruction text as built in, unless changed below
    const int a = int(c.below(41));
    const int b = c.chance(20) ? a : int(c.below(41));
    content.expressions = randomSide(c, a);
    content.meanings = randomSide(c, b);

    if (c.chance(15)) {
        // An author's slip in the layout: missing items, words, signs, huge numbers.
        const QStringList odd{QString(), u"abc"_s, u"-500"_s, u"0"_s, u"99999999999"_s, u"20000"_s,
                              u"1500"_s, u" 3000"_s};
        QStringList layout{randomText(c)};
        const int items = int(c.below(7));
        for (int i = 1; i < items; ++i)
            layout << odd.at(int(c.below(quint32(odd.size()))));
        g.layoutRecord = layout;
        content.window = WindowLayout::fromRecord(layout);
    }
    if (c.chance(20))
        content.instructions = randomText(c) + u"\r\n"_s + randomText(c);

    content.flags = randomFlags(c, u"Ima li obqsneniq"_s, 45, g.explanationSign);
    content.lines.clear();
    const int lists = int(c.below(ContentLimits::kExplanationLists + 1));
    for (int k = 0; k < lists; ++k) {
        QStringList lines;
        const int n = int(c.below(5));
        for (int i = 0; i < n; ++i)
            lines << randomText(c);
        content.lines << lines;
    }

    content.pictureFlags = randomFlags(c, u"Utochnenie dali ima grafika - 30 br"_s, 35, g.pictureSign);
    content.pictures.clear();
    const int pictures = int(c.below(ContentLimits::kPictures + 1));
    for (int k = 0; k < pictures; ++k) {
        if (!picturePaths.isEmpty() && c.chance(70))
            content.pictures << picturePaths.at(int(c.below(quint32(picturePaths.size()))));
        else
            content.pictures << (c.chance(50) ? QString() : u"/nonexistent/picture.png"_s);
    }
    return g;
}

// --- Actions -------------------------------------------------------------------------------------

QString Action::describe() const
{
    switch (kind) {
    case ActionKind::Select: return u"select list %1 row %2"_s.arg(index).arg(value);
    case ActionKind::Press: return u"press button %1"_s.arg(index);
    case ActionKind::Thumbnail: return u"click thumbnail"_s;
    case ActionKind::ClosePicture: return u"close picture window"_s;
    case ActionKind::OpenSettings: return u"menu Color"_s;
    case ActionKind::ChooseElement: return u"choose element %1"_s.arg(index);
    case ActionKind::MoveSlider: return u"move slider %1 to %2"_s.arg(index).arg(value);
    case ActionKind::ChooseSize: return u"choose size row %1"_s.arg(value);
    case ActionKind::Save: return u"Запис"_s;
    case ActionKind::Cancel: return u"Отказ"_s;
    case ActionKind::Exit: return u"Exit"_s;
    }
    return QString();
}

Action chooseAction(Chooser &c, const Quiz &quiz, bool settingsOpen, bool diligent)
{
    if (diligent && c.chance(75)) {
        // A learner who works through the test: pick a pair, enter it, evaluate when allowed,
        // then look at the verdicts and explanations.
        auto pick = [&](int list) {
            const int count = int(quiz.list(list).count());
            return Action{ActionKind::Select, list, count == 0 ? 0 : int(c.below(quint32(count)))};
        };
        if (quiz.evaluated())
            return c.chance(50) ? pick(2) : Action{ActionKind::Press, Quiz::Explain, 0};
        if (quiz.isEnabled(Quiz::Evaluate) && c.chance(30))
            return {ActionKind::Press, Quiz::Evaluate, 0};
        if (!quiz.list(0).hasSelection())
            return pick(0);
        if (!quiz.list(1).hasSelection())
            return pick(1);
        return {ActionKind::Press, c.chance(90) ? Quiz::Enter : Quiz::Explain, 0};
    }
    const quint32 roll = c.below(100);
    if (roll < 45) {
        // Mostly the two choice lists, so that pairs get entered and the test gets evaluated.
        const quint32 r = c.below(10);
        const int list = r < 4 ? 0 : r < 8 ? 1 : 2;
        const int count = int(quiz.list(list).count());
        const int row = c.chance(6) ? -1 : count == 0 ? 0 : int(c.below(quint32(count)));
        return {ActionKind::Select, list, row};
    }
    if (roll < 82) {
        const quint32 r = c.below(20);
        const int button = r < 10 ? 0 : r < 13 ? 1 : r < 17 ? 2 : 3;
        return {ActionKind::Press, button, 0};
    }
    if (roll < 86)
        return {ActionKind::Thumbnail, 0, 0};
    if (roll < 87)
        return {ActionKind::ClosePicture, 0, 0};
    if (roll < 99) {
        if (!settingsOpen)
            return {ActionKind::OpenSettings, 0, 0};
        const quint32 r = c.below(20);
        if (r < 4)
            return {ActionKind::ChooseElement, int(c.below(3)), 0};
        if (r < 14)
            return {ActionKind::MoveSlider, int(c.below(3)), c.chance(20) ? int(c.below(2)) * 255 : int(c.below(256))};
        if (r < 16)
            return {ActionKind::ChooseSize, 0, int(c.below(7))};
        if (r < 18)
            return {ActionKind::Save, 0, 0};
        return {ActionKind::Cancel, 0, 0};
    }
    return {ActionKind::Exit, 0, 0};
}

// --- Test oracle ---------------------------------------------------------------------------------

namespace {

qint16 numberIn(const QString &text)
{
    // Numbers the test writes are plain decimal without sign; anything else would be a fault.
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? qint16(value) : qint16(-1);
}

QString remaining(qsizetype left, qsizetype right)
{
    return UiText::pairsLeft(qMin(left, right));
}

QStringList sortedCopy(QStringList list)
{
    list.sort(Qt::CaseSensitive);
    return list;
}

template<typename T>
QString differs(const char *what, const T &expected, const T &actual);

template<>
QString differs(const char *what, const QString &expected, const QString &actual)
{
    return expected == actual ? QString()
                              : u"%1: expected \"%2\", got \"%3\""_s.arg(QLatin1String(what), expected, actual);
}

template<>
QString differs(const char *what, const QStringList &expected, const QStringList &actual)
{
    return expected == actual ? QString()
                              : u"%1: expected [%2], got [%3]"_s.arg(QLatin1String(what),
                                                                     expected.join(u" | "_s),
                                                                     actual.join(u" | "_s));
}

template<typename T>
QString differs(const char *what, const T &expected, const T &actual)
{
    return expected == actual ? QString()
                              : u"%1: expected %2, got %3"_s.arg(QLatin1String(what)).arg(expected).arg(actual);
}

#define ZORT_CHECK(expr)                                                                           \
    do {                                                                                           \
        const QString problem = (expr);                                                            \
        if (!problem.isEmpty())                                                                    \
            return problem;                                                                        \
    } while (false)

} // namespace

TestState TestState::of(const Quiz &quiz)
{
    TestState s;
    for (int i = 0; i < Quiz::kVisibleLists; ++i) {
        s.list[i] = quiz.list(i).items();
        s.selected[i] = quiz.list(i).selected();
    }
    for (int i = 0; i < Quiz::kHiddenLists; ++i)
        s.numberList[i] = quiz.numberList(i).items();
    s.pairsToScore = QString::number(quiz.pairsToScore());
    for (int i = 0; i < Quiz::kButtons; ++i)
        s.enabled[i] = quiz.isEnabled(i);
    s.counter = quiz.counter();
    s.output = quiz.output();
    s.verdictCorrect = quiz.verdictCorrect();
    s.verdictVisible = quiz.verdictVisible();
    s.evaluated = quiz.evaluated();
    s.tekusht = quiz.currentItem();
    s.correctPairs = quiz.correctPairs();
    s.thumbnail = quiz.thumbnail();
    s.pictureVisible = quiz.pictureWindowVisible();
    s.pictureItem = quiz.pictureWindowItem();
    return s;
}

int TestOracle::score(int correct, int n)
{
    if (n <= 0)
        return 0;
    const int scaled = correct * 100;
    int q = scaled / n;
    const int twiceRest = 2 * (scaled % n);
    if (twiceRest > n || (twiceRest == n && q % 2 == 1))
        ++q;
    return q;
}

QString TestOracle::explanation(int p) const
{
    const Content &c = m_gen.content;
    const QString q = u"\""_s;
    QString text = u"\r\n"_s + q + c.expressions.value(p - 1) + q + u" е във връзка с "_s + q
                   + c.meanings.value(p - 1) + q;
    if (m_gen.explanationSignOf(p) > 0 && p >= 1 && p <= c.lines.size()) {
        for (const QString &line : c.lines.at(p - 1))
            text += u"\r\n"_s + line;
    }
    return text;
}

void TestOracle::showPicture(TestState &e, int p) const
{
    e.thumbnail = m_gen.pictureSignOf(p) != 0 ? p : 0;
    e.pictureVisible = false;
}

void TestOracle::runHandler(TestState &e, int list) const
{
    const qsizetype p = e.selected[list];
    if (p < 0)
        return;
    if (list == 0) {
        e.tekusht = numberIn(e.numberList[0].value(p));
        showPicture(e, e.tekusht);
    } else if (list == 2) {
        e.output.clear();
        e.tekusht = numberIn(e.numberList[2].value(p));
        showPicture(e, e.tekusht);
        e.verdictCorrect = e.numberList[2].value(p) == e.numberList[3].value(p);
    }
}

void TestOracle::enter(TestState &e) const
{
    const qsizetype iL = e.selected[0];
    const qsizetype iR = e.selected[1];
    if (iL < 0 || iR < 0)
        return;
    e.list[2] << e.list[0].at(iL) + u' ' + e.list[1].at(iR);
    e.numberList[2] << e.numberList[0].at(iL);
    e.numberList[3] << e.numberList[1].at(iR);
    e.list[0].removeAt(iL);
    e.list[1].removeAt(iR);
    e.numberList[0].removeAt(iL);
    e.numberList[1].removeAt(iR);
    e.selected[0] = e.selected[1] = -1;
    e.counter = remaining(e.list[0].size(), e.list[1].size());
}

int TestOracle::correctByText(const Quiz &quiz) const
{
    // From the texts alone: the entered pair's items sit at the same content position.
    const Content &c = m_gen.content;
    int correct = 0;
    const Quiz::NumberList numbers2 = quiz.numberList(2), numbers3 = quiz.numberList(3);
    for (qsizetype r = 0; r < numbers2.count(); ++r) {
        const QString expression = c.expressions.value(numbers2.at(r).toInt() - 1);
        const QString meaning = c.meanings.value(numbers3.at(r).toInt() - 1);
        if (c.expressions.indexOf(expression) == c.meanings.indexOf(meaning))
            ++correct;
    }
    return correct;
}

QString TestOracle::checkStartup(const Quiz &quiz)
{
    const Content &c = m_gen.content;
    const qsizetype a = c.expressions.size();
    const qsizetype b = c.meanings.size();
    const QString caption = m_gen.layoutRecord.isEmpty() ? c.window.caption : m_gen.layoutRecord.value(0);
    ZORT_CHECK(differs("caption", caption, quiz.content().window.caption));
    ZORT_CHECK(differs("output at start-up", c.instructions, quiz.output()));
    ZORT_CHECK(differs("counter at start-up", UiText::counterAtStart(), quiz.counter()));
    ZORT_CHECK(differs("left list", sortedCopy(c.expressions), sortedCopy(quiz.list(0).items())));
    ZORT_CHECK(differs("right list", sortedCopy(c.meanings), sortedCopy(quiz.list(1).items())));
    ZORT_CHECK(differs("left selection", a > 0 ? qsizetype(0) : qsizetype(-1), quiz.list(0).selected()));
    ZORT_CHECK(differs("right selection", b > 0 ? qsizetype(0) : qsizetype(-1), quiz.list(1).selected()));
    ZORT_CHECK(differs("entered at start-up", qsizetype(0), quiz.list(2).count()));
    const std::array<bool, 4> buttons{true, true, 0 >= 3 * b, true};
    for (int i = 0; i < Quiz::kButtons; ++i)
        ZORT_CHECK(differs("button at start-up", buttons[i], quiz.isEnabled(i)));
    const qint16 first = a > 0 ? numberIn(quiz.numberList(0).at(0)) : 0;
    ZORT_CHECK(differs("current item at start-up", first, quiz.currentItem()));
    ZORT_CHECK(differs("thumbnail at start-up", m_gen.pictureSignOf(first) != 0 ? int(first) : 0,
                       quiz.thumbnail()));
    ZORT_CHECK(differs("verdict visible at start-up", false, quiz.verdictVisible()));
    return checkState(quiz);
}

QString TestOracle::checkState(const Quiz &quiz) const
{
    const Content &c = m_gen.content;
    const qsizetype a = c.expressions.size();
    const qsizetype b = c.meanings.size();

    // Hidden lists parallel to the visible ones.
    for (int side = 0; side < 2; ++side) {
        ZORT_CHECK(differs("visible and hidden list counts", quiz.list(side).count(), quiz.numberList(side).count()));
        const QStringList &texts = side == 0 ? c.expressions : c.meanings;
        QStringList numbers;
        for (const QString &text : quiz.list(side).items())
            numbers << QString::number(texts.indexOf(text) + 1);
        ZORT_CHECK(differs("content numbers of a choice list", numbers, quiz.numberList(side).items()));
        const QStringList &items = quiz.list(side).items();
        for (qsizetype i = 1; i < items.size(); ++i) {
            if (QString::compare(items.at(i - 1), items.at(i), Qt::CaseInsensitive) > 0)
                return u"choice list %1 not sorted at row %2"_s.arg(side).arg(i);
        }
        const qsizetype sel = quiz.list(side).selected();
        if (sel < -1 || sel >= quiz.list(side).count())
            return u"selection %1 outside list %2"_s.arg(sel).arg(side);
    }
    const qsizetype entered = quiz.list(2).count();
    ZORT_CHECK(differs("entered and their expression numbers", entered, quiz.numberList(2).count()));
    ZORT_CHECK(differs("entered and their meaning numbers", entered, quiz.numberList(3).count()));
    if (quiz.list(2).selected() < -1 || quiz.list(2).selected() >= entered)
        return u"entered selection outside the list"_s;

    QStringList numbers4, numbers5;
    for (qsizetype k = 1; k <= a; ++k)
        numbers4 << QString::number(k);
    for (qsizetype k = 1; k <= b; ++k)
        numbers5 << QString::number(k);
    ZORT_CHECK(differs("dum_N 4", numbers4, quiz.numberList(4).items()));
    ZORT_CHECK(differs("dum_N 5", numbers5, quiz.numberList(5).items()));
    const qsizetype n = qMin(a, b);
    ZORT_CHECK(differs("Nastroiki", QString::number(n), QString::number(quiz.pairsToScore())));

    // Every content item in exactly one place.
    QStringList left = quiz.list(0).items();
    QStringList right = quiz.list(1).items();
    const Quiz::NumberList numbers2 = quiz.numberList(2), numbers3 = quiz.numberList(3);
    for (qsizetype r = 0; r < entered; ++r) {
        const int kL = numbers2.at(r).toInt();
        const int kR = numbers3.at(r).toInt();
        if (kL < 1 || kL > a || kR < 1 || kR > b)
            return u"entered pair %1 has numbers %2, %3"_s.arg(r).arg(numbers2.at(r), numbers3.at(r));
        ZORT_CHECK(differs("entered text", c.expressions.at(kL - 1) + u' ' + c.meanings.at(kR - 1), quiz.list(2).at(r)));
        left << c.expressions.at(kL - 1);
        right << c.meanings.at(kR - 1);
    }
    ZORT_CHECK(differs("expressions in one place each", sortedCopy(c.expressions), sortedCopy(left)));
    ZORT_CHECK(differs("meanings in one place each", sortedCopy(c.meanings), sortedCopy(right)));

    // Counter, score and buttons by phase.
    const qsizetype nl = quiz.list(0).count(), nr = quiz.list(1).count();
    if (!quiz.evaluated()) {
        if (quiz.counter() != UiText::counterAtStart())
            ZORT_CHECK(differs("counter", remaining(nl, nr), quiz.counter()));
        if (!quiz.isEnabled(0) || !quiz.isEnabled(1))
            return u"entry buttons disabled before the evaluation"_s;
        ZORT_CHECK(differs("verdict visible before the evaluation", false, quiz.verdictVisible()));
    } else {
        const int correct = correctByText(quiz);
        ZORT_CHECK(differs("Broj_werni", correct, int(quiz.correctPairs())));
        const int s = score(correct, int(n));
        if (s < 0 || s > 100)
            return u"score %1 outside 0 to 100"_s.arg(s);
        ZORT_CHECK(differs("counter after the evaluation", UiText::score(s), quiz.counter()));
        const std::array<bool, 4> review{false, false, false, true};
        for (int i = 0; i < Quiz::kButtons; ++i)
            ZORT_CHECK(differs("button after the evaluation", review[i], quiz.isEnabled(i)));
        ZORT_CHECK(differs("verdict visible after the evaluation", true, quiz.verdictVisible()));
        const qsizetype sel = quiz.list(2).selected();
        if (sel >= 0) {
            const bool correctPair = c.expressions.indexOf(c.expressions.value(quiz.numberList(2).at(sel).toInt() - 1))
                                     == c.meanings.indexOf(c.meanings.value(quiz.numberList(3).at(sel).toInt() - 1));
            ZORT_CHECK(differs("verdict of the selected pair", correctPair, quiz.verdictCorrect()));
            ZORT_CHECK(differs("verdict text", correctPair ? u"ДА"_s : u"НЕ"_s, quiz.verdictText()));
            ZORT_CHECK(differs("verdict colour", correctPair ? 65280u : 255u, quiz.verdictColour()));
        }
    }
    if (quiz.currentItem() < 0 || quiz.currentItem() > a)
        return u"current item %1 outside the content"_s.arg(quiz.currentItem());
    if (quiz.thumbnail() != 0 && m_gen.pictureSignOf(quiz.thumbnail()) == 0)
        return u"thumbnail shows item %1, which has no picture"_s.arg(quiz.thumbnail());
    if (quiz.pictureWindowVisible() && m_gen.pictureSignOf(quiz.pictureWindowItem()) <= 0)
        return u"picture window open for item %1"_s.arg(quiz.pictureWindowItem());
    return QString();
}

QString TestOracle::checkSortedSide(const TestState &before, const TestState &after, int side,
                                    const QString &inserted) const
{
    QStringList expected = before.list[side];
    expected << inserted;
    ZORT_CHECK(differs(side == 0 ? "left list" : "right list", sortedCopy(expected), sortedCopy(after.list[side])));
    // A selection stays on its item when a restored one lands before it.
    const QString was = before.selected[side] >= 0 ? before.list[side].at(before.selected[side]) : QString();
    const QString now = after.selected[side] >= 0 ? after.list[side].at(after.selected[side]) : QString();
    ZORT_CHECK(differs("selection kept", before.selected[side] >= 0, after.selected[side] >= 0));
    return differs("selected item kept", was, now);
}

QString TestOracle::checkStep(const TestState &before, const Action &action, const Quiz &quiz, bool pressRan)
{
    const Content &c = m_gen.content;
    const TestState after = TestState::of(quiz);
    TestState e = before;
    // Sorted lists get their restored items at a place the check does not predict.
    bool restored = false;
    QString restoredLeft, restoredRight;

    switch (action.kind) {
    case ActionKind::Select: {
        const qsizetype count = before.list[action.index].size();
        const qsizetype row = action.value >= 0 && action.value < count ? action.value : -1;
        if (row >= 0 && row != e.selected[action.index]) {
            e.selected[action.index] = row;
            runHandler(e, action.index);
        }
        break;
    }
    case ActionKind::Press: {
        ZORT_CHECK(differs("a click that ran", before.enabled[action.index], pressRan));
        if (!before.enabled[action.index])
            break; // a disabled button sends no click
        e.enabled[2] = e.list[2].size() >= 3 * e.list[1].size();
        switch (action.index) {
        case Quiz::Enter:
            enter(e);
            break;
        case Quiz::TakeBack: {
            const qsizetype s = e.selected[2];
            if (s < 0)
                break;
            restored = true;
            restoredLeft = c.expressions.value(e.numberList[2].at(s).toInt() - 1);
            restoredRight = c.meanings.value(e.numberList[3].at(s).toInt() - 1);
            e.list[2].removeAt(s);
            e.numberList[2].removeAt(s);
            e.numberList[3].removeAt(s);
            e.selected[2] = -1;
            if (e.list[2].size() > s) {
                e.selected[2] = s;
                runHandler(e, 2);
            }
            e.counter = remaining(before.list[0].size() + 1, before.list[1].size() + 1);
            if (e.selected[2] < 0 && !e.list[2].isEmpty()) {
                e.selected[2] = e.list[2].size() - 1;
                runHandler(e, 2);
            }
            break;
        }
        case Quiz::Evaluate: {
            if (e.list[2].isEmpty())
                break;
            int correct = 0;
            for (qsizetype r = 0; r < e.numberList[2].size(); ++r)
                correct += e.numberList[2].at(r) == e.numberList[3].at(r) ? 1 : 0;
            e.correctPairs = qint16(correct);
            e.enabled[0] = e.enabled[1] = false;
            e.counter = UiText::score(score(correct, e.pairsToScore.toInt()));
            e.selected[2] = 0;
            runHandler(e, 2);
            e.verdictVisible = true;
            e.evaluated = true;
            e.enabled[3] = true;
            e.enabled[2] = false;
            break;
        }
        case Quiz::Explain:
            if (e.enabled[0]) {
                if (e.selected[0] < 0 || e.selected[1] < 0)
                    break;
                const int p = int(c.expressions.indexOf(e.list[0].at(e.selected[0]))) + 1;
                enter(e);
                e.output = explanation(p);
                showPicture(e, p);
                e.enabled[3] = false;
                m_explained = true;
            } else {
                if (e.selected[2] < 0)
                    break;
                const int p = numberIn(e.numberList[2].at(e.selected[2]));
                e.output = explanation(p);
                showPicture(e, p);
                e.enabled[2] = false;
            }
            break;
        }
        break;
    }
    case ActionKind::Thumbnail:
        // The picture shown, not the current item's: an explanation may have put another there.
        if (m_gen.pictureSignOf(before.thumbnail) > 0) {
            e.pictureVisible = true;
            e.pictureItem = before.thumbnail;
        }
        break;
    case ActionKind::ClosePicture:
        e.pictureVisible = false;
        break;
    default:
        break; // settings and "Exit" leave the test alone
    }

    if (restored) {
        ZORT_CHECK(checkSortedSide(before, after, 0, restoredLeft));
        ZORT_CHECK(checkSortedSide(before, after, 1, restoredRight));
    } else {
        for (int side = 0; side < 2; ++side) {
            ZORT_CHECK(differs("choice list", e.list[side], after.list[side]));
            ZORT_CHECK(differs("choice selection", e.selected[side], after.selected[side]));
            ZORT_CHECK(differs("hidden numbers", e.numberList[side], after.numberList[side]));
        }
    }
    ZORT_CHECK(differs("entered list", e.list[2], after.list[2]));
    ZORT_CHECK(differs("entered selection", e.selected[2], after.selected[2]));
    ZORT_CHECK(differs("dum_N 2", e.numberList[2], after.numberList[2]));
    ZORT_CHECK(differs("dum_N 3", e.numberList[3], after.numberList[3]));
    for (int i = 0; i < Quiz::kButtons; ++i)
        ZORT_CHECK(differs(i == 0 ? "Избрах enabled" : i == 1 ? "Върни enabled" : i == 2 ? "Оцени enabled" : "Обясни enabled",
                           e.enabled[i], after.enabled[i]));
    ZORT_CHECK(differs("counter", e.counter, after.counter));
    ZORT_CHECK(differs("output", e.output, after.output));
    ZORT_CHECK(differs("verdict", e.verdictCorrect, after.verdictCorrect));
    ZORT_CHECK(differs("verdict visible", e.verdictVisible, after.verdictVisible));
    ZORT_CHECK(differs("evaluated", e.evaluated, after.evaluated));
    ZORT_CHECK(differs("Tekusht_nomer", e.tekusht, after.tekusht));
    ZORT_CHECK(differs("Broj_werni", e.correctPairs, after.correctPairs));
    ZORT_CHECK(differs("thumbnail", e.thumbnail, after.thumbnail));
    ZORT_CHECK(differs("picture window visible", e.pictureVisible, after.pictureVisible));
    if (after.pictureVisible)
        ZORT_CHECK(differs("picture window item", e.pictureItem, after.pictureItem));
    if (!quiz.evaluated())
        ZORT_CHECK(differs("Обясни enabled until used", !m_explained, quiz.isEnabled(3)));
    return checkState(quiz);
}

// --- Settings ------------------------------------------------------------------------------------

QString expectedColourCaption(qint32 colour)
{
    return u"Цвят в 10/16-тичен код = "_s + QString::number(colour) + u" /H"_s
           + QString::number(colour, 16).toUpper();
}

namespace {

bool isPlainNumber(const QString &text, qint64 max)
{
    if (text.isEmpty() || (text.size() > 1 && text.startsWith(u'0')))
        return false;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok && value >= 0 && value <= max && QString::number(value) == text;
}

} // namespace

QString checkSettingsStore(const AppearanceStore &store, bool openedOnce)
{
    ZORT_CHECK(differs("settings store size", qsizetype(AppearanceStore::kItems), store.items().size()));
    ZORT_CHECK(differs("settings remark", u"всичко това е за управление на цветове"_s, store.item(0)));
    ZORT_CHECK(differs("font face", u"Times New Roman"_s, store.item(AppearanceStore::kFontFace)));
    const int size = store.item(AppearanceStore::kFontSize).toInt();
    if (!isPlainNumber(store.item(AppearanceStore::kFontSize), 14) || size < 8)
        return u"font size item \"%1\""_s.arg(store.item(AppearanceStore::kFontSize));
    for (int e = 0; e < AppearanceStore::kElements; ++e) {
        const QString colour = store.item(AppearanceStore::colourItem(e));
        if (!isPlainNumber(colour, ColourValue::kMask))
            return u"colour of element %1 is \"%2\""_s.arg(e).arg(colour);
        for (int k = 0; k < 3; ++k) {
            if (!isPlainNumber(store.item(AppearanceStore::componentItem(e, k)), 255))
                return u"component %1 of element %2 is \"%3\""_s.arg(k).arg(e).arg(store.item(AppearanceStore::componentItem(e, k)));
        }
        if (openedOnce) {
            const qint32 value = colour.toInt();
            const QStringList split{QString::number(value & 0xFF), QString::number((value >> 8) & 0xFF),
                                    QString::number((value >> 16) & 0xFF)};
            const QStringList components{store.item(AppearanceStore::componentItem(e, 0)), store.item(AppearanceStore::componentItem(e, 1)),
                                         store.item(AppearanceStore::componentItem(e, 2))};
            ZORT_CHECK(differs("components are the split of the colour", split, components));
        }
    }
    return QString();
}

QString SettingsSession::checkStore() const
{
    return checkSettingsStore(m_store, m_openedOnce);
}

QString SettingsSession::apply(const Action &action)
{
    const QStringList before = m_store.items();
    QStringList expected = before;
    const AppearanceEditor &w = m_settings;
    switch (action.kind) {
    case ActionKind::OpenSettings:
        if (m_open)
            return u"opened twice"_s;
        m_settings.open(m_faces);
        m_open = m_openedOnce = true;
        m_refreshed = false;
        for (int e = 0; e < AppearanceStore::kElements; ++e) {
            const qint32 value = before.at(AppearanceStore::colourItem(e)).toInt();
            expected[AppearanceStore::componentItem(e, 0)] = QString::number(value & 0xFF);
            expected[AppearanceStore::componentItem(e, 1)] = QString::number((value >> 8) & 0xFF);
            expected[AppearanceStore::componentItem(e, 2)] = QString::number((value >> 16) & 0xFF);
        }
        ZORT_CHECK(differs("edited element on opening", 0, w.editedElement()));
        for (int k = 0; k < 3; ++k) {
            ZORT_CHECK(differs("slider on opening", expected.at(AppearanceStore::componentItem(0, k)).toInt(), w.sliderPosition(k)));
            ZORT_CHECK(differs("read-out on opening", QString(QChar(u"RGB"[k])), w.readout(k)));
        }
        ZORT_CHECK(differs("colour caption on opening", u"Цвят"_s, w.colourCaption()));
        ZORT_CHECK(differs("window grey on opening", AppearanceEditor::kGrey, w.windowBackground()));
        for (int e = 0; e < AppearanceStore::kElements; ++e)
            ZORT_CHECK(differs("option colour on opening", before.at(AppearanceStore::colourItem(e)).toInt(), w.optionColour(e)));
        ZORT_CHECK(differs("sample size on opening", before.at(AppearanceStore::kFontSize).toInt(), w.sampleSize()));
        ZORT_CHECK(differs("size selected on opening", qsizetype(before.at(AppearanceStore::kFontSize).toInt() - 8),
                           w.fontList(AppearanceEditor::kSizeList).selected()));
        break;
    case ActionKind::ChooseElement: {
        m_settings.chooseElement(action.index);
        m_refreshed = true;
        ZORT_CHECK(differs("edited element", action.index, w.editedElement()));
        for (int k = 0; k < 3; ++k)
            ZORT_CHECK(differs("slider follows the element", before.at(AppearanceStore::componentItem(action.index, k)).toInt(),
                               w.sliderPosition(k)));
        ZORT_CHECK(differs("current colour", before.at(AppearanceStore::colourItem(action.index)).toInt(), w.currentColour()));
        break;
    }
    case ActionKind::MoveSlider: {
        const int e = w.editedElement();
        m_settings.moveSlider(action.index, action.value);
        m_refreshed = true;
        expected[AppearanceStore::componentItem(e, action.index)] = QString::number(action.value);
        const qint32 colour = ColourValue::compose(expected.at(AppearanceStore::componentItem(e, 0)).toInt(),
                                                   expected.at(AppearanceStore::componentItem(e, 1)).toInt(),
                                                   expected.at(AppearanceStore::componentItem(e, 2)).toInt());
        expected[AppearanceStore::colourItem(e)] = QString::number(colour);
        ZORT_CHECK(differs("slider position", action.value, w.sliderPosition(action.index)));
        ZORT_CHECK(differs("current colour", colour, w.currentColour()));
        break;
    }
    case ActionKind::ChooseSize:
        m_settings.selectFontEntry(AppearanceEditor::kSizeList, action.value);
        if (action.value >= 0 && action.value < 7) {
            expected[AppearanceStore::kFontSize] = QString::number(8 + action.value);
            ZORT_CHECK(differs("sample size", 8 + action.value, w.sampleSize()));
        }
        break;
    case ActionKind::Save: {
        m_applied = m_settings.appearance();
        m_open = false;
        ZORT_CHECK(differs("applied form background", quint32(before.at(3).toUInt()), m_applied.formBackground));
        ZORT_CHECK(differs("applied text background", quint32(before.at(7).toUInt()), m_applied.textBackground));
        ZORT_CHECK(differs("applied text colour", quint32(before.at(11).toUInt()), m_applied.textColour));
        ZORT_CHECK(differs("applied face", before.at(1), m_applied.fontFace));
        ZORT_CHECK(differs("applied size", before.at(2).toInt(), m_applied.fontSize));
        break;
    }
    case ActionKind::Cancel:
        m_open = false;
        break;
    default:
        return QString();
    }
    if (m_open && !m_refreshed) {
        // Until the first element choice or slider movement the window keeps its opening look.
        for (int k = 0; k < 3; ++k)
            ZORT_CHECK(differs("read-out before any refresh", QString(QChar(u"RGB"[k])), w.readout(k)));
        ZORT_CHECK(differs("colour caption before any refresh", u"Цвят"_s, w.colourCaption()));
    } else if (m_open) {
        for (int k = 0; k < 3; ++k)
            ZORT_CHECK(differs("read-out", QString::number(w.sliderPosition(k)), w.readout(k)));
        const qint32 colour = ColourValue::compose(w.sliderPosition(0), w.sliderPosition(1), w.sliderPosition(2));
        ZORT_CHECK(differs("current colour is the sliders'", colour, w.currentColour()));
        ZORT_CHECK(differs("colour caption", expectedColourCaption(colour), w.colourCaption()));
        ZORT_CHECK(differs("swatch", colour, w.swatchColour()));
        ZORT_CHECK(differs("option of the edited element", colour, w.optionColour(w.editedElement())));
    }
    ZORT_CHECK(differs("settings store", expected, m_store.items()));
    return checkStore();
}

// --- Sessions ------------------------------------------------------------------------------------

QString Figures::summary() const
{
    return u"%1 sessions, %2 actions, %3 contents, %4 pair entries, %5 take-backs, %6 explanations, "
           "%7 evaluations, %8 settings actions, %9 invariant violations"_s
        .arg(sessions).arg(actions).arg(contents).arg(entries).arg(takeBacks).arg(explanations)
        .arg(evaluations).arg(settingsActions).arg(violations);
}

void countEffects(Figures &figures, const TestState &before, const Action &action, const Quiz &after)
{
    if (action.kind != ActionKind::Press || !before.enabled[action.index])
        return;
    const qsizetype entered = after.list(2).count();
    if (entered > before.list[2].size())
        ++figures.entries;
    if (entered < before.list[2].size())
        ++figures.takeBacks;
    if (after.evaluated() && !before.evaluated)
        ++figures.evaluations;
    if (action.index == Quiz::Explain && after.output() != before.output)
        ++figures.explanations;
}

GeneratedContent sessionContent(Chooser &chooser, const QStringList &picturePaths, Figures &figures)
{
    ++figures.sessions;
    ++figures.contents;
    return chooser.chance(10) ? builtInGenerated() : generateContent(chooser, picturePaths);
}

SessionLog::SessionLog(const GeneratedContent &content)
    : m_content(u"content: %1, %2 expressions, %3 meanings, layout [%4]"_s.arg(content.kind)
                    .arg(content.content.expressions.size()).arg(content.content.meanings.size())
                    .arg(content.layoutRecord.join(u" | "_s)))
{
}

void SessionLog::add(const QString &action)
{
    m_actions << action;
}

QString SessionLog::trail() const
{
    return (QStringList{m_content} + m_actions.mid(qMax(qsizetype(0), m_actions.size() - kShown)))
        .join(u"\n         "_s);
}

QString playSession(Chooser &chooser, int maxActions, Figures &figures, const QStringList &picturePaths,
                    const QStringList &faces, const GeneratedContent *given)
{
    const GeneratedContent content = given ? *given : sessionContent(chooser, picturePaths, figures);
    if (given) {
        ++figures.sessions;
        ++figures.contents;
    }
    SessionLog log(content);
    auto fail = [&](const QString &problem) {
        ++figures.violations;
        return problem + u"\n  after: "_s + log.trail();
    };

    const bool diligent = chooser.chance(40);
    Quiz quiz(content.content);
    quiz.start();
    TestOracle oracle(content);
    QString problem = oracle.checkStartup(quiz);
    if (!problem.isEmpty())
        return fail(problem);

    QStringList installed = faces;
    if (installed.isEmpty())
        installed = QStringList{u"DejaVu Sans"_s, u"Times New Roman"_s, u"times new roman"_s, u"Times New Roman"_s};
    SettingsSession settings(installed);
    problem = settings.checkStore();
    if (!problem.isEmpty())
        return fail(problem);

    for (int step = 0; step < maxActions && !chooser.exhausted(); ++step) {
        const Action action = chooseAction(chooser, quiz, settings.isOpen(), diligent);
        log.add(action.describe());
        ++figures.actions;
        if (action.kind == ActionKind::Exit)
            break;
        const TestState before = TestState::of(quiz);
        bool ran = false;
        switch (action.kind) {
        case ActionKind::Select:
            // A learner moves a selection but cannot take it away (the window keeps it), so
            // "nothing" only arises from entering pairs.
            if (action.value >= 0)
                quiz.selectRow(action.index, action.value);
            break;
        case ActionKind::Press: ran = quiz.pressButton(qint16(action.index)); break;
        case ActionKind::Thumbnail: quiz.clickThumbnail(); break;
        case ActionKind::ClosePicture: quiz.closePictureWindow(); break;
        default:
            ++figures.settingsActions;
            problem = settings.apply(action);
            if (!problem.isEmpty())
                return fail(problem);
            break;
        }
        problem = oracle.checkStep(before, action, quiz, ran);
        if (!problem.isEmpty())
            return fail(problem);
        countEffects(figures, before, action, quiz);
    }
    return QString();
}

} // namespace Reliability
