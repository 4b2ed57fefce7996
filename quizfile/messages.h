#pragma once

#include <QString>
#include <QStringList>

#include <concepts>
#include <type_traits>

// The checker's messages, each in English and in the language chosen for them: Bulgarian in the
// program and the studio, and in zort-quiz when the locale is Bulgarian. The texts are marked with
// say() and translated with Qt's tools (translations/zort-quizfile_bg.ts); the English one stays
// beside, for the studio, which words some messages anew by their English form.
namespace QuizFile {

enum class Language { English, Bulgarian };

// The language of the messages from here on; English until set.
void setMessageLanguage(Language language);
Language messageLanguage();
// Bulgarian when the system's locale is (LANG=bg_BG.UTF-8), English otherwise.
Language localeLanguage();

struct Words
{
    QString english;
    QString local;   // in the chosen language

    // A marked text: say("...") is what lupdate collects (LUPDATE_OPTIONS -tr-function-alias tr+=say).
    static Words translated(const char *source);
    // A text that is the same in every language, such as a name or a parser's own words.
    static Words same(const QString &text) { return {text, text}; }

    template <std::integral N>
    Words arg(N number) const { return {english.arg(number), local.arg(number)}; }
    // Words are put in in their own language; plain texts as they are. Several at once are put
    // in in one go, so a %1 inside a teacher's text stays as it is.
    template <typename... Args>
        requires(sizeof...(Args) > 0 && ((std::same_as<std::decay_t<Args>, Words> || std::same_as<std::decay_t<Args>, QString>) && ...))
    Words arg(const Args &...args) const { return {english.arg(inEnglish(args)...), local.arg(inLocal(args)...)}; }

    bool isNull() const { return english.isNull(); }
    Words operator+(const Words &other) const { return {english + other.english, local + other.local}; }

private:
    static const QString &inEnglish(const Words &w) { return w.english; }
    static const QString &inEnglish(const QString &s) { return s; }
    static const QString &inLocal(const Words &w) { return w.local; }
    static const QString &inLocal(const QString &s) { return s; }
};

inline Words say(const char *source) { return Words::translated(source); }

// The scripts' own lines (scripts/package.sh, run.sh), by name, in the chosen language, with
// args put in: "no-package", "no-display COMMAND". Null for a name it does not know.
QString scriptMessage(const QString &name, const QStringList &args);

} // namespace QuizFile
