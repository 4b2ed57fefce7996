#pragma once

#include <QString>

// The quiz window's texts that many tests expect, written once. They are the tests' own copies, not
// the product's constants, so a wrong text in the product still fails a test.
namespace UiText {

inline QString score(qint64 percent) { return QStringLiteral("Верни: %1%").arg(percent); }
inline QString pairsLeft(qint64 pairs) { return QStringLiteral("Остават: %1").arg(pairs); }
inline QString counterAtStart() { return QStringLiteral("Оставащи:"); }

} // namespace UiText
