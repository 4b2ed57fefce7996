#pragma once

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>

#include <zip.h>

// Unix modes as zip stores them, on any host.
constexpr zip_uint32_t kPlainFileMode = 0100644;
constexpr zip_uint32_t kLinkMode = 0120777;

// Zips made entry by entry, for bundles no tool of ours would write: links, passwords, bombs.
struct ZipEntry
{
    QByteArray name;
    QByteArray data;
    zip_int32_t method = ZIP_CM_DEFLATE;
    zip_uint32_t mode = kPlainFileMode;
    bool encrypted = false;
};

inline QByteArray zipOf(const QList<ZipEntry> &entries)
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("made.zip")));
    zip_t *zip = zip_open(path.constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    for (const ZipEntry &e : entries) {
        zip_source_t *source = zip_source_buffer(zip, e.data.constData(), zip_uint64_t(e.data.size()), 0);
        const zip_int64_t i = zip_file_add(zip, e.name.constData(), source, ZIP_FL_ENC_UTF_8);
        if (i < 0)
            qFatal("cannot add %s: %s", e.name.constData(), zip_strerror(zip));
        zip_set_file_compression(zip, zip_uint64_t(i), e.method, 1);
        zip_file_set_external_attributes(zip, zip_uint64_t(i), 0, ZIP_OPSYS_UNIX, e.mode << 16);
        if (e.encrypted && zip_file_set_encryption(zip, zip_uint64_t(i), ZIP_EM_AES_256, "secret") != 0)
            qFatal("cannot encrypt %s: %s", e.name.constData(), zip_strerror(zip));
    }
    if (zip_close(zip) != 0)
        qFatal("cannot write a zip: %s", zip_strerror(zip));
    QFile file(QFile::decodeName(path));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// A small quiz file that passes its check; pictureLine, if any, is its line 6.
inline QByteArray quizText(const QByteArray &pictureLine = {})
{
    return "id = \"t\"\ncaption = \"T\"\n"
           "[[pair]]\nexpression = \"e1\"\nmeaning = \"m1\"\n" + pictureLine + "\n"
           "[[pair]]\nexpression = \"e2\"\nmeaning = \"m2\"\n"
           "[[pair]]\nexpression = \"e3\"\nmeaning = \"m3\"\n";
}
