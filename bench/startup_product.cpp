// The program's start, exactly as app/main.cpp does it, with the probe's timing hooks around it.
#include "core/content.h"
#include "startup_probe.h"
#include "quizwindow/quiz_window.h"

int main(int argc, char *argv[])
{
    ProbeApplication::markMain();
    ProbeApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zort"));
    QuizWindow window(builtInContent());
    app.watch(&window, [&window] { return !window.settingsWindow() && !window.pictureWindow(); });
    window.show();
    return app.exec();
}
