// ZORT Studio's start, as studio/main.cpp does it (an empty new quiz), with the probe's timing hooks.
#include "startup_probe.h"
#include "studio/studio_window.h"
#include "widgets/window_support.h"

#include <QTranslator>

int main(int argc, char *argv[])
{
    ProbeApplication::markMain();
    FontConfigPreload fonts;
    ProbeApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zort-studio"));
    QTranslator bulgarian;
    if (bulgarian.load(QStringLiteral(":/i18n/zort-studio_bg.qm")))
        QCoreApplication::installTranslator(&bulgarian);
    fonts.wait();
    StudioWindow window;
    setWindowIconAfterFirstFrame(&window, QStringLiteral(":/icons/org.example.zort-%1.png"));
    app.watch(&window, [] { return true; });
    window.show();
    return app.exec();
}
