#pragma once

struct Content;
class QuizWindow;
class QWidget;

// "Try it": the learner's own quiz window on the quiz as it stands. The quiz window ends its
// program when it closes; here closing it (or its "Exit") only closes it, and the studio goes on.
QuizWindow *openTryWindow(const Content &content);
