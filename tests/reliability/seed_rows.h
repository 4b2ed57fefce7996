#pragma once

#include <QTest>

namespace Reliability {

// A number from the environment, or the fallback when it is unset or not a number.
inline qint64 envNumber(const char *name, qint64 fallback)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

// Data rows "firstSeed" and "sessions": ZORT_SEED=<n> replays that one session; otherwise batches
// of consecutive seeds from firstBase, so a slow or failing batch shows which range to look at.
// The variable named by sessionsVariable changes how many sessions each batch plays.
inline void addSeedRows(const char *sessionsVariable, qint64 perBatchFallback, int batches, quint64 firstBase)
{
    QTest::addColumn<quint64>("firstSeed");
    QTest::addColumn<qint64>("sessions");
    const qint64 replay = envNumber("ZORT_SEED", -1);
    if (replay >= 0) {
        QTest::newRow("replay") << quint64(replay) << qint64(1);
        return;
    }
    const qint64 perBatch = envNumber(sessionsVariable, perBatchFallback);
    for (int batch = 0; batch < batches; ++batch) {
        const quint64 first = firstBase + quint64(batch) * 1000000;
        QTest::addRow("seeds %llu..", first) << first << perBatch;
    }
}

} // namespace Reliability
