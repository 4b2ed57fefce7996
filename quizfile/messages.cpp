#include "quizfile/messages.h"

#include <QLocale>
#include <QTranslator>

#include <atomic>

namespace QuizFile {

namespace {

std::atomic<Language> g_language{Language::English};

// Loaded once, on first use, and only read after: checks may run on several threads.
const QTranslator *bulgarian()
{
    static const QTranslator *const translator = [] {
        auto *t = new QTranslator;
        if (!t->load(QStringLiteral(":/i18n/zort-quizfile_bg.qm")))
            qWarning("zort: the Bulgarian messages of the quiz check are missing");
        return t;
    }();
    return translator;
}

} // namespace

void setMessageLanguage(Language language)
{
    g_language = language;
    if (language == Language::Bulgarian)
        bulgarian();
}

Language messageLanguage()
{
    return g_language;
}

Language localeLanguage()
{
    return QLocale().language() == QLocale::Bulgarian ? Language::Bulgarian : Language::English;
}

Words Words::translated(const char *source)
{
    Words words;
    words.english = QString::fromUtf8(source);
    words.local = words.english;
    if (g_language == Language::Bulgarian) {
        // lupdate names each text's context after the namespace or class it is said in: these are
        // the ones zort-quizfile_bg.ts has.
        for (const char *context : {"QuizFile", "QuizFile::Reader", "QuizFile::Result", "QuizFile::Problem", "PairsTable",
                                    "TextFile"}) {
            const QString found = bulgarian()->translate(context, source);
            if (!found.isEmpty()) {
                words.local = found;
                break;
            }
        }
    }
    return words;
}

QString scriptMessage(const QString &name, const QStringList &args)
{
    if (name == QLatin1String("no-package"))
        return say("No package was built.").local;
    if (name == QLatin1String("no-display")) {
        return say("There is no display to show the quiz on: run '%1' to render the window under a virtual display "
                   "into a PNG instead.").arg(args.value(0)).local;
    }
    return QString();
}

} // namespace QuizFile
