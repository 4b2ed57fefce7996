#include "studio/try_quiz.h"

#include "quizwindow/quiz_window.h"

QuizWindow *openTryWindow(const Content &content)
{
    auto *window = new QuizWindow(content);
    window->setEndsProgram(false);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}
