#include "core/appearance_editor.h"

#include "core/appearance_store.h"
#include "core/number_text.h"

namespace {

constexpr qint32 kWhite = ColourValue::compose(255, 255, 255);

} // namespace

AppearanceEditor::AppearanceEditor(AppearanceStore &store)
    : m_store(store)
{
    for (int points = 8; points <= 14; ++points)
        m_lists[kSizeList].add(QString::number(points));
    resetControls();
}

void AppearanceEditor::open(const QStringList &installedFaces)
{
    resetControls();
    m_windowFontFace = m_store.appearance().fontFace;
    m_lists[kFaceList].addAll(installedFaces); // emptied by resetControls
    selectEntriesEqualTo(kFaceList, m_windowFontFace);
    setSampleSize(m_store.appearance().fontSize);
    // The size is matched as the store's text, as the design compares list entries.
    selectEntriesEqualTo(kSizeList, m_store.item(AppearanceStore::kFontSize));
    paintFromStore();
    for (int k = 0; k < kComponents; ++k)
        setSliderPosition(k, m_store.appearance().components[0][k]);
}

void AppearanceEditor::resetControls()
{
    m_editedElement = 0;
    m_currentColour = 0;
    m_sliders.fill(0);
    m_readouts = {QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")};
    m_colourCaption = QStringLiteral("Цвят");
    m_optionColours.fill(kGrey);
    m_swatchColour = kGrey;
    m_windowBackground = kGrey;
    m_windowFontFace = kDesignFace;
    m_sampleFace = kDesignFace;
    m_sampleSize = kDesignPoints;
    m_sampleBackground = kWhite;
    m_sampleTextColour = 0;
    m_lists[kFaceList].clear();
    m_lists[kSizeList].setSelected(-1);
}

void AppearanceEditor::chooseElement(int e)
{
    if (e < 0 || e >= AppearanceStore::kElements)
        return;
    m_editedElement = static_cast<quint8>(e);
    for (int k = 0; k < kComponents; ++k)
        setSliderPosition(k, m_store.appearance().components[e][k]);
    m_currentColour = composeSliders();
    refreshFromSliders();
}

void AppearanceEditor::setSliderPosition(int k, int position)
{
    if (k < 0 || k >= kComponents)
        return;
    // A slider holds only positions inside its range, whatever the store says.
    m_sliders[k] = qBound(0, position, kSliderMax);
}

void AppearanceEditor::moveSlider(int k, int position)
{
    if (k < 0 || k >= kComponents)
        return;
    setSliderPosition(k, position);
    m_store.setComponent(m_editedElement, k, m_sliders[k]);
    m_currentColour = composeSliders();
    m_store.setColour(m_editedElement, quint32(m_currentColour));
    refreshFromSliders();
}

void AppearanceEditor::refreshFromSliders()
{
    for (int k = 0; k < kComponents; ++k)
        m_readouts[k] = QString::number(m_sliders[k]);
    switch (m_editedElement) {
    case 0:
        m_windowBackground = m_currentColour;
        break;
    case 1:
        m_sampleBackground = m_currentColour;
        break;
    case 2:
        m_sampleTextColour = m_currentColour;
        break;
    default:
        break;
    }
    m_optionColours[m_editedElement] = m_currentColour;
    m_swatchColour = m_currentColour;
    m_colourCaption = colourCaptionOf(m_currentColour);
}

QString AppearanceEditor::colourCaptionOf(qint32 colour)
{
    return QStringLiteral("Цвят в 10/16-тичен код = %1 /H%2")
        .arg(QString::number(colour), QString::number(colour, 16).toUpper());
}

void AppearanceEditor::paintFromStore()
{
    const Appearance &store = m_store.appearance();
    m_swatchColour = qint32(store.formBackground);
    m_sampleBackground = qint32(store.textBackground);
    m_sampleTextColour = qint32(store.textColour);
    // Every element's option shows its colour, and its components become the split of it.
    for (int e = 0; e < AppearanceStore::kElements; ++e) {
        m_optionColours[e] = qint32(store.colour(e));
        splitColour(qint32(store.colour(e)));
        m_store.setComponent(e, 0, m_split.red);
        m_store.setComponent(e, 1, m_split.green);
        m_store.setComponent(e, 2, m_split.blue);
    }
}

void AppearanceEditor::splitColour(const qint32 &value)
{
    m_split = ColourValue::split(quint32(value));
}

qint32 AppearanceEditor::composeSliders() const
{
    return ColourValue::compose(m_sliders[0], m_sliders[1], m_sliders[2]);
}

// Every match selects, so the last of equal entries stays selected.
void AppearanceEditor::selectEntriesEqualTo(int list, const QString &text)
{
    const TextList &entries = m_lists[list];
    for (qsizetype i = 0; i < entries.count(); ++i) {
        if (entries.at(i) == text)
            selectFontEntry(list, i);
    }
}

void AppearanceEditor::selectFontEntry(int list, qsizetype row)
{
    if (list != kFaceList && list != kSizeList)
        return;
    TextList &entries = m_lists[list];
    const qsizetype before = entries.selected();
    entries.setSelected(row);
    if (entries.selected() != before)
        fontEntryChosen(list);
}

void AppearanceEditor::fontEntryChosen(int list)
{
    const TextList &entries = m_lists[list];
    if (!entries.hasSelection())
        return;
    const QString chosen = entries.at(entries.selected());
    if (list == kFaceList) {
        m_sampleFace = chosen;
        m_store.setFontFace(chosen);
    } else {
        setSampleSize(NumberText::read32(chosen));
        // Qt realises point sizes exactly, so the size stored is the one chosen.
        m_store.setFontSize(m_sampleSize);
    }
}

// A size that is not a positive number of points leaves the sample as it is.
void AppearanceEditor::setSampleSize(qint32 points)
{
    if (points > 0)
        m_sampleSize = points;
}

const Appearance &AppearanceEditor::appearance() const
{
    return m_store.appearance();
}
