#pragma once

#include "common/text_list.h"
#include "content/content.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <array>

// The test held by the main window ZORT: the visible lists Slowo 0..2, their hidden companions
// dum_N 0..5, Nastroiki, the counter label, the output and verdict boxes, the button states and
// the thumbnail. QtCore only, so every rule runs and is tested without a window; the window shows
// what this holds and passes the learner's clicks to it.
//
// Setting a list's selected position (from here or by the learner through selectSlowo) runs that
// list's selection handling at once, exactly once; setting the position it already has runs
// nothing. Removing a row never runs a handler.
class Zort : public QObject
{
    Q_OBJECT

public:
    enum Button : qint16 { Izbrah = 0, Wyrni = 1, Oceni = 2, Obqsni = 3 };
    static constexpr int kButtons = 4;
    static constexpr int kVisibleLists = 3;
    static constexpr int kHiddenLists = 6;

    // Verdict square colours, as packed colour values R + 256*G + 65536*B.
    static constexpr quint32 kGreen = 65280;
    static constexpr quint32 kRed = 255;

    explicit Zort(Content content, QObject *parent = nullptr);

    // Start-up: caption and geometry from the content, the instruction text, the lists, the first
    // items selected and the evaluate-button rule.
    void Form_Load();

    // --- What the learner does -----------------------------------------------------------------
    // The button dispatcher; does not look at the enabled state (a disabled button sends no click).
    void Uprawl_Click(qint16 Index);
    // A click as the window delivers it: ignored while the button is disabled. Returns whether it ran.
    bool pressButton(qint16 Index);
    // The learner selects a row of Slowo 0, 1 or 2 (-1: nothing). Runs Slowo_Click when it moves.
    void selectSlowo(int list, qsizetype row);
    // Click on the thumbnail: opens the picture window for the item whose picture it shows.
    void Grafika_Click();
    // The learner closed the picture window with its close box.
    void closePictureWindow();

    // --- Operations, in the order the test uses them -------------------------------------------
    void Nomerirai_danni();
    void Zaredi_slowa();
    void Opredeli_nomera();
    void Razreshi_ocenka();
    void Wywedi_dwojka();
    void Obnowi_ostawashti();
    void Slowo_Click(qint16 Index);
    void dum_N_Click(qint16 Index);
    void Wyrni_dwojka();
    void Oceni_dwojkite();
    void Obqsni_element(qint16 p);
    void Obqsni_i_wywedi();
    void Obqsni_wywedena();
    void Pokazhi_grafika(qint16 p);

    // --- State -----------------------------------------------------------------------------------
    const Content &content() const { return m_content; }
    const TextList &slowo(int i) const { return m_slowo.at(i); }
    const TextList &dumN(int i) const { return m_dumN.at(i); }
    const QString &nastroiki() const { return m_nastroiki; }
    qint16 brojWerni() const { return m_brojWerni; }
    qint16 tekushtNomer() const { return m_tekushtNomer; }
    bool evaluated() const { return m_evaluated; }

    const QString &caption() const { return m_caption; }
    qint32 outerWidth() const { return m_outerWidth; }          // twips
    qint32 listLeft(int i) const { return m_listLeft.at(i); }   // twips, Slowo 0 and 1
    qint32 listWidth(int i) const { return m_listWidth.at(i); } // twips

    const QString &output() const { return m_output; }          // Prowerka 0
    const QString &counter() const { return m_counter; }        // Ndapis
    bool verdictCorrect() const { return m_verdictCorrect; }    // Prowerka 1
    const QString &verdictText() const { return m_verdictText; } // empty until a pair is judged
    quint32 verdictColour() const { return m_verdictCorrect ? kGreen : kRed; }
    bool verdictVisible() const { return m_verdictVisible; }
    bool isEnabled(int button) const { return m_enabled.at(button); }

    int thumbnail() const { return m_thumbnail; }               // content number shown, 0 = blank
    bool pictureWindowVisible() const { return m_pictureWindowVisible; }
    int pictureWindowItem() const { return m_pictureWindowItem; }
    // The picture flag of content number p; no flag entry or no number reads as 0.
    qint16 pictureFlag(int p) const;
    // The explanation flag of content number p; likewise.
    qint16 explanationFlag(int p) const;

Q_SIGNALS:
    void listReset(int list);
    void rowInserted(int list, int row);
    void rowRemoved(int list, int row);
    void selectionChanged(int list, int row);
    void captionChanged();
    void outputChanged();
    void counterChanged();
    void verdictChanged();
    void buttonsChanged();
    void thumbnailChanged();
    void pictureWindowChanged();

private:
    void setSlowoIndex(int i, qsizetype row);
    void setDumNIndex(int i, qsizetype row);
    qsizetype addToSlowo(int i, const QString &text);
    void removeFromSlowo(int i, qsizetype row);
    void setEnabled(int button, bool enabled);
    void setOutput(const QString &text);
    void setCounter(const QString &text);
    // Content number text of the first content item with exactly this text, "0" when none.
    QString firstNumberOf(int side, const QString &text) const;
    void rebuildNumbers(int side);
    // Take-back's Opredeli_nomera: the restored texts' numbers put in at their rows, when dum_N 0
    // and 1 are known to hold the first-match number of every row (see m_numbersParallel).
    void numbersAfterTakeBack(const std::array<qsizetype, 2> &restoredRows);

    Content m_content;
    // First position of each text in Danni 0 and Danni 1: lookups keep their first-match meaning
    // without scanning the content.
    std::array<QHash<QString, qsizetype>, 2> m_firstIndex;

    std::array<TextList, kVisibleLists> m_slowo{TextList(true), TextList(true), TextList(false)};
    std::array<TextList, kHiddenLists> m_dumN;
    // True from a full Opredeli_nomera on while dum_N 0 and 1 are only changed alongside their
    // visible lists, row for row: then each of their rows holds firstNumberOf that visible row, and
    // a take-back need not look up every row again (at 10,000 pairs that alone costs about 1 ms).
    bool m_numbersParallel = false;
    QString m_nastroiki = QStringLiteral("0");
    qint16 m_brojWerni = 0;
    qint16 m_tekushtNomer = 0;
    bool m_evaluated = false;

    QString m_caption;
    qint32 m_outerWidth = 0;
    std::array<qint32, 2> m_listLeft{0, 0};
    std::array<qint32, 2> m_listWidth{0, 0};

    QString m_output;
    QString m_counter;
    bool m_verdictCorrect = true; // green as laid out
    QString m_verdictText;
    bool m_verdictVisible = false;
    std::array<bool, kButtons> m_enabled{true, true, false, true};

    int m_thumbnail = 0;
    bool m_pictureWindowVisible = false;
    int m_pictureWindowItem = 0;
};
