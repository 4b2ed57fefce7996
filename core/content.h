#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QImage; // decoded only by the windows, which link Qt Gui

// Where the quiz window puts its lists, and its caption. Widths and lefts are in twips;
// a width of 0 or less keeps the laid-out place.
struct WindowLayout
{
    QString caption;
    qint32 outerWidth = 0;
    std::array<qint32, 2> listLeft{};  // expressions, meanings
    std::array<qint32, 2> listWidth{};

    // From the positional record: caption, outer width, then left and width of each list. A
    // missing item or one that is no number reads as 0.
    static WindowLayout fromRecord(const QStringList &record);
};

// One quiz's content: the two lists to be paired, the main window's caption and list geometry,
// the instruction text, the explanation flags and lines, and the picture table. Expression k and
// meaning k (content numbers, counted from 1) belong together; there is no other answer key.
//
// Content is a plain value handed to the quiz window, so the same rules run on any table.
struct Content
{
    QStringList expressions;
    QStringList meanings;
    WindowLayout window;
    QString instructions;
    // What a screen reader calls the two lists.
    QString expressionsName = QStringLiteral("Латински изрази");
    QString meaningsName = QStringLiteral("Значения");
    QStringList flags;         // item 0 a heading, item k the explanation flag of content number k
    QList<QStringList> lines;  // the explanation lines of content numbers 1.., held at index 0..

    QStringList pictureFlags;  // item 0 a heading, item k the picture flag of content number k
    QStringList pictures;      // content numbers 1.. at index 0..: an image file or resource path, empty for none
    // Parallel to pictures: an image's bytes (PNG or JPEG) where the picture came from a quiz file
    // read at run time, decoded only when shown; empty where a path is given or there is none.
    QList<QByteArray> pictureData;
    // Decodes such bytes with the limits of the reader that checked them, since they are a
    // stranger's file; a null image when they cannot be read. Unset where the bytes are the quiz
    // tool's own, which are decoded as they are.
    std::function<QImage(const QByteArray &)> readPicture;

    // Everything below counts content numbers from 1; a number outside a table reads as nothing.
    QString expression(int k) const { return expressions.value(k - 1); }
    QString meaning(int k) const { return meanings.value(k - 1); }
    // The flags' leading numbers; a flag that is no number reads as 0.
    qint16 explanationFlag(int k) const;
    qint16 pictureFlag(int k) const;
    QStringList linesOf(int k) const;
    // An image file or resource path.
    QString pictureOf(int k) const;
    // The image's bytes, when it is held so rather than by path.
    QByteArray pictureDataOf(int k) const;
};

// The smallest explanation and picture tables; a larger quiz gets one entry per pair.
namespace ContentLimits {
constexpr int kExplanationFlags = 41;   // flags for content numbers 1..41
constexpr int kExplanationLists = 30;   // explanation lines of content numbers 1..30
constexpr int kPictures = 30;           // pictures and their flags for content numbers 1..30
}

// The maker's web address that leads the window captions.
inline constexpr char16_t kMakerAddress[] = u"zort.example.org";

// The built-in quiz: 27 Latin expressions and their Bulgarian meanings, no pictures. Generated
// at build time from its quiz file, latin.toml.
const Content &builtInContent();

// The quiz a program was built for: the built-in one, or the quiz file given to the build. Each
// program has its own, generated into it.
const Content &quizContent();

// A quiz as the quiz tool writes it into generated code: every text lies in one UTF-16 block, and
// each field names the span of it that holds its text, so the compiler checks that the tool and
// the program agree on what is where.
struct TextSpan
{
    int offset = 0;
    int length = 0;
};

struct QuizTables
{
    const char16_t *text = nullptr;
    TextSpan caption;
    TextSpan instructions;
    TextSpan expressionsName;
    TextSpan meaningsName;
    int pairs = 0;
    const TextSpan *expressions = nullptr;  // one per pair
    const TextSpan *meanings = nullptr;     // one per pair, then the extra meanings
    int extraMeanings = 0;
    const int *explanationLineCounts = nullptr; // one per pair
    const TextSpan *explanationLines = nullptr; // every pair's lines, pair after pair
    const char *const *pictures = nullptr;  // each pair's picture resource, or nullptr
    // Twips; see WindowLayout.
    int outerWidth = 0;
    int expressionsLeft = 0;
    int expressionsWidth = 0;
    int meaningsLeft = 0;
    int meaningsWidth = 0;
};

// Fills a quiz's explanation and picture tables from each pair's lines and picture (a path, or
// the image's bytes; either list may be shorter than lines), with the flags "1" or "0" and the
// headings, padded to ContentLimits, as every quiz built from a quiz file has them.
void setPairTables(Content &content, const QList<QStringList> &lines, const QStringList &picturePaths,
                   const QList<QByteArray> &pictureData = {});

// The content of such a quiz. Expression k, its meaning, its explanation and its picture share
// content number k; the flag and picture tables reach at least as far as the built-in ones.
Content contentFromTables(const QuizTables &tables);
