#include "studio/try_quiz.h"

#include "quizwindow/quiz_window.h"

#include <QAction>
#include <QEvent>

using namespace Qt::StringLiterals;

namespace {

// Takes the window's close before its own handler, which would end the program.
class CloseOnly : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close) {
            auto *window = static_cast<QWidget *>(watched);
            event->accept();
            window->hide();
            window->deleteLater();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QuizWindow *openTryWindow(const Content &content)
{
    auto *window = new QuizWindow(content);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    window->installEventFilter(new CloseOnly(window));
    if (auto *exit = window->findChild<QAction *>(u"Izhod"_s)) {
        QObject::disconnect(exit, &QAction::triggered, window, nullptr);
        QObject::connect(exit, &QAction::triggered, window, &QWidget::close);
    }
    window->show();
    return window;
}
