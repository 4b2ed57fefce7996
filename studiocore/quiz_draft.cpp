#include "studiocore/quiz_draft.h"

#include <QDir>
#include <QFileInfo>

#include <atomic>

using namespace Qt::StringLiterals;

QString StudioPicture::suffix() const
{
    return format == "jpeg" ? u"jpg"_s : u"png"_s;
}

quint64 StudioPicture::newKey()
{
    static std::atomic<quint64> next{1};
    return next++;
}

bool PairRow::isBlank() const
{
    return expression.isEmpty() && meaning.isEmpty() && explanation.isEmpty() && picture.isNull();
}

bool PairRow::operator==(const PairRow &other) const
{
    return expression == other.expression && meaning == other.meaning && explanation == other.explanation
        && picture.key == other.picture.key;
}

namespace {

bool isPictureFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == u"png"_s || suffix == u"jpg"_s || suffix == u"jpeg"_s;
}

// The names the quiz file gave its pictures, in the order the reader read them: the picture files
// among the files it read, relative to the quiz file. Empty when that cannot be told (a bundle
// names only itself).
QStringList pictureNames(const QuizFile::Result &checked)
{
    if (checked.dependencies.isEmpty())
        return {};
    const QDir folder = QFileInfo(checked.dependencies.first()).absoluteDir();
    QStringList names;
    for (const QString &file : checked.dependencies.mid(1)) {
        if (isPictureFile(file))
            names << folder.relativeFilePath(file);
    }
    return names.size() == checked.quiz.pictures.size() ? names : QStringList();
}

} // namespace

QuizDraft QuizDraft::fromChecked(const QuizFile::Result &checked)
{
    const QuizFile::Quiz &quiz = checked.quiz;
    QuizDraft draft;
    draft.id = quiz.id;
    draft.caption = quiz.caption;
    draft.instructions = QString(quiz.instructions).replace(u"\r\n"_s, u"\n"_s);
    draft.expressionsName = quiz.expressionsName;
    draft.meaningsName = quiz.meaningsName;
    draft.layout = quiz.layout;
    draft.ownLayout = quiz.layout != QuizFile::kDefaultLayout;
    draft.extraMeanings = quiz.extraMeanings;
    draft.version = quiz.version;
    draft.author = quiz.author;

    // One picture shown by several pairs stays one picture.
    const QStringList names = pictureNames(checked);
    QList<StudioPicture> pictures;
    for (qsizetype i = 0; i < quiz.pictures.size(); ++i) {
        const QuizFile::Picture &p = quiz.pictures.at(i);
        StudioPicture picture{p.data, p.format, p.size, QString(), StudioPicture::newKey()};
        picture.name = names.isEmpty() ? u"picture-%1.%2"_s.arg(i + 1).arg(picture.suffix()) : names.at(i);
        pictures << picture;
    }
    draft.pairs.reserve(quiz.pairs.size());
    for (const QuizFile::Pair &pair : quiz.pairs) {
        PairRow row{pair.expression, pair.meaning, pair.explanation, {}};
        if (pair.picture >= 0 && pair.picture < pictures.size())
            row.picture = pictures.at(pair.picture);
        draft.pairs << row;
    }
    return draft;
}
