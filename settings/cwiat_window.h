#pragma once

#include "settings/appearance.h"
#include "settings/cwiat.h"

#include <QWidget>

#include <array>

class Announcer;
class Cweta;
class QFrame;
class QLabel;
class QLineEdit;
class QMenuBar;
class QuizList;
class QRadioButton;
class QSlider;

// The appearance settings window: a colour mixer for the main window's elements and the font
// size of its lists and output box. It shows what its Cwiat holds and hands every action of the
// learner to it; "Запис" emits applied() with the store's appearance and closes.
class CwiatWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CwiatWindow(Cweta &store, QWidget *parent = nullptr);
    // Opens the window with its opening sequence, or brings it to the front when it is open.
    void openOrRaise();

Q_SIGNALS:
    void applied(const Appearance &appearance);

private:
    void buildMixer(QWidget *client);
    void buildFontArea(QWidget *client);
    void buildMenu(QMenuBar *bar);
    void fitLabels();

    void learnerMovedSlider(int k, int position);
    void learnerChoseOption(int e);
    void learnerChoseEntry(int list, int row);
    void mnu_zapis_Click();

    void showModel();

    Cwiat m_cwiat;

    QWidget *m_client = nullptr;
    QFrame *m_picColor = nullptr;
    QLabel *m_colourCaption = nullptr;
    std::array<QSlider *, Cwiat::kComponents> m_sliders{};
    std::array<QLabel *, Cwiat::kComponents> m_readouts{};
    std::array<QRadioButton *, 4> m_options{};
    std::array<QuizList *, 2> m_listFont{};
    QLineEdit *m_sample = nullptr;
    Announcer *m_announcer = nullptr;
};
