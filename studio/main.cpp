#include "core/end_process.h"
#include "quizfile/messages.h"
#include "studio/studio_window.h"
#include "widgets/window_support.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// Bulgarian, the teachers' language, unless the desktop asks for another: English then.
bool wantsBulgarian()
{
    const QLocale locale;
    return locale.language() == QLocale::Bulgarian || locale.language() == QLocale::C;
}

int run(int argc, char *argv[])
{
    // As the quiz program starts: the font configuration read while the application connects to
    // the display, the window icon read after the first frame.
    FontConfigPreload fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"zort-studio"_s);
    QApplication::setOrganizationName(u"zort"_s);
    QApplication::setApplicationVersion(QStringLiteral(ZORT_VERSION));
    QGuiApplication::setDesktopFileName(u"org.example.zort.studio"_s);

    QTranslator studio;
    QTranslator qt;
    if (wantsBulgarian()) {
        // The checker's own messages too, where the studio does not word them anew.
        QuizFile::setMessageLanguage(QuizFile::Language::Bulgarian);
        if (studio.load(u":/i18n/zort-studio_bg.qm"_s))
            QCoreApplication::installTranslator(&studio);
        // Qt's own dialogs (file chooser), when Debian's translations of Qt are installed.
        if (qt.load(u"qtbase_bg.qm"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
    }

    const QStringList files = QCoreApplication::arguments().mid(1);
    if (files.size() > 1) {
        QTextStream(stderr) << QCoreApplication::translate("main", "Usage: zort-studio [FILE.zort | FILE.toml]")
                            << '\n';
        return 2;
    }
    fonts.wait();
    StudioWindow window;
    setWindowIconAfterFirstFrame(&window, u":/icons/org.example.zort-%1.png"_s);
    window.show();
    if (!files.isEmpty())
        window.openFile(files.first());
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    return endProcess(run(argc, argv));
}
