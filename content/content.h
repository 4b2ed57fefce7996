#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One test's content: the two lists to be paired, the main window's caption and list geometry,
// the instruction text, the explanation flags and lines, and the picture table. Expression k and
// meaning k (content numbers, counted from 1) belong together; there is no other answer key.
//
// Content is a plain value handed to the test window, so the same rules run on any table.
struct Content
{
    QStringList expressions;   // Danni 0
    QStringList meanings;      // Danni 1
    QStringList layout;        // Danni 3: caption, outer width, left list left/width, right list left/width (twips)
    QString instructions;      // Ukazanie 0
    QStringList flags;         // Otgowor 0: item 0 a heading, item k the explanation flag of content number k
    QList<QStringList> lines;  // Otgowor 1..30, held at index 0..29

    QStringList pictureFlags;  // Spis_graf: item 0 a heading, item k the picture flag of content number k
    QStringList pictures;      // Graphika 1..30 at index 0..29: an image file or resource path, empty for none

    // Explanation lines of content number k, or none when k has no line list.
    QStringList linesOf(int k) const;
    // Image path of content number k, or an empty text when k has no stored picture.
    QString pictureOf(int k) const;
};

namespace ContentLimits {
constexpr int kExplanationFlags = 41;   // Otgowor 0 flags for content numbers 1..41
constexpr int kExplanationLists = 30;   // Otgowor 1..30
constexpr int kPictures = 30;           // Graphika 1..30, Spis_graf 1..30
}

// The maker's web address that leads the window captions.
inline constexpr char16_t kMakerAddress[] = u"zort.example.org";

// The built-in test: 27 Latin expressions and their Bulgarian meanings, no pictures.
const Content &builtInContent();

// An empty picture table of the right shape (a heading and 30 "0" flags), for content that has
// no pictures.
QStringList emptyPictureFlags();
