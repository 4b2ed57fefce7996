// ZORT Studio's figures:
//   1. first frame of the studio against the quiz program's, both started as fresh processes in
//      turn (zort_startup_studio, zort_startup_product), A B A B; target: at most 1.5x;
//   2. opening a bundle of 1,000 pairs, each with a picture (250 of them), until the window has painted
//      it, in the studio and in the quiz program (zort FILE); target: under a second. Opening checks
//      each picture's header only and decodes a picture when it is first shown; the full check,
//      which decodes every picture, is what trying and saving cost;
//   3. typing in that 1,000-row table: a key in a cell's editor, a cell committed (an undo step,
//      the extra-meanings rule counted again), a key in the caption, each to the end of its
//      repaint; and the check that follows, which runs on a worker thread once typing stops.
//   zort_bench_studio [--runs N]
#include "startup_probe.h"
#include "studio/pairs_view.h"
#include "studio/studio_window.h"
#include "studiocore/pairs_model.h"
#include "studiocore/quiz_check.h"
#include "studiocore/quiz_document.h"
#include "studiocore/quiz_storage.h"

#include "quizfile/bundle.h"
#include "quizopen/quiz_open.h"
#include "quizwindow/quiz_window.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

const char *verdict(bool held)
{
    return held ? "held" : "MISSED";
}

// ms from exec to the first frame of a program that prints the probe's line.
double firstFrameMs(const QString &program)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    const qint64 execNs = ProbeApplication::now();
    process.start(program, {});
    process.waitForFinished(30000);
    const QByteArray out = process.readAllStandardOutput();
    const qsizetype at = out.indexOf("frame_ns=");
    if (at < 0)
        return -1;
    return (out.mid(at + 9).split(' ').value(0).toLongLong() - execNs) / 1e6;
}

// Pictures of one colour (a flag's field) pack into a few hundred bytes each; photos, in
// 640 × 480 JPEGs of about 60 KiB, are what a teacher more often has.
QuizDraft bigDraft(int pairs, int pictureCount, bool photos)
{
    QuizDraft draft;
    draft.id = u"big"_s;
    draft.caption = u"Хиляда двойки"_s;
    // A bundle holds at most 300 files, so pairs share pictures.
    QList<StudioPicture> pictures;
    for (int i = 0; i < pictureCount; ++i) {
        QImage image = photos ? QImage(640, 480, QImage::Format_RGB32) : QImage(240, 160, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(i * 7 % 360, 200, 100 + i % 150));
        for (int y = 0; photos && y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const uint noise = (uint(x) * 2654435761u) ^ (uint(y + i) * 40503u);
                line[x] = qRgb((x + i * 13) % 256, (y * 2 + x / 3) % 256, int(noise >> 24) / 4 + (x * y) % 192);
            }
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, photos ? "jpeg" : "png", photos ? 85 : -1);
        pictures << StudioPicture{bytes, photos ? "jpeg" : "png", image.size(),
                                  u"p%1.%2"_s.arg(i).arg(photos ? u"jpg"_s : u"png"_s), StudioPicture::newKey()};
    }
    for (int i = 0; i < pairs; ++i) {
        draft.pairs << PairRow{u"израз %1"_s.arg(i), u"значение %1"_s.arg(i), {u"обяснение на двойка %1"_s.arg(i)},
                               pictures.isEmpty() ? StudioPicture() : pictures.at(i % pictures.size())};
    }
    return draft;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"zort-studio-bench"_s);
    const int runs = argc > 2 && QByteArray(argv[1]) == "--runs" ? std::max(1, atoi(argv[2])) : 11;
    const QString dir = QCoreApplication::applicationDirPath();
    int missed = 0;

    // 1. First frame.
    QList<double> studio, quiz;
    firstFrameMs(dir + u"/zort_startup_studio"_s);  // once each, so both find the libraries cached
    firstFrameMs(dir + u"/zort_startup_product"_s);
    for (int i = 0; i < runs; ++i) {
        studio << firstFrameMs(dir + u"/zort_startup_studio"_s);
        quiz << firstFrameMs(dir + u"/zort_startup_product"_s);
    }
    const double ratio = median(studio) / median(quiz);
    std::printf("== ZORT Studio, %s, %d runs each ==\n", qPrintable(QGuiApplication::platformName()), runs);
    std::printf("exec -> first frame: studio %.1f ms, quiz program %.1f ms (medians), %.2fx; target <= 1.5x ... %s\n",
                median(studio), median(quiz), ratio, verdict(ratio <= 1.5));
    missed += ratio > 1.5;

    // 2. Opening a bundle of 1,000 pairs: without pictures, and with a picture on every pair.
    QTemporaryDir temp;
    QString bundle;
    for (const auto &[pictureCount, photos] : {std::pair{0, false}, std::pair{250, false}, std::pair{250, true}}) {
        bundle = temp.filePath(u"big-%1-%2.zort"_s.arg(pictureCount).arg(photos));
        const QString error = QuizStorage::saveBundle(bigDraft(1000, pictureCount, photos), bundle);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "cannot make the bundle: %s\n", qPrintable(error));
            return 1;
        }
        QList<double> opening;
        for (int i = 0; i < std::max(3, runs / 2); ++i) {
            StudioWindow window;
            window.show();
            if (!QTest::qWaitForWindowExposed(&window))
                return 1;
            QElapsedTimer timer;
            timer.start();
            window.openFile(bundle);
            window.repaint();
            opening << timer.nsecsElapsed() / 1e6;
        }
        QList<double> program;  // zort FILE: read and checked, then the quiz window's first paint
        for (int i = 0; i < std::max(3, runs / 2); ++i) {
            QElapsedTimer timer;
            timer.start();
            const QuizOpen::Opened opened = QuizOpen::open(bundle);
            if (!opened.ok())
                return 1;
            QuizWindow quizWindow(opened.content);
            quizWindow.show();
            quizWindow.repaint();
            program << timer.nsecsElapsed() / 1e6;
        }
        // Of which the shared reader, unpacking and checking the bundle as opening does; and the
        // check that decodes every picture, as trying and saving do.
        QList<double> reading, decoding;
        for (int i = 0; i < 3; ++i) {
            QElapsedTimer timer;
            timer.start();
            QuizFile::checkBundle(bundle, QuizFile::PictureReading::HeaderOnly);
            reading << timer.nsecsElapsed() / 1e6;
            timer.restart();
            QuizFile::checkBundle(bundle);
            decoding << timer.nsecsElapsed() / 1e6;
        }
        std::printf("open a bundle of 1,000 pairs with explanations and %d %s (%lld KiB), to the repaint: "
                    "studio %.0f ms, zort %.0f ms (medians), of which the shared reader (unpack, check, picture "
                    "headers) %.0f ms; target < 1000 ms ... %s\n",
                    pictureCount, photos ? "photos" : "pictures of one colour", QFileInfo(bundle).size() / 1024, median(opening), median(program), median(reading),
                    verdict(median(opening) < 1000 && median(program) < 1000));
        std::printf("  the same bundle checked whole, every picture decoded (trying, saving, the build): %.0f ms\n",
                    median(decoding));
        missed += median(opening) >= 1000 || median(program) >= 1000;
    }

    // 3. Typing in the 1,000-row table.
    StudioWindow window;
    window.show();
    window.activateWindow();  // the keys go to the focus, which only an active window has
    if (!QTest::qWaitForWindowActive(&window))
        return 1;
    window.openFile(bundle);
    PairsView *view = window.pairsView();
    PairsModel *model = window.document()->pairs();
    QList<double> keys, commits, captionKeys;
    for (int i = 0; i < 40; ++i) {
        const QModelIndex cell = model->index(500 + i, PairsModel::Meaning);
        view->setFocus();
        view->setCurrentIndex(cell);
        view->scrollTo(cell);
        QTest::keyClick(view, Qt::Key_F2);
        QWidget *editor = nullptr;  // the open one; a closed one waits to be deleted
        for (QLineEdit *edit : view->viewport()->findChildren<QLineEdit *>())
            editor = edit->isVisible() ? edit : editor;
        if (!editor)
            return 1;
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(editor, Qt::Key_X);
        window.repaint();
        keys << timer.nsecsElapsed() / 1e6;
        timer.restart();
        QTest::keyClick(editor, Qt::Key_Return);  // the cell committed: one undo step
        window.repaint();
        commits << timer.nsecsElapsed() / 1e6;
    }
    auto *caption = window.findChild<QLineEdit *>(u"caption"_s);
    caption->setFocus();
    for (int i = 0; i < 40; ++i) {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(caption, Qt::Key_A);
        window.repaint();
        captionKeys << timer.nsecsElapsed() / 1e6;
    }
    QList<double> checks, snapshots;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QuizDraft draft = window.document()->draft();
        snapshots << timer.nsecsElapsed() / 1e6;
        QTemporaryDir scratch;
        timer.restart();
        QuizCheck::run(draft, scratch.path(), false);
        checks << timer.nsecsElapsed() / 1e6;
    }
    const double worst = std::max({*std::max_element(keys.cbegin(), keys.cend()),
                                   *std::max_element(commits.cbegin(), commits.cend()),
                                   *std::max_element(captionKeys.cbegin(), captionKeys.cend())});
    std::printf("1,000-row table: key in a cell %.2f ms, cell committed %.2f ms, key in the caption %.2f ms "
                "(medians; worst %.1f ms); target: every one < 50 ms ... %s\n",
                median(keys), median(commits), median(captionKeys), worst, verdict(worst < 50));
    std::printf("the check after typing stops (worker thread, %d ms after the last edit): copy of the quiz "
                "%.2f ms on the window's thread, check %.0f ms on the worker (medians; pictures are checked when added)\n",
                QuizChecker::kDelayMs, median(snapshots), median(checks));
    missed += worst >= 50;
    std::printf("studio targets missed: %d\n", missed);
    return 0;
}
