// The yardstick: a bare Qt window of the quiz window's outer size, started the same way.
#include "startup_probe.h"

#include <QWidget>

int main(int argc, char *argv[])
{
    ProbeApplication::markMain();
    ProbeApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zort"));
    QWidget window;
    window.resize(750, 467);
    app.watch(&window, [] { return true; });
    window.show();
    return app.exec();
}
