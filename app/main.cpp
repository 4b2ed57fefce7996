#include "content/content.h"
#include "test_window/zort_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zort"));
    ZortWindow window(builtInContent());
    window.show();
    return app.exec();
}
