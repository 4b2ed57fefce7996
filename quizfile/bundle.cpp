#include "quizfile/bundle.h"

#include "quizfile/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <zip.h>

#include <ctime>
#include <memory>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace QuizFile {

namespace {

using namespace BundleLimits;

// A zip entry's kind as Unix writes it in the upper half of the external attributes, on any host.
constexpr zip_uint32_t kTypeMask = 0170000;
constexpr zip_uint32_t kFolder = 0040000;
constexpr zip_uint32_t kPlainFile = 0100000;

using Zip = std::unique_ptr<zip_t, decltype([](zip_t *zip) { zip_discard(zip); })>;
using ZipFile = std::unique_ptr<zip_file_t, decltype([](zip_file_t *file) { zip_fclose(file); })>;

// An entry's name as messages show it: a stranger's name must not break a message's line.
QString shown(const QString &name)
{
    QString safe = name.left(200);
    for (QChar &c : safe) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QChar(QChar::ReplacementCharacter);
    }
    return u'"' + safe + (name.size() > 200 ? u"…"_s : QString()) + u'"';
}

bool isPictureName(const QString &name)
{
    const QString lower = name.toLower();
    return lower.endsWith(u".png"_s) || lower.endsWith(u".jpg"_s) || lower.endsWith(u".jpeg"_s);
}

qint64 limitFor(const QString &name)
{
    return isPictureName(name) ? kMaxPictureBytes : kMaxTextBytes;
}

QString megabytes(qint64 bytes)
{
    return QString::number((bytes + 1024 * 1024 - 1) / (1024 * 1024));
}

bool isQuizFileName(const QString &name)
{
    return !name.contains(u'/') && name.endsWith(u".toml"_s, Qt::CaseInsensitive);
}

// Why an entry's name cannot be unpacked as it stands, or nothing: a relative path that stays in
// the bundle's own tree, without control signs, that a file system takes.
Words nameProblem(const QString &name)
{
    if (name.isEmpty())
        return say("has no name");
    if (name.startsWith(u'/'))
        return say("has an absolute path; a bundle holds paths relative to the quiz file");
    if (name.contains(u'\\'))
        return say("has a backslash in its path; a bundle separates folders with /");
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return say("has a control character in its name");
    }
    if (name.toUtf8().size() > 1024)
        return say("has a path longer than 1024 bytes");
    QStringList parts = name.split(u'/');
    if (name.endsWith(u'/'))
        parts.removeLast();
    for (const QString &part : std::as_const(parts)) {
        if (part == u".."_s)
            return say("climbs out of the bundle with \"..\"");
        if (part.isEmpty() || part == u"."_s)
            return say("has an empty or \".\" folder in its path");
        if (part.toUtf8().size() > 255)
            return say("has a name longer than 255 bytes");
    }
    return {};
}

QString zipError(zip_error_t *error)
{
    return QString::fromUtf8(zip_error_strerror(error));
}

// Unpacks the bundle's files into dir, after checking every entry; returns the quiz file's path
// there, or nothing after a problem. Nothing is written before every entry has passed.
QString unpack(const QByteArray &bytes, const QString &path, const QString &dir, QList<Problem> &problems)
{
    auto problem = [&](const Words &message) { problems.append({path, 1, message}); };
    if (bytes.size() > kMaxBytes) {
        problem(say("the bundle is %1 MB; a bundle may be up to %2 MB").arg(megabytes(bytes.size()), megabytes(kMaxBytes)));
        return QString();
    }
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    Zip zip(source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr);
    if (!zip) {
        if (source)
            zip_source_free(source);
        problem(zip_error_code_zip(&error) == ZIP_ER_EXISTS
                    ? say("the bundle holds two files of the same name, so which one is meant is unclear")
                    : say("this is not a quiz bundle (a zip file that zort-quiz bundle makes): %1").arg(zipError(&error)));
        zip_error_fini(&error);
        return QString();
    }
    zip_error_fini(&error);

    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    if (count > kMaxEntries) {
        problem(say("the bundle holds %1 files and folders; a bundle may hold up to %2").arg(count).arg(kMaxEntries));
        return QString();
    }
    struct Entry
    {
        zip_uint64_t index;
        QString name;
        qint64 size;
    };
    QList<Entry> files;
    QSet<QString> fileNames, folderNames;
    QStringList quizFiles;
    qint64 total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(zip.get(), zip_uint64_t(i), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME)) {
            problem(say("entry %1 of the bundle cannot be read: %2").arg(i + 1).arg(zipError(zip_get_error(zip.get()))));
            continue;
        }
        const QString name = QString::fromUtf8(stat.name);
        auto refuse = [&](const Words &why) { problem(say("%1 in the bundle %2").arg(shown(name), why)); };
        if (const Words why = nameProblem(name); !why.isNull()) {
            refuse(why);
            continue;
        }
        const bool folder = name.endsWith(u'/');
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        zip_file_get_external_attributes(zip.get(), zip_uint64_t(i), 0, &system, &attributes);
        const zip_uint32_t type = (attributes >> 16) & kTypeMask;
        if (system == ZIP_OPSYS_UNIX && type != 0 && type != (folder ? kFolder : kPlainFile)) {
            refuse(say("is a symbolic link or a special file; a bundle holds plain files only"));
            continue;
        }
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
            refuse(say("is encrypted; make the bundle again without a password"));
            continue;
        }
        if (!(stat.valid & ZIP_STAT_COMP_METHOD) || (stat.comp_method != ZIP_CM_STORE && stat.comp_method != ZIP_CM_DEFLATE)) {
            refuse(say("is compressed in a way the program does not read; make the bundle with zort-quiz bundle"));
            continue;
        }
        if (!(stat.valid & ZIP_STAT_SIZE) || !(stat.valid & ZIP_STAT_COMP_SIZE)) {
            refuse(say("does not say its size"));
            continue;
        }
        if (folder) {
            if (stat.size != 0)
                refuse(say("is a folder with contents of its own"));
            folderNames.insert(name.chopped(1));
            continue;
        }
        const qint64 limit = limitFor(name);
        if (stat.size > zip_uint64_t(limit)) {
            refuse(say("unpacks to more than %1 MB; a %2 may be up to %1 MB")
                       .arg(megabytes(limit), isPictureName(name) ? say("picture") : say("quiz file or table")));
            continue;
        }
        const qint64 size = qint64(stat.size);
        // Quiz files, tables and pictures compress far less; more is a bomb meant to fill the disk.
        if (size > kRatioFreeBytes && stat.comp_size < zip_uint64_t(size / kMaxRatio)) {
            refuse(say("is compressed more than %1 to 1, as no quiz file, table or picture is").arg(kMaxRatio));
            continue;
        }
        if (fileNames.contains(name)) {
            refuse(say("is in the bundle twice, so which one is meant is unclear"));
            continue;
        }
        total += size;
        fileNames.insert(name);
        files.append({zip_uint64_t(i), name, size});
        if (isQuizFileName(name))
            quizFiles << name;
    }
    for (const Entry &file : std::as_const(files)) {
        for (qsizetype slash = file.name.indexOf(u'/'); slash >= 0; slash = file.name.indexOf(u'/', slash + 1)) {
            if (fileNames.contains(file.name.left(slash)))
                problem(say("%1 in the bundle is both a file and a folder").arg(shown(file.name.left(slash))));
        }
        if (folderNames.contains(file.name))
            problem(say("%1 in the bundle is both a file and a folder").arg(shown(file.name)));
    }
    if (total > kMaxBytes) {
        problem(say("the bundle unpacks to %1 MB; a bundle may unpack to up to %2 MB")
                    .arg(megabytes(total), megabytes(kMaxBytes)));
    }
    if (problems.isEmpty() && quizFiles.isEmpty())
        problem(say("the bundle holds no quiz file: a bundle has its quiz file (a .toml file) at its top"));
    if (quizFiles.size() > 1) {
        problem(say("the bundle holds %1 quiz files (%2); a bundle has exactly one .toml file at its top")
                    .arg(quizFiles.size()).arg(quizFiles.join(u", "_s)));
    }
    if (!problems.isEmpty())
        return QString();

    const QDir root(dir);
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    for (const Entry &file : std::as_const(files)) {
        const QString target = root.filePath(file.name);
        QFile out(target);
        if (!root.mkpath(QFileInfo(target).path())
            || !out.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
            problem(say("%1 cannot be unpacked: %2").arg(shown(file.name), out.errorString()));
            return QString();
        }
        ZipFile in(zip_fopen_index(zip.get(), file.index, 0));
        if (!in) {
            problem(say("%1 in the bundle cannot be read: %2").arg(shown(file.name), zipError(zip_get_error(zip.get()))));
            return QString();
        }
        qint64 written = 0;
        for (;;) {
            const zip_int64_t n = zip_fread(in.get(), buffer.data(), zip_uint64_t(buffer.size()));
            if (n < 0) {
                problem(say("%1 in the bundle is damaged: %2").arg(shown(file.name), zipError(zip_file_get_error(in.get()))));
                return QString();
            }
            if (n == 0)
                break;
            written += n;
            if (written > file.size) {
                problem(say("%1 in the bundle holds more than its size says: the bundle is damaged").arg(shown(file.name)));
                return QString();
            }
            if (out.write(buffer.constData(), n) != n) {
                problem(say("%1 cannot be unpacked: %2").arg(shown(file.name), out.errorString()));
                return QString();
            }
        }
        if (written != file.size) {
            problem(say("%1 in the bundle holds less than its size says: the bundle is damaged").arg(shown(file.name)));
            return QString();
        }
    }
    return root.filePath(quizFiles.first());
}

// Reads a file given by a user or a file manager: a plain file only (a pipe or a device would
// never end), and no larger than limit.
QByteArray readPlainFile(const QString &path, qint64 limit, Words *why)
{
    QFile file;
#ifdef Q_OS_UNIX
    // Opened without waiting for a writer, and its kind read from what was opened.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        *why = Words::same(qt_error_string(errno));
        return QByteArray();
    }
    struct stat info;
    const bool plain = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (!plain || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *why = plain ? Words::same(file.errorString()) : say("it is not a plain file");
        return QByteArray();
    }
#else
    file.setFileName(path);
    if (!QFileInfo(path).isFile() && QFileInfo::exists(path)) {
        *why = say("it is not a plain file");
        return QByteArray();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *why = Words::same(file.errorString());
        return QByteArray();
    }
#endif
    if (file.size() > limit) {
        *why = say("it is %1 MB, more than the %2 MB allowed").arg(megabytes(file.size()), megabytes(limit));
        return QByteArray();
    }
    const QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        *why = Words::same(file.errorString());
    else if (bytes.size() > limit)
        *why = say("it is more than the %1 MB allowed").arg(megabytes(limit));
    return bytes;
}

} // namespace

bool isBundleName(const QString &path)
{
    return path.endsWith(u".zort"_s, Qt::CaseInsensitive);
}

Result checkBundleBytes(const QByteArray &bytes, const QString &path, PictureReading pictures)
{
    Result result;
    result.dependencies << QFileInfo(path).absoluteFilePath();
    QTemporaryDir dir(QDir::tempPath() + u"/zort-bundle-XXXXXX"_s); // made private (0700) by Qt
    if (!dir.isValid()) {
        result.problems.append({path, 1, say("cannot make a temporary folder to unpack the bundle into: %1")
                                             .arg(dir.errorString())});
        return result;
    }
    const QString quizFile = unpack(bytes, path, dir.path(), result.problems);
    if (quizFile.isEmpty())
        return result;

    Result checked = check(quizFile, pictures);
    // The files are named as inside the bundle, not by the temporary folder, which is gone.
    const QString to = path + u'/';
    for (const QString &from : {dir.path() + u'/', QFileInfo(dir.path()).canonicalFilePath() + u'/'}) {
        for (QList<Problem> *list : {&checked.problems, &checked.notes}) {
            for (Problem &p : *list) {
                if (p.file.startsWith(from))
                    p.file = to + p.file.mid(from.size());
                p.message.replace(from, to);
            }
        }
    }
    checked.dependencies = result.dependencies;
    return checked;
}

Result checkBundle(const QString &path, PictureReading pictures)
{
    Words why;
    const QByteArray bytes = readPlainFile(path, kMaxBytes, &why);
    if (!why.isNull()) {
        Result result;
        result.problems.append({path, 1, say("cannot read the bundle: %1").arg(why)});
        return result;
    }
    return checkBundleBytes(bytes, path, pictures);
}

Result checkFileOrBundle(const QString &path, PictureReading pictures)
{
    return isBundleName(path) ? checkBundle(path, pictures) : check(path, pictures);
}

QString writeBundle(const Result &checked, const QString &quizPath, const QString &bundlePath)
{
    if (!checked.ok() || checked.dependencies.isEmpty())
        return say("the quiz has problems; a bundle is made of a quiz that passes its check").local;
    // The check names the files it read with links followed.
    const QFileInfo quizInfo(quizPath);
    const QDir folder(quizInfo.absoluteDir().canonicalPath());
    const QString quizFile = quizInfo.canonicalFilePath();
    const QString output = QFileInfo(bundlePath).absoluteFilePath();

    // The quiz file at the top, then what it was read from, by path under its folder, in order.
    QString quizName = QFileInfo(quizPath).fileName();
    if (!isQuizFileName(quizName))
        quizName = QFileInfo(quizPath).completeBaseName() + u".toml"_s;
    QStringList names;
    for (const QString &dependency : checked.dependencies) {
        const QString file = QFileInfo(dependency).canonicalFilePath();
        if (file == quizFile)
            continue;
        const QString name = folder.relativeFilePath(file);
        if (name == u".."_s || name.startsWith(u"../"_s) || QDir::isAbsolutePath(name))
            return say("the quiz reads %1 from outside its folder; put it beside the quiz file").arg(file).local;
        if (isQuizFileName(name))
            return say("the quiz reads %1, a .toml file beside it, which a bundle would take for a second quiz file: "
                       "rename it").arg(name).local;
        if (!names.contains(name))
            names << name;
    }
    std::sort(names.begin(), names.end());
    QList<std::pair<QString, QString>> entries{{quizName, quizFile}};
    for (const QString &name : std::as_const(names))
        entries.append({name, folder.filePath(name)});

    QList<QByteArray> contents;
    qint64 total = 0;
    for (const auto &[name, file] : std::as_const(entries)) {
        if (QFileInfo(file).absoluteFilePath() == output || QFileInfo(file).canonicalFilePath() == QFileInfo(output).canonicalFilePath())
            return say("the bundle would overwrite %1, which is part of the quiz").arg(file).local;
        Words why;
        contents << readPlainFile(file, limitFor(name), &why);
        if (!why.isNull())
            return say("cannot put %1 in the bundle: %2").arg(file, why).local;
        total += contents.last().size();
    }
    if (total > kMaxBytes)
        return say("the quiz's files come to %1 MB; a bundle may hold up to %2 MB").arg(megabytes(total), megabytes(kMaxBytes)).local;

    // Zip stores local time: this one reads the same in every time zone.
    std::tm fixed{};
    fixed.tm_year = 2000 - 1900;
    fixed.tm_mday = 1;
    fixed.tm_isdst = -1;
    const std::time_t stamp = std::mktime(&fixed);

    int code = 0;
    Zip zip(zip_open(QFile::encodeName(bundlePath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code));
    if (!zip) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const QString message = say("cannot write %1: %2").arg(bundlePath, zipError(&error)).local;
        zip_error_fini(&error);
        return message;
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QByteArray &data = contents.at(i);
        zip_source_t *source = zip_source_buffer(zip.get(), data.constData(), zip_uint64_t(data.size()), 0);
        const zip_int64_t index = source ? zip_file_add(zip.get(), entries.at(i).first.toUtf8().constData(), source,
                                                        ZIP_FL_ENC_UTF_8)
                                         : -1;
        if (index < 0 && source) // not taken by the zip
            zip_source_free(source);
        if (index < 0 || zip_set_file_compression(zip.get(), zip_uint64_t(index), ZIP_CM_DEFLATE, 9) != 0
            || zip_file_set_mtime(zip.get(), zip_uint64_t(index), stamp, 0) != 0
            || zip_file_set_external_attributes(zip.get(), zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                                (kPlainFile | 0644) << 16) != 0) {
            return say("cannot add %1 to the bundle: %2").arg(entries.at(i).second, zipError(zip_get_error(zip.get()))).local;
        }
    }
    if (zip_close(zip.get()) != 0)
        return say("cannot write %1: %2").arg(bundlePath, zipError(zip_get_error(zip.get()))).local;
    zip.release(); // closed, and freed by the close

    const Result back = checkBundle(bundlePath);
    if (!back.ok()) {
        QFile::remove(bundlePath);
        return say("the bundle made of the quiz does not read back (%1); nothing was written")
            .arg(back.problems.first().text()).local;
    }
    return QString();
}

} // namespace QuizFile
