// Every learner action on the rules alone (zort_core, no widgets), on content of 27, 1,000 and
// 10,000 pairs; the settings actions once. Each iteration times only the action itself; putting
// the state back for the next iteration is not timed.
#include "bench_support.h"
#include "settings/cweta.h"
#include "settings/cwiat.h"
#include "test_window/zort.h"

#include <functional>
#include <memory>

using bench::timed;

namespace {

constexpr int kLeft = 0, kRight = 1, kEntered = 2;

std::unique_ptr<Zort> started(int pairs)
{
    auto zort = std::make_unique<Zort>(bench::content(pairs));
    zort->Form_Load();
    return zort;
}

// Enters the pair of the rows in the middle of both choice lists.
void enterMiddlePair(Zort &zort)
{
    zort.selectSlowo(kLeft, zort.slowo(kLeft).count() / 2);
    zort.selectSlowo(kRight, zort.slowo(kRight).count() / 2);
    zort.pressButton(Zort::Izbrah);
}

// Enters every pair (the first rows each time), so "Оцени" can be pressed.
void enterAll(Zort &zort)
{
    while (!zort.slowo(kLeft).isEmpty() && !zort.slowo(kRight).isEmpty()) {
        zort.selectSlowo(kLeft, 0);
        zort.selectSlowo(kRight, 0);
        zort.pressButton(Zort::Izbrah);
    }
    zort.pressButton(Zort::Obqsni); // nothing to explain; the click applies the evaluate-button rule
}

// Not a learner action, but what every later action builds on: the set-up of the lists at start-up.
void startUp(benchmark::State &state, int pairs)
{
    const Content content = bench::content(pairs);
    for (auto _ : state) {
        std::unique_ptr<Zort> zort;
        state.SetIterationTime(timed([&] {
            zort = std::make_unique<Zort>(content);
            zort->Form_Load();
        }));
    }
}

// A few pairs entered beforehand, so the entered list and the take-back have rows around the one they use.
constexpr int kEnteredBefore = 5;

// Times one click that enters the selected middle pair ("Избрах", or "Обясни" before the
// evaluation, called as the enabled button would call it); the pair is taken back untimed.
void enteringClick(benchmark::State &state, int pairs, qint16 button)
{
    auto zort = started(pairs);
    for (int i = 0; i < kEnteredBefore; ++i)
        enterMiddlePair(*zort);
    for (auto _ : state) {
        zort->selectSlowo(kLeft, zort->slowo(kLeft).count() / 2);
        zort->selectSlowo(kRight, zort->slowo(kRight).count() / 2);
        state.SetIterationTime(timed([&] { zort->Uprawl_Click(button); }));
        zort->selectSlowo(kEntered, zort->slowo(kEntered).count() - 1);
        zort->pressButton(Zort::Wyrni);
    }
}

void takeBack(benchmark::State &state, int pairs)
{
    auto zort = started(pairs);
    for (int i = 0; i < kEnteredBefore; ++i)
        enterMiddlePair(*zort);
    for (auto _ : state) {
        enterMiddlePair(*zort);
        // The learner takes back a pair in the middle: the next one is selected in its place.
        zort->selectSlowo(kEntered, zort->slowo(kEntered).count() / 2);
        state.SetIterationTime(timed([&] { zort->pressButton(Zort::Wyrni); }));
    }
}

void selectIn(benchmark::State &state, int pairs, int list)
{
    auto zort = started(pairs);
    for (int i = 0; i < kEnteredBefore; ++i)
        enterMiddlePair(*zort);
    const qsizetype rows[2] = {zort->slowo(list).count() / 2, zort->slowo(list).count() / 2 - 1};
    int turn = 0;
    for (auto _ : state) {
        const qsizetype row = rows[turn ^= 1];
        state.SetIterationTime(timed([&] { zort->selectSlowo(list, row); }));
    }
}

// "Оцени" happens once per test: a fresh test with every pair entered for each iteration.
void evaluate(benchmark::State &state, int pairs)
{
    for (auto _ : state) {
        auto zort = started(pairs);
        enterAll(*zort);
        state.SetIterationTime(timed([&] { zort->pressButton(Zort::Oceni); }));
    }
}

void explainAfter(benchmark::State &state, int pairs)
{
    auto zort = started(pairs);
    enterAll(*zort);
    zort->pressButton(Zort::Oceni);
    const qsizetype middle = zort->slowo(kEntered).count() / 2;
    int turn = 0;
    for (auto _ : state) {
        zort->selectSlowo(kEntered, middle - (turn ^= 1));
        state.SetIterationTime(timed([&] { zort->pressButton(Zort::Obqsni); }));
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
        Cweta store;
        std::unique_ptr<Cwiat> cwiat;
        state.SetIterationTime(timed([&] {
            cwiat = std::make_unique<Cwiat>(store);
            cwiat->open(installed);
        }));
    }
}

void settingsOpenSecond(benchmark::State &state)
{
    const QStringList installed = faces();
    Cweta store;
    Cwiat cwiat(store);
    cwiat.open(installed);
    for (auto _ : state)
        state.SetIterationTime(timed([&] { cwiat.open(installed); }));
}

void slider(benchmark::State &state)
{
    Cweta store;
    Cwiat cwiat(store);
    cwiat.open(faces());
    int turn = 0;
    for (auto _ : state) {
        const int position = 100 + (turn ^= 1);
        state.SetIterationTime(timed([&] { cwiat.Slider1_Scroll(1, position); }));
    }
}

void zapis(benchmark::State &state)
{
    Cweta store;
    Cwiat cwiat(store);
    cwiat.open(faces());
    cwiat.Slider1_Scroll(0, 200);
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
        add("core/enter_pair" + size, [n](benchmark::State &s) { enteringClick(s, n, Zort::Izbrah); })->Iterations(restored);
        add("core/take_back" + size, [n](benchmark::State &s) { takeBack(s, n); })->Iterations(restored);
        add("core/select_left" + size, [n](benchmark::State &s) { selectIn(s, n, kLeft); });
        add("core/select_right" + size, [n](benchmark::State &s) { selectIn(s, n, kRight); });
        add("core/select_entered" + size, [n](benchmark::State &s) { selectIn(s, n, kEntered); });
        add("core/evaluate" + size, [n](benchmark::State &s) { evaluate(s, n); })
            ->Iterations(n >= 10000 ? 5 : n >= 1000 ? 50 : 1000);
        add("core/explain_before" + size, [n](benchmark::State &s) { enteringClick(s, n, Zort::Obqsni); })
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
