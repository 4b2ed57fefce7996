#include "core/content.h"
#include "core/end_process.h"
#include "quizfile/messages.h"
#include "quizopen/quiz_open.h"
#include "quizwindow/quiz_window.h"
#include "widgets/window_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

// A file that cannot be opened: its problems on standard error and, on a screen, in a message
// window; no quiz window, and a status that says it failed.
int refuse(const QString &path, const QStringList &problems)
{
    QTextStream err(stderr);
    for (const QString &problem : problems)
        err << problem << '\n';
    err.flush();
    if (QGuiApplication::platformName() != u"offscreen"_s) {
        QMessageBox box(QMessageBox::Critical, QuizOpen::problemsTitle(), QuizOpen::problemsText(path, problems),
                        QMessageBox::Close);
        box.setTextFormat(Qt::PlainText); // names and texts from the file are shown as they are
        box.button(QMessageBox::Close)->setText(u"Затвори"_s);
        box.exec();
    }
    return 1;
}

int usage(const char *program, FILE *stream, int status)
{
    const QString name = QFileInfo(QString::fromLocal8Bit(program)).fileName();
    QTextStream(stream) << u"Употреба: %1 [ФАЙЛ.toml | ФАЙЛ.zort]"_s.arg(name) << '\n';
    return status;
}

int run(int argc, char *argv[])
{
    // Answered before the application starts, so that they work without a display.
    if (argc == 2 && qstrcmp(argv[1], "--version") == 0) {
        QTextStream(stdout) << "zort " ZORT_VERSION "\n";
        return 0;
    }
    if (argc == 2 && (qstrcmp(argv[1], "--help") == 0 || qstrcmp(argv[1], "-h") == 0))
        return usage(argv[0], stdout, 0);
    FontConfigPreload fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zort"));
    // The program speaks Bulgarian, so does the check of a quiz file given to it.
    QuizFile::setMessageLanguage(QuizFile::Language::Bulgarian);
    QApplication::setApplicationVersion(QStringLiteral(ZORT_VERSION));
    // Ties the windows to the installed launcher, so a desktop shows its name and icon for them.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORT_APP_ID));
    // With a file (from the command line, or a file manager through the launcher), that quiz,
    // read and checked once before any window; without one, the quiz built in.
    const QStringList files = QCoreApplication::arguments().mid(1);
    // An option is never taken for a file's name: a file whose name starts with '-' is given as ./-name.
    if (files.size() > 1 || files.value(0).startsWith(u'-'))
        return usage(argv[0], stderr, 2);
    QuizOpen::Opened opened;
    if (!files.isEmpty())
        opened = QuizOpen::open(files.first());
    fonts.wait();
    if (!files.isEmpty() && !opened.ok())
        return refuse(files.first(), opened.problems);
    QuizWindow window(files.isEmpty() ? quizContent() : opened.content);
    setWindowIconAfterFirstFrame(&window, QStringLiteral(":/icons/org.example.zort-%1.png"));
    window.show();
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    return endProcess(run(argc, argv));
}
