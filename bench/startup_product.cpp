// The program's start, exactly as app/main.cpp does it (on a quiz file given as its argument too),
// with the probe's timing hooks around it.
#include "core/content.h"
#include "quizopen/quiz_open.h"
#include "startup_probe.h"
#include "widgets/window_support.h"
#include "quizwindow/quiz_window.h"

int main(int argc, char *argv[])
{
    ProbeApplication::markMain();
    FontConfigPreload fonts;
    ProbeApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zort"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.zort"));
    // With a quiz file, read and checked before the window, as the program does.
    QuizOpen::Opened opened;
    if (argc > 1 && !(opened = QuizOpen::open(QString::fromLocal8Bit(argv[1]))).ok())
        return 1;
    fonts.wait();
    QuizWindow window(argc > 1 ? opened.content : builtInContent());
    setWindowIconAfterFirstFrame(&window, QStringLiteral(":/icons/org.example.zort-%1.png"));
    app.watch(&window, [&window] { return !window.settingsWindow() && !window.pictureWindow(); });
    window.show();
    return app.exec();
}
