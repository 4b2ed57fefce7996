// A whole run of the program for the leak check: start-up, a whole test taken with the mouse,
// a picture shown, the settings window used twice, then "Exit" from the menu. Built with
// ZORT_SANITIZE, LeakSanitizer reports anything left allocated when the process ends; the exit
// status says whether every step did what it should.
#include "list_rows.h"
#include "visible_texts.h"
#include "core/content.h"
#include "settingswindow/settings_window.h"
#include "quizwindow/picture_window.h"
#include "quizwindow/quiz_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QListView>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

int failures = 0;

void expect(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "memory session: %s\n", what);
        ++failures;
    }
}

template<typename T = QWidget>
T *child(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// Every expression with its own meaning, found through the content, then the evaluation, a
// verdict, an explanation and the picture of the first item.
void takeWholeTest(QuizWindow &window)
{
    const Content &content = window.quiz().content();
    auto *left = child<QListView>(&window, u"Slowo_0"_s);
    auto *right = child<QListView>(&window, u"Slowo_1"_s);
    for (qsizetype k = 0; k < content.expressions.size(); ++k) {
        ListRows::click(left, ListRows::rowOf(left, content.expressions.at(k)));
        ListRows::click(right, ListRows::rowOf(right, content.meanings.at(k)));
        QTest::mouseClick(child<QAbstractButton>(&window, u"Uprawl_0"_s), Qt::LeftButton);
    }
    QTest::mouseClick(child<QAbstractButton>(&window, u"Uprawl_3"_s), Qt::LeftButton); // enables "Оцени"
    QTest::mouseClick(child<QAbstractButton>(&window, u"Uprawl_2"_s), Qt::LeftButton);
    expect(window.quiz().counter() == UiText::score(100), "a whole test scores 100%");
    ListRows::click(child<QListView>(&window, u"Slowo_2"_s), 1);
    QTest::mouseClick(child<QAbstractButton>(&window, u"Uprawl_3"_s), Qt::LeftButton);
    expect(!window.quiz().output().isEmpty(), "an explanation after the evaluation");
    ListRows::click(child<QListView>(&window, u"Slowo_2"_s), 0);
    QTest::mouseClick(child<QWidget>(&window, u"Grafika_0"_s), Qt::LeftButton);
    expect(window.pictureWindow() && window.pictureWindow()->isVisible(), "the picture window shows");
}

void useSettings(QuizWindow &window)
{
    QAction *colour = child<QAction>(&window, u"Cwqt"_s);
    colour->trigger();
    SettingsWindow *settings = window.settingsWindow();
    expect(settings && settings->isVisible(), "the settings window opens");
    child<QSlider>(settings, u"Slider1_0"_s)->setValue(200);
    ListRows::click(child<QListView>(settings, u"List_font_1"_s), 0);
    child<QAction>(settings, u"mnu_zapis"_s)->trigger();
    expect(!settings->isVisible(), "\"Запис\" closes the settings window");
    colour->trigger();
    child<QAction>(settings, u"mnu_Otkaz"_s)->trigger();
    expect(!settings->isVisible(), "\"Отказ\" closes the settings window");
    colour->trigger(); // left open for "Exit"
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString picture = dir.filePath(u"picture.png"_s);
    image.save(picture);

    Content content = builtInContent();
    for (int k = 1; k < content.pictureFlags.size(); ++k)
        content.pictureFlags[k] = u"1"_s;
    for (QString &path : content.pictures)
        path = picture;

    QuizWindow window(content);
    window.show();
    QTimer::singleShot(0, &window, [&window] {
        takeWholeTest(window);
        useSettings(window);
        child<QAction>(&window, u"Izhod"_s)->trigger(); // "Exit" ends the run
    });
    const int status = app.exec();
    expect(status == 0, "the event loop ends with status 0");
    std::printf("memory session: %s\n", failures == 0 ? "every step as expected" : "steps failed");
    return failures == 0 ? 0 : 1;
}
