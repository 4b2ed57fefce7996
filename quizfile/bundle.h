#pragma once

#include "quizfile/quiz_file.h"

#include <QString>

// A bundle carries a quiz to another machine as one file: a zip (named *.zort) holding the quiz
// file at its top and its pairs table and pictures where the quiz names them. Bundles come from
// strangers, so reading one takes nothing but plain files of bounded size inside the bundle's own
// folder tree, unpacks them into a private temporary folder and checks the quiz there with
// check(), so every rule of a quiz file applies unchanged.
namespace QuizFile {

namespace BundleLimits {
constexpr qint64 kMaxBytes = 100 * 1024 * 1024;         // the bundle, and all it unpacks to together
constexpr qint64 kMaxTextBytes = 16 * 1024 * 1024;       // the quiz file, its table, any file but a picture
constexpr qint64 kMaxPictureBytes = 50 * 1024 * 1024;    // a .png, .jpg or .jpeg
constexpr int kMaxEntries = 300;                        // files and folders
constexpr qint64 kMaxRatio = 100;                        // unpacked to packed size of one entry...
constexpr qint64 kRatioFreeBytes = 64 * 1024;            // ...once it unpacks to more than this
} // namespace BundleLimits

// A name ending in .zort, read as a bundle.
bool isBundleName(const QString &path);

// Reads and checks the bundle at path. Problems in the quiz name the bundle and the file inside
// it ("quiz.zort/quiz.toml:12: ..."); problems with the bundle itself name it, at line 1.
Result checkBundle(const QString &path, PictureReading pictures = PictureReading::Decode);
// A bundle or a quiz file, told apart by the name, read and checked.
Result checkFileOrBundle(const QString &path, PictureReading pictures = PictureReading::Decode);
// The same for a bundle's bytes in memory; path names it in messages.
Result checkBundleBytes(const QByteArray &bytes, const QString &path,
                        PictureReading pictures = PictureReading::Decode);

// Writes a bundle of a checked quiz file: the quiz file at the top, then the table and pictures it
// was read from, by name, compressed, with a fixed time stamp, so one quiz always gives the same
// bytes. The bundle is read back with checkBundle before this returns. Returns an error text,
// empty on success.
QString writeBundle(const Result &checked, const QString &quizPath, const QString &bundlePath);

} // namespace QuizFile
