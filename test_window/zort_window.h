#pragma once

#include "settings/appearance.h"
#include "settings/cweta.h"
#include "test_window/zort.h"

#include <QHash>
#include <QMainWindow>
#include <QPixmap>

#include <array>

class Announcer;
class ColourButton;
class CwiatWindow;
class PictureBox;
class PictureWindow;
class QuizList;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The main window ZORT. It lays out the controls, shows what the test (Zort) holds and passes the
// learner's clicks and selections to it; the rules live in Zort.
class ZortWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit ZortWindow(const Content &content, QWidget *parent = nullptr);
    ~ZortWindow() override;

    Zort &zort() { return m_zort; }
    const Zort &zort() const { return m_zort; }
    // Created on first use; null until then.
    CwiatWindow *settingsWindow() const { return m_cwiat; }
    PictureWindow *pictureWindow() const { return m_pictureWindow; }

public Q_SLOTS:
    // Restyles the window from the appearance settings ("Запис" of the settings window).
    void applyAppearance(const Appearance &appearance);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void connectCore();
    void Izhod_Click();
    void Cwqt_Click();

    void showCaptionAndGeometry();
    void fitOuterWidth();
    void showOutput();
    void showCounter();
    void showVerdict();
    void showButtons();
    void showThumbnail();
    void showPictureWindow();
    QPixmap picture(int contentNumber);

    Zort m_zort;
    Cweta m_cweta; // the appearance settings; only the settings window reads them

    std::array<QuizList *, Zort::kVisibleLists> m_slowo{};
    std::array<ColourButton *, Zort::kButtons> m_uprawl{};
    QLabel *m_ndapis = nullptr;
    QPlainTextEdit *m_output = nullptr;   // Prowerka 0
    QLineEdit *m_verdict = nullptr;       // Prowerka 1
    std::array<PictureBox *, 2> m_grafika{};
    PictureWindow *m_pictureWindow = nullptr;  // ZORT_Graphika
    CwiatWindow *m_cwiat = nullptr;
    Announcer *m_announcer = nullptr;

    QHash<int, QPixmap> m_pictures;
    int m_outerWidthPx = 0;
};
