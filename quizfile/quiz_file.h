#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>

// A quiz file: the text a teacher writes to make a quiz of their own (TOML, optionally with the
// pairs in a spreadsheet table beside it). Reading one checks every rule the program relies on,
// so that a quiz that passes builds into a program that works; every problem is reported with
// its file and line, in words a teacher can act on.
//
// This runs at build time only, in the quiz tool; the program gets the result as generated code.
namespace QuizFile {

// Window and list geometry in twips: outer width, expressions list left and width, meanings list
// left and width. The built-in layout unless the quiz file gives its own.
using Layout = std::array<qint32, 5>;
constexpr Layout kDefaultLayout{11250, 120, 3135, 3360, 7575};

// Pictures larger than this are scaled down at build time, so the picture window fits a small
// screen whole; pictures beyond kMaxPixels are refused rather than decoded.
constexpr QSize kMaxPictureSize{960, 640};
constexpr qint64 kMaxPixels = 50'000'000;
// The program counts items, positions and content numbers in 16 bits.
constexpr int kMaxItems = 32767;

struct Picture
{
    QByteArray data;       // the image file's bytes, or the scaled-down image's
    QByteArray format;     // "png" or "jpeg"
    QSize size;            // as it will be shown
};

struct Pair
{
    QString expression;
    QString meaning;
    QStringList explanation; // lines, in order
    int picture = -1;        // index into Quiz::pictures
};

struct Quiz
{
    QString id;
    QString caption;
    QString instructions;  // line breaks are CR LF, as the output box shows them
    QString expressionsName = QStringLiteral("Изрази");  // what a screen reader calls the lists
    QString meaningsName = QStringLiteral("Значения");
    Layout layout = kDefaultLayout;
    QList<Pair> pairs;
    QStringList extraMeanings;
    QList<Picture> pictures;

    int pictureCount() const;
    int explanationCount() const;
};

struct Problem
{
    QString file;
    int line = 0;
    QString message;
    // "FILE:LINE: message", as compilers print it, so editors can jump there.
    QString text() const;
};

struct Result
{
    Quiz quiz;
    QList<Problem> problems;
    QList<Problem> notes;       // not problems: what the build did, such as scaling a picture
    QStringList dependencies;   // every file read, for the build to watch

    bool ok() const { return problems.isEmpty(); }
    // "OK: FILE: 12 pairs, 3 extra meanings, 12 pictures, 12 explanations"
    QString summary(const QString &file) const;
};

// Reads and checks the quiz file at path; relative paths inside it are taken from its folder.
Result check(const QString &path);
// The same for a file's bytes already in memory (path names it in messages and gives the folder).
Result checkBytes(const QByteArray &bytes, const QString &path);

// Ids name the program (zort-<id>) and its package: lower-case Latin letters, digits and
// hyphens, starting with a letter, at most 32 characters.
bool isValidId(const QString &id);

} // namespace QuizFile
