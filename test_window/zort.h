#pragma once

#include "common/text_list.h"
#include "content/content.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <array>
#include <optional>

// The quiz held by the main window ZORT: the visible lists Slowo 0..2, their hidden companions
// dum_N 0..5, Nastroiki, the counter label, the output and verdict boxes, the button states and
// the thumbnail. QtCore only, so every rule runs and is tested without a window; the window shows
// what this holds (the lists are its models) and passes the learner's clicks to it.
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

    // A hidden list dum_N as it stands. dum_N 0 and 1 hold the content number of each row of
    // Slowo 0 and 1, dum_N 2 and 3 the numbers of each entered pair's expression and meaning,
    // dum_N 4 and 5 the numbers "1".."n" of the content's expressions and meanings.
    struct NumberList
    {
        QStringList numbers;
        qsizetype selectedRow = -1;

        const QStringList &items() const { return numbers; }
        qsizetype count() const { return numbers.size(); }
        QString at(qsizetype row) const { return numbers.value(row); }
        qsizetype selected() const { return selectedRow; }
    };

    explicit Zort(Content content, QObject *parent = nullptr);

    // Start-up: the instruction text, the lists, the first items selected and the evaluate-button
    // rule.
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

    // --- State -----------------------------------------------------------------------------------
    const Content &content() const { return m_content; }
    const TextList &slowo(int i) const { return m_slowo.at(i); }
    TextList *slowoModel(int i) { return &m_slowo.at(i); }
    NumberList dumN(int i) const;
    // The number of pairs the score is counted against.
    qsizetype nastroiki() const { return m_nastroiki; }
    qint16 brojWerni() const { return m_brojWerni; }
    qint16 tekushtNomer() const { return m_tekushtNomer; }
    bool evaluated() const { return m_evaluated; }

    const QString &output() const { return m_output; }          // Prowerka 0
    const QString &counter() const { return m_counter; }        // Ndapis
    // Prowerka 1: the last judged pair's verdict; green, with no text, until a pair is judged.
    bool verdictCorrect() const { return m_verdict.value_or(true); }
    QString verdictText() const;
    quint32 verdictColour() const { return verdictCorrect() ? kGreen : kRed; }
    bool verdictVisible() const { return m_evaluated; }
    bool isEnabled(int button) const { return m_enabled.at(button); }

    int thumbnail() const { return m_thumbnail; }               // content number shown, 0 = blank
    bool pictureWindowVisible() const { return m_pictureWindowVisible; }
    int pictureWindowItem() const { return m_pictureWindowItem; }

Q_SIGNALS:
    void selectionChanged(int list, int row);
    void outputChanged();
    void counterChanged();
    void verdictChanged();
    void buttonsChanged();
    void thumbnailChanged();
    void pictureWindowChanged();

private:
    friend class ZortSteps; // the tests' way to a single step

    // The steps, in the order the quiz uses them.
    void Zaredi_slowa();
    void Opredeli_nomera();
    void Razreshi_ocenka();
    void Wywedi_dwojka();
    void Obnowi_ostawashti();
    void Slowo_Click(qint16 Index);
    void Wyrni_dwojka();
    void Oceni_dwojkite();
    void Obqsni_element(qint16 p);
    void Obqsni_i_wywedi();
    void Obqsni_wywedena();
    void Pokazhi_grafika(qint16 p);

    void setSlowoIndex(int i, qsizetype row);
    void removeFromSlowo(int i, qsizetype row);
    void setEnabled(int button, bool enabled);
    void setOutput(const QString &text);
    void setCounter(const QString &text);
    // Content number of the first content item with exactly this text, 0 when none: repeated
    // texts share the number of the first.
    int firstNumberOf(int side, const QString &text) const;
    bool isCorrect(qsizetype enteredRow) const;
    static QString verdictOf(bool correct);

    Content m_content;
    // First position of each text in Danni 0 and Danni 1: lookups keep their first-match meaning
    // without scanning the content.
    std::array<QHash<QString, qsizetype>, 2> m_firstIndex;

    std::array<TextList, kVisibleLists> m_slowo{TextList(true), TextList(true), TextList(false)};
    // dum_N 0 and 1 follow their rows; only their selection is their own, cleared by a numbering.
    std::array<qsizetype, 2> m_numbersSelected{-1, -1};
    std::array<QList<int>, 2> m_enteredNumbers; // dum_N 2 and 3
    mutable std::array<QStringList, 2> m_contentNumbers; // dum_N 4 and 5, made when first asked for
    qsizetype m_nastroiki = 0;
    qint16 m_brojWerni = 0;
    qint16 m_tekushtNomer = 0;
    bool m_evaluated = false;

    QString m_output;
    QString m_counter;
    std::optional<bool> m_verdict;
    std::array<bool, kButtons> m_enabled{true, true, false, true};

    int m_thumbnail = 0;
    bool m_pictureWindowVisible = false;
    int m_pictureWindowItem = 0;
};
