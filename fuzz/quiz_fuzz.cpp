// libFuzzer target for the quiz checker: quiz files come from teachers and are passed around, so
// any bytes must give either messages or a valid quiz, never a crash or a hang. Pictures and
// pairs tables named in the input are looked up in a folder that does not exist.
#include "quizfile/quiz_file.h"

#include <QHash>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QuizFile::Result result = QuizFile::checkBytes(
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), QStringLiteral("/nonexistent/quiz.toml"));
    for (const QuizFile::Problem &problem : result.problems)
        require(problem.line >= 1 && !problem.message.isEmpty());
    if (!result.ok())
        return 0;

    // A quiz that passed must keep every promise the program relies on.
    const QuizFile::Quiz &quiz = result.quiz;
    const qsizetype n = quiz.pairs.size();
    const qsizetype extra = quiz.extraMeanings.size();
    require(QuizFile::isValidId(quiz.id) && !quiz.caption.trimmed().isEmpty());
    require(n >= 1 && n + extra <= QuizFile::kMaxItems && 3 * extra <= n);
    QHash<QString, int> expressions, meanings;
    for (const QuizFile::Pair &pair : quiz.pairs) {
        require(!pair.expression.trimmed().isEmpty() && !pair.meaning.trimmed().isEmpty());
        require(!expressions.contains(pair.expression) && !meanings.contains(pair.meaning));
        expressions.insert(pair.expression, 0);
        meanings.insert(pair.meaning, 0);
        require(pair.picture < 0); // no picture can be found where none are
    }
    for (const QString &meaning : quiz.extraMeanings) {
        require(!meaning.trimmed().isEmpty() && !meanings.contains(meaning));
        meanings.insert(meaning, 0);
    }
    for (int side = 0; side < 2; ++side)
        require(qint64(quiz.layout[1 + 2 * side]) + quiz.layout[2 + 2 * side] <= quiz.layout[0]);
    return 0;
}
