#pragma once

#include "core/appearance.h"
#include "core/colour_value.h"
#include "core/text_list.h"

#include <QString>
#include <QStringList>

#include <array>

class AppearanceStore;

// What the appearance settings window shows and what its controls do, without the widgets: the
// colour mixer (element choice, three sliders, read-outs, swatch, caption, previews), the font
// face and size lists with their sample, and "Запис". Every change the learner makes is written
// into the store at once. Colours are colour values (see ColourValue).
class AppearanceEditor
{
public:
    static constexpr int kComponents = 3;
    static constexpr int kSliderMax = 255;
    static constexpr qint32 kGrey = ColourValue::compose(128, 128, 128);
    static constexpr int kFaceList = 0;
    static constexpr int kSizeList = 1;

    explicit AppearanceEditor(AppearanceStore &store);

    // The opening sequence: every control back to its initial look, then the face list filled
    // from the installed faces, the size chosen, the previews painted and the sliders set from
    // the store's form background.
    void open(const QStringList &installedFaces);

    // The learner chose element e (0 to 3) to edit; the store is not written.
    void chooseElement(int e);
    // The learner moved slider k (0 to 2) to a position: the component and the composed colour
    // go into the store, then everything refreshes.
    void moveSlider(int k, int position);
    // Sets the selected entry of the face list (0) or the size list (1), from the learner or the
    // program alike; a change of position runs that list's click handling.
    void selectFontEntry(int list, qsizetype row);

    // What "Запис" puts on the main window: the store's appearance as it is now.
    const Appearance &appearance() const;

    // The colour caption refreshFromSliders writes for a colour value.
    static QString colourCaptionOf(qint32 colour);

    int editedElement() const { return m_editedElement; }
    qint32 currentColour() const { return m_currentColour; }
    int sliderPosition(int k) const { return m_sliders.at(k); }
    const QString &readout(int k) const { return m_readouts.at(k); }
    const QString &colourCaption() const { return m_colourCaption; }
    qint32 optionColour(int e) const { return m_optionColours.at(e); }
    qint32 swatchColour() const { return m_swatchColour; }
    qint32 windowBackground() const { return m_windowBackground; }
    const QString &windowFontFace() const { return m_windowFontFace; }
    const QString &sampleFace() const { return m_sampleFace; }
    int sampleSize() const { return m_sampleSize; }
    qint32 sampleBackground() const { return m_sampleBackground; }
    qint32 sampleTextColour() const { return m_sampleTextColour; }
    const TextList &fontList(int list) const { return m_lists.at(list); }
    // For the window's views.
    TextList *fontListModel(int list) { return &m_lists.at(list); }

private:
    friend class TestSettingsStore;
    friend class TestAppearanceEditor;

    void resetControls();
    // Positions the slider from the program; the store is not written and nothing refreshes.
    void setSliderPosition(int k, int position);
    qint32 composeSliders() const;
    // Refreshes the read-outs, the previews, the swatch and the caption from the sliders.
    void refreshFromSliders();
    // Paints the previews from the store, then recomputes every element's components.
    void paintFromStore();
    // Splits a colour value into m_split.
    void splitColour(const qint32 &value);
    const ColourSplit &split() const { return m_split; }
    void selectEntriesEqualTo(int list, const QString &text);
    void fontEntryChosen(int list);
    void setSampleSize(qint32 points);

    AppearanceStore &m_store;

    quint8 m_editedElement = 0;
    qint32 m_currentColour = 0;
    ColourSplit m_split;
    std::array<int, kComponents> m_sliders{};
    std::array<QString, kComponents> m_readouts;
    QString m_colourCaption;
    std::array<qint32, 4> m_optionColours{};
    qint32 m_swatchColour = 0;
    qint32 m_windowBackground = kGrey;
    QString m_windowFontFace;
    QString m_sampleFace;
    int m_sampleSize = 0;
    qint32 m_sampleBackground = 0;
    qint32 m_sampleTextColour = 0;
    std::array<TextList, 2> m_lists{TextList(true), TextList(false)};
};
