#pragma once

#include "core/content.h"
#include "core/text_list.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <array>
#include <optional>

// The quiz a learner takes in the quiz window: the expressions, meanings and entered pairs lists
// with the content numbers behind them, the number of pairs the score counts, the counter label,
// the output and verdict boxes, the button states and the thumbnail. QtCore only, so every rule runs and is tested without a window; the window shows
// what this holds (the lists are its models) and passes the learner's clicks to it.
//
// Setting a list's selected position (from here or by the learner through selectRow) runs that
// list's selection handling at once, exactly once; setting the position it already has runs
// nothing. Removing a row never runs a handler.
class Quiz : public QObject
{
    Q_OBJECT

public:
    enum Button : qint16 { Enter = 0, TakeBack = 1, Evaluate = 2, Explain = 3 };
    static constexpr int kButtons = 4;
    static constexpr int kVisibleLists = 3;
    static constexpr int kHiddenLists = 6;

    // Verdict square colours, as packed colour values R + 256*G + 65536*B.
    static constexpr quint32 kGreen = 65280;
    static constexpr quint32 kRed = 255;

    // The list boxes of the three lists.
    enum List { Expressions = 0, Meanings = 1, Entered = 2 };

    // A list of content numbers as it stands. Lists 0 and 1 hold the content number of each row of
    // the expressions and meanings, 2 and 3 the numbers of each entered pair's expression and
    // meaning, 4 and 5 the numbers "1".."n" of the content's expressions and meanings.
    struct NumberList
    {
        QStringList numbers;
        qsizetype selectedRow = -1;

        const QStringList &items() const { return numbers; }
        qsizetype count() const { return numbers.size(); }
        QString at(qsizetype row) const { return numbers.value(row); }
        qsizetype selected() const { return selectedRow; }
    };

    explicit Quiz(Content content, QObject *parent = nullptr);

    // Start-up: the instruction text, the lists, the first items selected and the evaluate-button
    // rule.
    void start();

    // --- What the learner does -----------------------------------------------------------------
    // The button dispatcher; does not look at the enabled state (a disabled button sends no click).
    void dispatch(qint16 button);
    // A click as the window delivers it: ignored while the button is disabled. Returns whether it ran.
    bool pressButton(qint16 button);
    // The learner selects a row of a List (-1: nothing). Runs rowSelected when it moves.
    void selectRow(int list, qsizetype row);
    // Click on the thumbnail: opens the picture window for the item whose picture it shows.
    void clickThumbnail();
    // The learner closed the picture window with its close box.
    void closePictureWindow();

    // --- State -----------------------------------------------------------------------------------
    const Content &content() const { return m_content; }
    const TextList &list(int i) const { return m_lists.at(i); }
    TextList *listModel(int i) { return &m_lists.at(i); }
    NumberList numberList(int i) const;
    // The number of pairs the score is counted against.
    qsizetype pairsToScore() const { return m_pairsToScore; }
    qint16 correctPairs() const { return m_correctPairs; }
    qint16 currentItem() const { return m_currentItem; }
    bool evaluated() const { return m_evaluated; }

    const QString &output() const { return m_output; }          // the output box
    const QString &counter() const { return m_counter; }        // the counter label
    // The verdict square: the last judged pair's verdict; green, with no text, until a pair is judged.
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
    friend class QuizSteps; // the tests' way to a single step

    // The steps, in the order the quiz uses them.
    void renumber();
    void updateEvaluateButton();
    void enterSelectedPair();
    void showPairsLeft();
    void rowSelected(qint16 list);
    void takeBackSelectedPair();
    void evaluatePairs();
    void explainItem(qint16 p);
    void explainAndEnter();
    void explainEnteredPair();
    void showPicture(qint16 p);

    void setSelectedRow(int i, qsizetype row);
    void removeRow(int i, qsizetype row);
    void setEnabled(int button, bool enabled);
    void setOutput(const QString &text);
    void setCounter(const QString &text);
    // Content number of the first content item with exactly this text, 0 when none: repeated
    // texts share the number of the first.
    int firstNumberOf(int side, const QString &text) const;
    bool isCorrect(qsizetype enteredRow) const;
    static QString verdictOf(bool correct);

    Content m_content;
    // First position of each text among the expressions and the meanings: lookups keep their first-match meaning
    // without scanning the content.
    std::array<QHash<QString, qsizetype>, 2> m_firstIndex;

    std::array<TextList, kVisibleLists> m_lists{TextList(true), TextList(true), TextList(false)};
    // Number lists 0 and 1 follow their rows; only their selection is their own, cleared by a numbering.
    std::array<qsizetype, 2> m_numbersSelected{-1, -1};
    std::array<QList<int>, 2> m_enteredNumbers; // number lists 2 and 3
    mutable std::array<QStringList, 2> m_contentNumbers; // number lists 4 and 5, made when first asked for
    qsizetype m_pairsToScore = 0;
    qint16 m_correctPairs = 0;
    qint16 m_currentItem = 0;
    bool m_evaluated = false;

    QString m_output;
    QString m_counter;
    std::optional<bool> m_verdict;
    std::array<bool, kButtons> m_enabled{true, true, false, true};

    int m_thumbnail = 0;
    bool m_pictureWindowVisible = false;
    int m_pictureWindowItem = 0;
};
