// libFuzzer target for the bundle reader: bundles come from strangers, so any bytes must give
// either messages or a valid quiz, never a crash or a hang. Each input is unpacked into a private
// temporary folder, as the program does, and checked there; then each picture is decoded as the
// program decodes it when it is first shown.
#include "quizfile/bundle.h"

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
    const QString path = QStringLiteral("/nonexistent/fuzz.zort");
    const QuizFile::Result result =
        QuizFile::checkBundleBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), path,
                                   QuizFile::PictureReading::HeaderOnly);
    // Every message names the bundle or a file in it, never the temporary folder.
    for (const QuizFile::Problem &problem : result.problems) {
        require(problem.line >= 1 && !problem.message.isEmpty());
        require(problem.file == path || problem.file.startsWith(path + u'/'));
        require(!problem.message.contains(QStringLiteral("zort-bundle-")));
    }
    require(result.dependencies == QStringList{path});
    if (!result.ok())
        return 0;
    const QuizFile::Quiz &quiz = result.quiz;
    require(QuizFile::isValidId(quiz.id) && !quiz.pairs.isEmpty());
    for (const QuizFile::Pair &pair : quiz.pairs)
        require(pair.picture < qsizetype(quiz.pictures.size()));
    for (const QuizFile::Picture &picture : quiz.pictures) {
        require(!picture.data.isEmpty() && (picture.format == "png" || picture.format == "jpeg"));
        const QImage image = QuizFile::readPicture(picture.data);
        require(image.isNull() || image.size().boundedTo(QuizFile::kMaxPictureSize) == image.size());
    }
    return 0;
}
