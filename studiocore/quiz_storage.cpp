#include "studiocore/quiz_storage.h"

#include "studiocore/quiz_writer.h"

#include "quizfile/bundle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace QuizStorage {

namespace {

QString writeFile(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QCoreApplication::translate("QuizStorage", "The folder of %1 cannot be made.").arg(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QCoreApplication::translate("QuizStorage", "%1 cannot be written: %2").arg(path, file.errorString());
    return {};
}

} // namespace

QString pictureFolder(const QString &path)
{
    return QFileInfo(path).completeBaseName() + u"-pictures"_s;
}

Opened open(const QString &path)
{
    // Only each picture's header is checked now: a row decodes its picture when it is first shown,
    // and trying or saving checks every picture whole.
    const QuizFile::Result checked = QuizFile::checkFileOrBundle(path, QuizFile::PictureReading::HeaderOnly);
    Opened opened;
    for (const QuizFile::Problem &problem : checked.problems)
        opened.problems << problem.text();
    const QuizFile::Quiz &quiz = checked.quiz;
    opened.readable = checked.ok() || !quiz.id.isEmpty() || !quiz.caption.isEmpty() || !quiz.pairs.isEmpty()
        || !quiz.extraMeanings.isEmpty();
    if (opened.readable)
        opened.draft = QuizDraft::fromChecked(checked);
    return opened;
}

QString saveQuizFile(const QuizDraft &draft, const QString &path)
{
    const WrittenQuiz written = QuizWriter::forSaving(draft, pictureFolder(path));
    const QDir folder = QFileInfo(path).absoluteDir();
    // The pictures first: the quiz file names them.
    for (const WrittenQuiz::PictureFile &file : written.pictures) {
        if (const QString error = writeFile(folder.filePath(file.name), file.picture.data); !error.isEmpty())
            return error;
    }
    return writeFile(path, written.text);
}

QString saveBundle(const QuizDraft &draft, const QString &path, QStringList *problems)
{
    QTemporaryDir dir(QDir::tempPath() + u"/zort-studio-save-XXXXXX"_s);
    if (!dir.isValid())
        return QCoreApplication::translate("QuizStorage", "No temporary folder can be made to put the bundle together.");
    const QString name = QuizFile::isValidId(draft.id) ? draft.id : u"quiz"_s;
    const QString quizPath = dir.filePath(name + u".toml"_s);
    if (const QString error = saveQuizFile(draft, quizPath); !error.isEmpty())
        return error;
    const QuizFile::Result checked = QuizFile::check(quizPath);
    if (!checked.ok()) {
        if (problems) {
            for (const QuizFile::Problem &p : checked.problems)
                *problems << p.message;
        }
        return QCoreApplication::translate("QuizStorage", "A bundle holds only a quiz that passes the check: mend the problems listed, or save it as a "
                  "quiz file.");
    }
    return QuizFile::writeBundle(checked, quizPath, path);
}

QString save(const QuizDraft &draft, const QString &path, QStringList *problems)
{
    return QuizFile::isBundleName(path) ? saveBundle(draft, path, problems) : saveQuizFile(draft, path);
}

} // namespace QuizStorage
