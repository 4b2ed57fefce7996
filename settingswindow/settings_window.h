#pragma once

#include "core/appearance.h"
#include "core/appearance_editor.h"

#include <QWidget>

#include <array>

class Announcer;
class AppearanceStore;
class QFrame;
class QLabel;
class QLineEdit;
class QMenuBar;
class QuizList;
class QRadioButton;
class QSlider;

// The appearance settings window: a colour mixer for the main window's elements and the font
// size of its lists and output box. It shows what its AppearanceEditor holds and hands every action of the
// learner to it; "Запис" emits applied() with the store's appearance and closes.
class SettingsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsWindow(AppearanceStore &store, QWidget *parent = nullptr);
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
    void save();

    void showModel();

    AppearanceEditor m_settings;

    QWidget *m_client = nullptr;
    QFrame *m_swatch = nullptr;
    QLabel *m_colourCaption = nullptr;
    std::array<QSlider *, AppearanceEditor::kComponents> m_sliders{};
    std::array<QLabel *, AppearanceEditor::kComponents> m_readouts{};
    std::array<QRadioButton *, 4> m_options{};
    std::array<QuizList *, 2> m_fontLists{};
    QLineEdit *m_sample = nullptr;
    Announcer *m_announcer = nullptr;
};
