#pragma once

#include "core/content.h"
#include "core/appearance_store.h"
#include "core/appearance_editor.h"
#include "core/quiz.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

// Random learner sessions against the test's rules and the appearance settings, checked after
// every action by an oracle written from the rules rather than from the code. QtCore only, so the
// same driver runs under Qt Test, under the sanitizers and under libFuzzer.
namespace Reliability {

// Where the session's choices come from: a seeded generator, or the fuzzer's bytes.
class Chooser
{
public:
    virtual ~Chooser() = default;
    // A number in [0, n); 0 when n is 0.
    virtual quint32 below(quint32 n) = 0;
    // The fuzzer's bytes are used up: the session ends.
    virtual bool exhausted() const { return false; }

    bool chance(quint32 percent) { return below(100) < percent; }
    // A number in [lo, hi].
    int between(int lo, int hi) { return lo + int(below(quint32(hi - lo + 1))); }
};

// splitmix64: the same sequence on every machine and compiler, unlike the standard distributions.
class SeededChooser : public Chooser
{
public:
    explicit SeededChooser(quint64 seed) : m_state(seed) {}
    quint32 below(quint32 n) override;

private:
    quint64 m_state;
};

class ByteChooser : public Chooser
{
public:
    ByteChooser(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    quint32 below(quint32 n) override;
    bool exhausted() const override { return m_pos >= m_size; }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// A content with what its author meant by each flag: +1 positive, 0 none, -1 negative, by
// content number (index 0 unused). The sign is all the rules look at.
struct GeneratedContent
{
    Content content;
    QString kind;
    // The positional window record the content's layout was read from, when one was made up.
    QStringList layoutRecord;
    QList<int> explanationSign;
    QList<int> pictureSign;

    int explanationSignOf(int p) const { return p >= 1 && p < explanationSign.size() ? explanationSign.at(p) : 0; }
    int pictureSignOf(int p) const { return p >= 1 && p < pictureSign.size() ? pictureSign.at(p) : 0; }
};

GeneratedContent builtInGenerated();
// A content generated from a quiz file, where every flag is "0" or "1".
GeneratedContent quizFileGenerated(const Content &content, const QString &kind);
// 0 to 40 expressions and meanings, usually unequal; case-only differences, Latin and Cyrillic,
// leading digits, repeated texts, odd flags, pictures on random items (paths taken from
// picturePaths, which may be empty), and now and then an odd layout.
GeneratedContent generateContent(Chooser &chooser, const QStringList &picturePaths = {});

enum class ActionKind {
    Select,        // index: list 0..2, value: row (-1 nothing)
    Press,         // index: button 0..3; a disabled button must do nothing
    Thumbnail,
    ClosePicture,
    OpenSettings,  // "Color"
    ChooseElement, // index: element 0..2
    MoveSlider,    // index: slider 0..2, value: position
    ChooseSize,    // value: row of the size list
    Save,          // "Запис"
    Cancel,        // "Отказ"
    Exit,
};

struct Action
{
    ActionKind kind = ActionKind::Exit;
    int index = 0;
    int value = 0;
    QString describe() const;
};

// Everything of the test that a learner or a later action can observe.
struct TestState
{
    std::array<QStringList, Quiz::kVisibleLists> list;
    std::array<qsizetype, Quiz::kVisibleLists> selected{};
    std::array<QStringList, Quiz::kHiddenLists> numberList;
    QString pairsToScore;
    std::array<bool, Quiz::kButtons> enabled{};
    QString counter;
    QString output;
    bool verdictCorrect = true;
    bool verdictVisible = false;
    bool evaluated = false;
    qint16 tekusht = 0;
    qint16 correctPairs = 0;
    int thumbnail = 0;
    bool pictureVisible = false;
    int pictureItem = 0;

    static TestState of(const Quiz &quiz);
};

// Checks a test after start-up and after every action. Every check returns an empty text when it
// holds, otherwise what is wrong.
class TestOracle
{
public:
    explicit TestOracle(const GeneratedContent &content) : m_gen(content) {}

    QString checkStartup(const Quiz &quiz);
    // What the action must have done to the state before it; pressRan is pressButton's answer.
    QString checkStep(const TestState &before, const Action &action, const Quiz &after, bool pressRan);
    // What holds in every state.
    QString checkState(const Quiz &quiz) const;

    // Score for C correct pairs out of N, rounded half to even in whole numbers.
    static int score(int correct, int n);
    QString explanation(int p) const;

private:
    QString checkSortedSide(const TestState &before, const TestState &after, int side,
                            const QString &inserted) const;
    void runHandler(TestState &e, int list) const;
    void showPicture(TestState &e, int p) const;
    void enter(TestState &e) const;
    int correctByText(const Quiz &quiz) const;

    const GeneratedContent &m_gen;
    bool m_explained = false; // "Обясни" used before the evaluation
};

// The appearance settings of one session, core only, and their checks.
class SettingsSession
{
public:
    explicit SettingsSession(QStringList faces) : m_faces(std::move(faces)), m_settings(m_store) {}

    bool isOpen() const { return m_open; }
    // Performs a settings action and checks it; empty when everything holds.
    QString apply(const Action &action);
    QString checkStore() const;

    const AppearanceStore &store() const { return m_store; }
    const AppearanceEditor &cwiat() const { return m_settings; }
    // What the last "Запис" applied.
    const Appearance &lastApplied() const { return m_applied; }

private:
    QStringList m_faces;
    AppearanceStore m_store;
    AppearanceEditor m_settings;
    bool m_open = false;
    bool m_openedOnce = false;
    bool m_refreshed = false; // an element chosen or a slider moved since the opening
    Appearance m_applied;
};

// The oracle for a settings model anyone holds (the window test keeps one beside the window).
QString checkSettingsStore(const AppearanceStore &store, bool openedOnce);
QString expectedColourCaption(qint32 colour);

struct Figures
{
    qint64 sessions = 0;
    qint64 actions = 0;
    qint64 contents = 0;
    qint64 evaluations = 0;
    qint64 entries = 0;
    qint64 takeBacks = 0;
    qint64 explanations = 0;
    qint64 settingsActions = 0;
    qint64 violations = 0;

    QString summary() const;
};

// Adds what a button click did to the figures.
void countEffects(Figures &figures, const TestState &before, const Action &action, const Quiz &after);

// Picks the next learner action for this state. Buttons are tried whether or not they are enabled;
// the check then expects a disabled one to do nothing.
// A diligent learner mostly enters pairs and evaluates; the others click anything.
Action chooseAction(Chooser &chooser, const Quiz &quiz, bool settingsOpen, bool diligent);

// The content of one session (one in ten the built-in test), counted in the figures.
GeneratedContent sessionContent(Chooser &chooser, const QStringList &picturePaths, Figures &figures);

// What a failure message shows of a session: its content and the last actions before it.
class SessionLog
{
public:
    explicit SessionLog(const GeneratedContent &content);
    void add(const QString &action);
    QString trail() const;

private:
    static constexpr qsizetype kShown = 24;
    QString m_content;
    QStringList m_actions;
};

// Plays one whole session: content, start-up, up to maxActions actions (or until "Exit" or the
// chooser runs dry). Returns the first violation with the actions leading to it; empty when none.
// A given content is played instead of one the chooser makes.
QString playSession(Chooser &chooser, int maxActions, Figures &figures,
                    const QStringList &picturePaths = {}, const QStringList &faces = {},
                    const GeneratedContent *given = nullptr);

} // namespace Reliability
