#include "core/content.h"
#include "quizwindow/quiz_window.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zort"));
    QApplication::setApplicationVersion(QStringLiteral(ZORT_VERSION));
    // Ties the windows to the installed launcher, so a desktop shows its name and icon for them.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORT_APP_ID));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/org.example.zort-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    QuizWindow window(quizContent());
    window.show();
    return app.exec();
}
