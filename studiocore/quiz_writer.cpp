#include "studiocore/quiz_writer.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <functional>

using namespace Qt::StringLiterals;

namespace QuizWriter {

namespace {

const char *const kLayoutKeys[] = {"width", "expressions_left", "expressions_width", "meanings_left", "meanings_width"};

class Lines
{
public:
    void add(const QByteArray &line, FormPlace place)
    {
        m_out.text += line;
        m_out.text += '\n';
        m_out.places << place;
    }
    void key(const char *name, const QString &value, FormPlace place)
    {
        add(QByteArray(name) + " = " + basicString(value), place);
    }
    WrittenQuiz &out() { return m_out; }

private:
    WrittenQuiz m_out;
};

WrittenQuiz write(const QuizDraft &draft, const std::function<QString(const StudioPicture &)> &nameOf)
{
    Lines w;
    w.add("# A quiz file written by ZORT Studio.", {});
    w.key("id", draft.id, {FormPlace::Id});
    w.key("caption", draft.caption, {FormPlace::Caption});
    w.key("expressions_name", draft.expressionsName, {FormPlace::ExpressionsName});
    w.key("meanings_name", draft.meaningsName, {FormPlace::MeaningsName});
    for (const auto &[key, value] : {std::pair{"version", draft.version}, std::pair{"author", draft.author}}) {
        if (!value.isEmpty())
            w.key(key, value, {});
    }
    if (!draft.instructions.isEmpty())
        w.key("instructions", draft.instructions, {FormPlace::Instructions});
    if (!draft.extraMeanings.isEmpty()) {
        w.add("extra_meanings = [", {FormPlace::ExtraMeaning});
        for (int i = 0; i < draft.extraMeanings.size(); ++i)
            w.add("    " + basicString(draft.extraMeanings.at(i)) + ',', {FormPlace::ExtraMeaning, i});
        w.add("]", {FormPlace::ExtraMeaning});
    }
    if (draft.ownLayout) {
        w.add("", {});
        w.add("[window]", {FormPlace::Layout});
        for (int i = 0; i < 5; ++i)
            w.add(QByteArray(kLayoutKeys[i]) + " = " + QByteArray::number(draft.layout[i]), {FormPlace::Layout, i});
    }
    QSet<quint64> written;
    for (int row = 0; row < draft.pairs.size(); ++row) {
        const PairRow &pair = draft.pairs.at(row);
        if (pair.isBlank())
            continue;
        auto at = [row](int column) { return FormPlace{FormPlace::Pair, row, column}; };
        w.add("", {});
        w.add("[[pair]]", at(-1));
        w.key("expression", pair.expression, at(0));
        w.key("meaning", pair.meaning, at(1));
        if (pair.explanation.size() == 1) {
            w.key("explanation", pair.explanation.first(), at(2));
        } else if (!pair.explanation.isEmpty()) {
            w.add("explanation = [", at(2));
            for (const QString &line : pair.explanation)
                w.add("    " + basicString(line) + ',', at(2));
            w.add("]", at(2));
        }
        if (const QString name = pair.picture.isNull() ? QString() : nameOf(pair.picture); !name.isEmpty()) {
            w.key("picture", name, at(3));
            if (!written.contains(pair.picture.key)) {
                written.insert(pair.picture.key);
                w.out().pictures.append({name, pair.picture});
            }
        }
    }
    return w.out();
}

// A name that stays inside the quiz's folder and that every file system and a bundle take.
bool isSafeName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(u'/') || name.contains(u'\\') || name.size() > 200)
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == u':' || c == u'*' || c == u'?' || c == u'"'
            || c == u'<' || c == u'>' || c == u'|')
            return false;
    }
    const QStringList parts = name.split(u'/');
    return std::none_of(parts.cbegin(), parts.cend(), [](const QString &part) {
        return part.isEmpty() || part == u"."_s || part == u".."_s || part.startsWith(u'.');
    });
}

} // namespace

QByteArray basicString(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': out += u"\\\""_s; break;
        case '\\': out += u"\\\\"_s; break;
        case '\b': out += u"\\b"_s; break;
        case '\t': out += u"\\t"_s; break;
        case '\n': out += u"\\n"_s; break;
        case '\f': out += u"\\f"_s; break;
        case '\r': out += u"\\r"_s; break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                out += u"\\u"_s + QString::number(c.unicode(), 16).rightJustified(4, u'0');
            else
                out += c;
        }
    }
    out += u'"';
    return out.toUtf8();
}

WrittenQuiz forCheck(const QuizDraft &draft, bool withPictures)
{
    return write(draft, [withPictures](const StudioPicture &p) {
        return withPictures ? u"p%1.%2"_s.arg(p.key).arg(p.suffix()) : QString();
    });
}

WrittenQuiz forSaving(const QuizDraft &draft, const QString &pictureFolder)
{
    QHash<quint64, QString> names;
    QSet<QString> taken;  // lower-case, as some file systems compare names
    return write(draft, [&](const StudioPicture &p) {
        if (const auto it = names.constFind(p.key); it != names.constEnd())
            return *it;
        QString name = isSafeName(p.name) ? p.name : QString();
        if (!name.isEmpty() && !name.contains(u'/'))
            name = pictureFolder + u'/' + name;
        QString base = name.isEmpty() ? pictureFolder + u"/picture"_s : name;
        if (const QString suffix = QFileInfo(base).suffix(); !suffix.isEmpty())
            base.chop(suffix.size() + 1);
        name = base + u'.' + p.suffix();
        for (int n = 2; taken.contains(name.toLower()); ++n)
            name = u"%1-%2.%3"_s.arg(base).arg(n).arg(p.suffix());
        taken.insert(name.toLower());
        names.insert(p.key, name);
        return name;
    });
}

} // namespace QuizWriter
