// The program's start, exactly as app/main.cpp does it, with the probe's timing hooks around it.
#include "core/content.h"
#include "startup_probe.h"
#include "widgets/window_support.h"
#include "quizwindow/quiz_window.h"

int main(int argc, char *argv[])
{
    ProbeApplication::markMain();
    ProbeApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zort"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.zort"));
    QuizWindow window(builtInContent());
    setWindowIconAfterFirstFrame(&window, QStringLiteral(":/icons/org.example.zort-%1.png"));
    app.watch(&window, [&window] { return !window.settingsWindow() && !window.pictureWindow(); });
    window.show();
    return app.exec();
}
