// Every learner action on the rules alone (zort_core, no widgets), on content of 27, 1,000 and
// 10,000 pairs; the settings actions once. Each iteration times only the action itself; putting
// the state back for the next iteration is not timed.
#include "bench_support.h"
#include "core/appearance_store.h"
#include "core/appearance_editor.h"
#include "core/quiz.h"

#include <functional>
#include <memory>

using bench::timed;

namespace {

constexpr int kLeft = 0, kRight = 1, kEntered = 2;

std::unique_ptr<Quiz> started(int pairs)
{
    auto quiz = std::make_unique<Quiz>(bench::content(pairs));
    quiz->start();
    return quiz;
}

// Enters the pair of the rows in the middle of both choice lists.
void enterMiddlePair(Quiz &quiz)
{
    quiz.selectRow(kLeft, quiz.list(kLeft).count() / 2);
    quiz.selectRow(kRight, quiz.list(kRight).count() / 2);
    quiz.pressButton(Quiz::Enter);
}

// Enters every pair (the first rows each time), so "Оцени" can be pressed.
void enterAll(Quiz &quiz)
{
    while (!quiz.list(kLeft).isEmpty() && !quiz.list(kRight).isEmpty()) {
        quiz.selectRow(kLeft, 0);
        quiz.selectRow(kRight, 0);
        quiz.pressButton(Quiz::Enter);
    }
    quiz.pressButton(Quiz::Explain); // nothing to explain; the click applies the evaluate-button rule
}

// Not a learner action, but what every later action builds on: the set-up of the lists at start-up.
void startUp(benchmark::State &state, int pairs)
{
    const Content content = bench::content(pairs);
    for (auto _ : state) {
        std::unique_ptr<Quiz> quiz;
        state.SetIterationTime(timed([&] {
            quiz = std::make_unique<Quiz>(content);
            quiz->start();
        }));
    }
}

// A few pairs entered beforehand, so the entered list and the take-back have rows around the one they use.
constexpr int kEnteredBefore = 5;

// Times one click that enters the selected middle pair ("Избрах", or "Обясни" before the
// evaluation, called as the enabled button would call it); the pair is taken back untimed.
void enteringClick(benchmark::State &state, int pairs, qint16 button)
{
    auto quiz = started(pairs);
    for (int i = 0; i < kEnteredBefore; ++i)
        enterMiddlePair(*quiz);
    for (auto _ : state) {
        quiz->selectRow(kLeft, quiz->list(kLeft).count() / 2);
        quiz->selectRow(kRight, quiz->list(kRight).count() / 2);
        state.SetIterationTime(timed([&] { quiz->dispatch(button); }));
        quiz->selectRow(kEntered, quiz->list(kEntered).count() - 1);
        quiz->pressButton(Quiz::TakeBack);
    }
}

void takeBack(benchmark::State &state, int pairs)
{
    auto quiz = started(pairs);
    for (int i = 0; i < kEnteredBefore; ++i)
        enterMiddlePair(*quiz);
    for (auto _ : state) {
        enterMiddlePair(*quiz);
        // The learner takes back a pair in the middle: the next one is selected in its place.
        quiz->selectRow(kEntered, quiz->list(kEntered).count() / 2);
        state.SetIterationTime(timed([&] { quiz->pressButton(Quiz::TakeBack); }));
    }
}

void selectIn(benchmark::State &state, int pairs, int list)
{
    auto quiz = started(pairs);
    for (int i = 0; i < kEnteredBefore; ++i)
        enterMiddlePair(*quiz);
    const qsizetype rows[2] = {quiz->list(list).count() / 2, quiz->list(list).count() / 2 - 1};
    int turn = 0;
    for (auto _ : state) {
        const qsizetype row = rows[turn ^= 1];
        state.SetIterationTime(timed([&] { quiz->selectRow(list, row); }));
    }
}

// "Оцени" happens once per test: a fresh test with every pair entered for each iteration.
void evaluate(benchmark::State &state, int pairs)
{
    for (auto _ : state) {
        auto quiz = started(pairs);
        enterAll(*quiz);
        state.SetIterationTime(timed([&] { quiz->pressButton(Quiz::Evaluate); }));
    }
}

void explainAfter(benchmark::State &state, int pairs)
{
    auto quiz = started(pairs);
    enterAll(*quiz);
    quiz->pressButton(Quiz::Evaluate);
    const qsizetype middle = quiz->list(kEntered).count() / 2;
    int turn = 0;
    for (auto _ : state) {
        quiz->selectRow(kEntered, middle - (turn ^= 1));
        state.SetIterationTime(timed([&] { quiz->pressButton(Quiz::Explain); }));
    }
}

// The installed faces as the settings window gets them; a typical Debian desktop has about this many.
QStringList faces()
{
    QStringList list;
    for (int i = 0; i < 60; ++i)
        list << QStringLiteral("Face %1").arg(i);
    list << QStringLiteral("Times New Roman") << QStringLiteral("Liberation Serif");
    return list;
}

void settingsOpenFirst(benchmark::State &state)
{
    const QStringList installed = faces();
    for (auto _ : state) {
        AppearanceStore store;
        std::unique_ptr<AppearanceEditor> cwiat;
        state.SetIterationTime(timed([&] {
            cwiat = std::make_unique<AppearanceEditor>(store);
            cwiat->open(installed);
        }));
    }
}

void settingsOpenSecond(benchmark::State &state)
{
    const QStringList installed = faces();
    AppearanceStore store;
    AppearanceEditor cwiat(store);
    cwiat.open(installed);
    for (auto _ : state)
        state.SetIterationTime(timed([&] { cwiat.open(installed); }));
}

void slider(benchmark::State &state)
{
    AppearanceStore store;
    AppearanceEditor cwiat(store);
    cwiat.open(faces());
    int turn = 0;
    for (auto _ : state) {
        const int position = 100 + (turn ^= 1);
        state.SetIterationTime(timed([&] { cwiat.moveSlider(1, position); }));
    }
}

void zapis(benchmark::State &state)
{
    AppearanceStore store;
    AppearanceEditor cwiat(store);
    cwiat.open(faces());
    cwiat.moveSlider(0, 200);
    for (auto _ : state) {
        Appearance appearance;
        state.SetIterationTime(timed([&] { appearance = cwiat.appearance(); }));
        benchmark::DoNotOptimize(appearance);
    }
}

benchmark::internal::Benchmark *add(const std::string &name, std::function<void(benchmark::State &)> fn)
{
    return benchmark::RegisterBenchmark(name.c_str(), std::move(fn))
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    for (int n : bench::kSizes) {
        const std::string size = "/" + std::to_string(n);
        // Where putting the state back costs far more than the action, a fixed count of iterations.
        const int restored = n >= 10000 ? 300 : n >= 1000 ? 3000 : 30000;
        add("core/start_up" + size, [n](benchmark::State &s) { startUp(s, n); });
        add("core/enter_pair" + size, [n](benchmark::State &s) { enteringClick(s, n, Quiz::Enter); })->Iterations(restored);
        add("core/take_back" + size, [n](benchmark::State &s) { takeBack(s, n); })->Iterations(restored);
        add("core/select_left" + size, [n](benchmark::State &s) { selectIn(s, n, kLeft); });
        add("core/select_right" + size, [n](benchmark::State &s) { selectIn(s, n, kRight); });
        add("core/select_entered" + size, [n](benchmark::State &s) { selectIn(s, n, kEntered); });
        add("core/evaluate" + size, [n](benchmark::State &s) { evaluate(s, n); })
            ->Iterations(n >= 10000 ? 5 : n >= 1000 ? 50 : 1000);
        add("core/explain_before" + size, [n](benchmark::State &s) { enteringClick(s, n, Quiz::Explain); })
            ->Iterations(restored);
        add("core/explain_after" + size, [n](benchmark::State &s) { explainAfter(s, n); });
    }
    add("core/settings_open_first", settingsOpenFirst);
    add("core/settings_open_second", settingsOpenSecond);
    add("core/settings_slider", slider);
    add("core/settings_zapis", zapis);

    bench::TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::vector<bench::Target> targets;
    for (const char *action : {"enter_pair", "take_back", "select_left", "select_right", "select_entered",
                               "evaluate", "explain_before", "explain_after"}) {
        targets.push_back({std::string("core/") + action + "/27", 20, "built-in content, under 20 us"});
        targets.push_back({std::string("core/") + action + "/10000", 1000, "10,000 pairs, under 1 ms"});
    }
    targets.push_back({"core/settings_", 20, "under 20 us"});
    reporter.printTargets(targets);
    benchmark::Shutdown();
    return 0;
}
