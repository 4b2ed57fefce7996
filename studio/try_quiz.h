#pragma once

struct Content;
class QuizWindow;
class QWidget;

// "Try it": the learner's own quiz window on the quiz as it stands. Closing it (or its "Exit") only
// closes it, and the studio goes on.
QuizWindow *openTryWindow(const Content &content);
