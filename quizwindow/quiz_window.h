#pragma once

#include "core/appearance.h"
#include "core/appearance_store.h"
#include "core/quiz.h"

#include <QHash>
#include <QMainWindow>
#include <QPixmap>

#include <array>

class Announcer;
class ColourButton;
class SettingsWindow;
class PictureBox;
class PictureWindow;
class QuizList;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The quiz window. It lays out the controls, shows what the quiz (Quiz) holds and passes the
// learner's clicks and selections to it; the rules live in Quiz.
class QuizWindow : public QMainWindow
{
    Q_OBJECT
    // Whether closing the window or its "Exit" ends the program, as in the quiz program (the
    // default), or only closes the window and the windows it opened, for a program that shows the
    // quiz window beside its own (the studio's "Try it").
    Q_PROPERTY(bool endsProgram READ endsProgram WRITE setEndsProgram)

public:
    explicit QuizWindow(const Content &content, QWidget *parent = nullptr);
    ~QuizWindow() override;

    Quiz &quiz() { return m_quiz; }
    const Quiz &quiz() const { return m_quiz; }
    // Created on first use; null until then.
    SettingsWindow *settingsWindow() const { return m_settings; }
    PictureWindow *pictureWindow() const { return m_pictureWindow; }
    bool endsProgram() const { return m_endsProgram; }
    // What the picture box shows and says for a picture that cannot be read.
    static QString unreadablePictureText();
    void setEndsProgram(bool ends);

public Q_SLOTS:
    // Restyles the window from the appearance settings ("Запис" of the settings window).
    void applyAppearance(const Appearance &appearance);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void connectCore();
    void exitProgram();
    void openSettings();

    void showCaptionAndGeometry();
    void fitOuterWidth();
    void showOutput();
    void showCounter();
    void showVerdict();
    void showButtons();
    void showThumbnail();
    void showPictureWindow();
    QPixmap picture(int contentNumber);
    QPixmap pictureFromData(const QByteArray &data);

    Quiz m_quiz;
    AppearanceStore m_appearance; // the appearance settings; only the settings window reads them

    std::array<QuizList *, Quiz::kVisibleLists> m_lists{};
    std::array<ColourButton *, Quiz::kButtons> m_buttons{};
    QLabel *m_counterLabel = nullptr;
    QPlainTextEdit *m_output = nullptr;   // the output box
    QLineEdit *m_verdict = nullptr;       // the verdict square
    std::array<PictureBox *, 2> m_pictureBoxes{};
    PictureWindow *m_pictureWindow = nullptr;
    SettingsWindow *m_settings = nullptr;
    Announcer *m_announcer = nullptr;

    QHash<int, QPixmap> m_pictures;
    QPixmap m_unreadable; // shown for every picture whose pixels cannot be read
    int m_outerWidthPx = 0;
    bool m_endsProgram = true;
};
