#include "cwiat.h"

#include "common/number_text.h"
#include "settings/cweta.h"

namespace {

const QString kDesignFace = QStringLiteral("Times New Roman");
constexpr int kDesignPoints = 12;
constexpr qint32 kWhite = ColourValue::compose(255, 255, 255);

quint32 packed(qint32 value)
{
    return static_cast<quint32>(value) & ColourValue::kMask;
}

} // namespace

Cwiat::Cwiat(Cweta &store)
    : m_store(store)
{
    for (int points = 8; points <= 14; ++points)
        m_lists[kSizeList].add(QString::number(points));
    resetControls();
}

void Cwiat::open(const QStringList &installedFaces)
{
    resetControls();
    m_windowFontFace = m_store.item(Cweta::kFontFace);
    Zaredi_shriftowe(installedFaces);
    selectEntriesEqualTo(kFaceList, m_store.item(Cweta::kFontFace));
    setSampleSize(m_store.number(Cweta::kFontSize));
    selectEntriesEqualTo(kSizeList, m_store.item(Cweta::kFontSize));
    Opredeli_cwqt();
    for (int k = 0; k < kComponents; ++k)
        setSliderPosition(k, m_store.number(Cweta::componentItem(0, k)));
}

void Cwiat::resetControls()
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

void Cwiat::Option1_Click(int e)
{
    if (e < 0 || e >= Cweta::kElements)
        return;
    m_editedElement = static_cast<quint8>(e);
    for (int k = 0; k < kComponents; ++k)
        setSliderPosition(k, m_store.number(Cweta::componentItem(e, k)));
    m_currentColour = composeSliders();
    Otdelni_Update();
}

void Cwiat::setSliderPosition(int k, int position)
{
    if (k < 0 || k >= kComponents)
        return;
    // A slider holds only positions inside its range, whatever the store says.
    m_sliders[k] = qBound(0, position, kSliderMax);
}

void Cwiat::Slider1_Scroll(int k, int position)
{
    if (k < 0 || k >= kComponents)
        return;
    setSliderPosition(k, position);
    const int p = Cweta::colourItem(m_editedElement);
    m_store.setItem(p + 1 + k, QString::number(m_sliders[k]));
    m_currentColour = composeSliders();
    m_store.setItem(p, QString::number(m_currentColour));
    Otdelni_Update();
}

void Cwiat::Otdelni_Update()
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

QString Cwiat::colourCaptionOf(qint32 colour)
{
    return QStringLiteral("Цвят в 10/16-тичен код = %1 /H%2")
        .arg(QString::number(colour), QString::number(colour, 16).toUpper());
}

void Cwiat::Opredeli_cwqt()
{
    qint32 c = m_store.number(Cweta::colourItem(0));
    m_swatchColour = c;
    m_optionColours[0] = c;
    c = m_store.number(Cweta::colourItem(1));
    m_sampleBackground = c;
    m_optionColours[1] = c;
    c = m_store.number(Cweta::colourItem(2));
    m_sampleTextColour = c;
    m_optionColours[2] = c;
    m_optionColours[3] = m_store.number(Cweta::colourItem(3));
    recomputeComponents();
}

void Cwiat::recomputeComponents()
{
    for (int e = 0; e < Cweta::kElements; ++e) {
        cwetowe_RGB(m_store.number(Cweta::colourItem(e)));
        m_store.setItem(Cweta::componentItem(e, 0), QString::number(m_split.red));
        m_store.setItem(Cweta::componentItem(e, 1), QString::number(m_split.green));
        m_store.setItem(Cweta::componentItem(e, 2), QString::number(m_split.blue));
    }
}

void Cwiat::cwetowe_RGB(const qint32 &value)
{
    const quint32 v = static_cast<quint32>(value);
    m_split.red = static_cast<qint32>(v & 0xFF);
    m_split.green = static_cast<qint32>((v >> 8) & 0xFF);
    m_split.blue = static_cast<quint8>((v >> 16) & 0xFF);
}

qint32 Cwiat::composeSliders() const
{
    return ColourValue::compose(m_sliders[0], m_sliders[1], m_sliders[2]);
}

void Cwiat::Zaredi_shriftowe(const QStringList &installedFaces)
{
    m_lists[kFaceList].clear();
    for (const QString &face : installedFaces)
        m_lists[kFaceList].add(face);
    selectEntriesEqualTo(kFaceList, m_windowFontFace);
}

// Every match selects, so the last of equal entries stays selected.
void Cwiat::selectEntriesEqualTo(int list, const QString &text)
{
    const TextList &entries = m_lists[list];
    for (qsizetype i = 0; i < entries.count(); ++i) {
        if (entries.at(i) == text)
            setListFontIndex(list, i);
    }
}

void Cwiat::setListFontIndex(int list, qsizetype row)
{
    if (list != kFaceList && list != kSizeList)
        return;
    TextList &entries = m_lists[list];
    const qsizetype before = entries.selected();
    entries.setSelected(row);
    if (entries.selected() != before)
        List_font_Click(list);
}

void Cwiat::List_font_Click(int list)
{
    const TextList &entries = m_lists[list];
    if (!entries.hasSelection())
        return;
    const QString chosen = entries.at(entries.selected());
    if (list == kFaceList) {
        m_sampleFace = chosen;
        m_store.setItem(Cweta::kFontFace, chosen);
    } else {
        setSampleSize(NumberText::read32(chosen));
        // Qt realises point sizes exactly, so the size stored is the one chosen.
        m_store.setItem(Cweta::kFontSize, QString::number(m_sampleSize));
    }
}

// A size that is not a positive number of points leaves the sample as it is.
void Cwiat::setSampleSize(qint32 points)
{
    if (points > 0)
        m_sampleSize = points;
}

Appearance Cwiat::zapis() const
{
    Appearance appearance;
    appearance.formBackground = packed(m_store.number(Cweta::colourItem(0)));
    appearance.textBackground = packed(m_store.number(Cweta::colourItem(1)));
    appearance.textColour = packed(m_store.number(Cweta::colourItem(2)));
    appearance.fontFace = m_store.item(Cweta::kFontFace);
    appearance.fontSize = m_store.number(Cweta::kFontSize);
    return appearance;
}
