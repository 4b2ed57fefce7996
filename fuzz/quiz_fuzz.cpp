// libFuzzer target for the quiz checker: a quiz folder comes from anyone, so any bytes must give
// either messages or a valid quiz, never a crash or a hang. The input is a whole folder: the quiz
// file, then its pairs table, a PNG and a JPEG, each after a line "--8<--"; a part left out is a
// file that is not there. The folder is checked from disk, as the tool does, and a quiz that passes
// is generated as the build would.
#include "quizfile/generate.h"
#include "quizfile/quiz_file.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

// The file names the seeds use: quiz.toml names the others as pairs_file and picture.
const char *const kParts[] = {"quiz.toml", "t.csv", "p.png", "p.jpg"};

// A file's bytes as the folder holds them: written only when changed, so that an input that
// changes one part leaves the others alone.
void put(const QString &path, const QByteArray *bytes)
{
    QFile file(path);
    if (!bytes) {
        file.remove();
        return;
    }
    if (file.open(QIODevice::ReadOnly) && file.size() == bytes->size() && file.readAll() == *bytes)
        return;
    file.close();
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(*bytes) == bytes->size());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Decoders warn about every broken picture; the checker's messages are what is checked.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    require(folder.isValid());
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<QByteArray> parts;
    for (qsizetype from = 0; parts.size() < 4;) {
        const qsizetype cut = input.indexOf("\n--8<--\n", from);
        parts << input.mid(from, cut < 0 ? -1 : cut - from);
        if (cut < 0)
            break;
        from = cut + 8;
    }
    for (int i = 0; i < 4; ++i)
        put(folder.filePath(QLatin1String(kParts[i])), i < parts.size() ? &parts[i] : nullptr);

    const QString path = folder.filePath(QStringLiteral("quiz.toml"));
    const QuizFile::Result result = QuizFile::check(path);
    require(result.problems.size() <= QuizFile::kMaxProblems + 1);
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
        require(pair.picture < qsizetype(quiz.pictures.size()));
    }
    for (const QString &meaning : quiz.extraMeanings) {
        require(!meaning.trimmed().isEmpty() && !meanings.contains(meaning));
        meanings.insert(meaning, 0);
    }
    for (int side = 0; side < 2; ++side)
        require(qint64(quiz.layout[1 + 2 * side]) + quiz.layout[2 + 2 * side] <= quiz.layout[0]);
    for (const QuizFile::Picture &picture : quiz.pictures) {
        require(!picture.data.isEmpty() && (picture.format == "png" || picture.format == "jpeg"));
        require(!picture.size.isEmpty() && picture.size.width() <= QuizFile::kMaxPictureSize.width()
                && picture.size.height() <= QuizFile::kMaxPictureSize.height());
    }
    for (const QString &file : result.dependencies)
        require(file.startsWith(folder.path() + u'/'));

    // The generated code is plain ASCII, whatever the quiz's texts.
    const QString out = folder.filePath(QStringLiteral("out"));
    require(QuizFile::generate(result, out, QStringLiteral("fuzzed")).isEmpty());
    QFile code(QDir(out).filePath(QStringLiteral("fuzzed.cpp")));
    require(code.open(QIODevice::ReadOnly));
    for (const char c : code.readAll())
        require(c == '\n' || (c >= 0x20 && c < 0x7F));
    return 0;
}
