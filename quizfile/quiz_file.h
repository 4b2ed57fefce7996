#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include "quizfile/messages.h"

#include <array>

// A quiz file: the text a teacher writes to make a quiz of their own (TOML, optionally with the
// pairs in a spreadsheet table beside it). Reading one checks every rule the program relies on,
// so that a quiz that passes builds into a program that works; every problem is reported with
// its file and line, in words a teacher can act on.
//
// This runs at build time, in the quiz tool, whose result a program gets as generated code; and at
// run time, when the program or the studio opens a quiz file or bundle.
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

// A quiz file and what it names come from anyone, so every read is bounded: files larger than
// these are refused before they are read.
constexpr qint64 kMaxTextFileBytes = 16 * 1024 * 1024;     // the quiz file, and its pairs table
constexpr qint64 kMaxPictureFileBytes = 50 * 1024 * 1024; // one picture file
// Tables and lists within one another, counted on one line: a quiz needs 2 or 3, and the parser
// recurses once per level, so a file of nothing but dots or brackets would overflow the stack.
constexpr int kMaxNesting = 32;
// What a quiz file or its table may hold: the parser keeps every value in memory, and 32,767
// pairs with explanations take about 200,000 values or lines.
constexpr qsizetype kMaxValues = 500'000;     // keys, values and tables in a quiz file
constexpr qsizetype kMaxTableLines = 200'000; // lines of a pairs table
// A progressive JPEG is decoded scan by scan over the whole picture; encoders write about 10, so
// more than this is a picture made to take minutes.
constexpr int kMaxJpegScans = 32;
// Problems listed; the rest are only counted, so a table of a million repeated rows gives a
// screenful, not a million lines.
constexpr int kMaxProblems = 100;

struct Picture
{
    // Read with PictureReading::Decode: the picture as the checker wrote it anew, never the file's
    // own bytes. With PictureReading::HeaderOnly: the file's bytes less what decoding does not
    // need, its header checked; readPicture decodes it.
    QByteArray data;
    QByteArray format;     // "png" or "jpeg"
    QSize size;            // as it will be shown: upright, and at most kMaxPictureSize
    bool writtenAnew = true;
};

// How the reader takes a quiz's pictures. A build decodes each and writes it anew, so a program
// holds only pictures the tool wrote. A file opened at run time only has each picture's header
// checked (its kind, its size, its scans), so opening costs no decoding, and decodes a picture
// with readPicture when it is first shown.
enum class PictureReading { Decode, HeaderOnly };

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
    QString version;       // the package's version, when the quiz gives one
    QString author;        // the package's maintainer, when the quiz names one

    int pictureCount() const;
    int explanationCount() const;
};

struct Problem
{
    Problem() = default;
    Problem(const QString &file, int line, const Words &words) : file(file), line(line), message(words.local), english(words.english) {}
    Problem(const QString &file, int line, const QString &message) : file(file), line(line), message(message), english(message) {}

    QString file;
    int line = 0;
    QString message;   // in the language chosen for messages (messages.h)
    QString english;   // the same in English, for the tools that read it
    // "FILE:LINE: message", as compilers print it, so editors can jump there.
    QString text() const;
    // "FILE:LINE: note: message", for what is not a problem.
    QString noteText() const;
};

struct Result
{
    Quiz quiz;
    // The first kMaxProblems, file by file and line by line; when there were more, a last one
    // says how many more, and moreProblems counts them.
    QList<Problem> problems;
    qsizetype moreProblems = 0;
    QList<Problem> notes;       // not problems: what the build did, such as scaling a picture
    QStringList dependencies;   // every file read, for the build to watch

    bool ok() const { return problems.isEmpty(); }
    qsizetype problemCount() const { return moreProblems ? problems.size() - 1 + moreProblems : problems.size(); }
    // "OK: FILE: 12 pairs, 3 extra meanings, 12 pictures, 12 explanations"
    QString summary(const QString &file) const;
    // "FILE: 3 problems; nothing was built. ..."
    QString failure(const QString &file) const;
};

// Reads and checks the quiz file at path; relative paths inside it are taken from its folder.
// Only regular files inside that folder (once links are followed) are read, each up to its limit,
// so a quiz file from anyone is safe to check, also at run time.
Result check(const QString &path, PictureReading pictures = PictureReading::Decode);
// The same for a file's bytes already in memory (path names it in messages and gives the folder).
Result checkBytes(const QByteArray &bytes, const QString &path, PictureReading pictures = PictureReading::Decode);

// Decodes one picture of a checked quiz, or any picture file's bytes, with every limit of the
// check (its kind, size and scans checked again first, a memory limit while decoding): upright,
// and scaled down to fit within fit when larger. A null image when it cannot be read, with why
// (in English, for a log) when why is given.
QImage readPicture(const QByteArray &data, QSize fit = kMaxPictureSize, QString *why = nullptr);

// Ids name the program (zort-<id>) and its package: lower-case Latin letters, digits and
// hyphens, starting with a letter, at most 32 characters.
bool isValidId(const QString &id);

} // namespace QuizFile
