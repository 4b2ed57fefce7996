#include "studiocore/picture_import.h"

#include "quizfile/bundle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace PictureImport {

Loaded load(const QString &path)
{
    const QFileInfo info(path);
    const QString shown = info.fileName();
    if (!info.isFile())
        return {{}, QCoreApplication::translate("PictureImport", "%1 is not a picture file.").arg(shown)};
    if (info.size() > QuizFile::BundleLimits::kMaxPictureBytes)
        return {{}, QCoreApplication::translate("PictureImport", "%1 is larger than 50 MB; make it smaller in a picture editor.").arg(shown)};
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return {{}, QCoreApplication::translate("PictureImport", "%1 cannot be read: %2").arg(shown, in.errorString())};
    const QByteArray bytes = in.read(QuizFile::BundleLimits::kMaxPictureBytes + 1);
    if (bytes.size() > QuizFile::BundleLimits::kMaxPictureBytes)
        return {{}, QCoreApplication::translate("PictureImport", "%1 is larger than 50 MB; make it smaller in a picture editor.").arg(shown)};

    // A quiz of one pair showing the picture, checked by the shared reader, gives the picture as
    // every quiz holds it.
    QTemporaryDir dir(QDir::tempPath() + u"/zort-studio-picture-XXXXXX"_s);
    QFile copy(dir.filePath(u"picture"_s));
    if (!dir.isValid() || !copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size())
        return {{}, QCoreApplication::translate("PictureImport", "%1 cannot be copied into a temporary folder.").arg(shown)};
    copy.close();
    const QByteArray quiz = "id = \"picture\"\ncaption = \"picture\"\n"
                            "[[pair]]\nexpression = \"a\"\nmeaning = \"b\"\npicture = \"picture\"\n";
    const QuizFile::Result checked = QuizFile::checkBytes(quiz, dir.filePath(u"quiz.toml"_s));
    if (checked.quiz.pictures.size() != 1 || !checked.ok()) {
        QString why = checked.problems.isEmpty() ? QCoreApplication::translate("PictureImport", "it cannot be read as a picture") : checked.problems.first().message;
        why.replace(u"\"picture\""_s, u"\""_s + shown + u"\""_s);
        return {{}, QCoreApplication::translate("PictureImport", "%1 cannot be a picture of the quiz: %2").arg(shown, why)};
    }
    const QuizFile::Picture &p = checked.quiz.pictures.first();
    StudioPicture picture{p.data, p.format, p.size, shown, StudioPicture::newKey()};
    return {picture, QString()};
}

} // namespace PictureImport
