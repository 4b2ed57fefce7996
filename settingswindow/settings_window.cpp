#include "settingswindow/settings_window.h"

#include "core/appearance_store.h"
#include "core/twips.h"
#include "widgets/announcer.h"
#include "widgets/quiz_list.h"
#include "widgets/window_support.h"

#include <QAction>
#include <QButtonGroup>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString indexed(const char16_t *family, int index)
{
    return QString::fromUtf16(family) + u'_' + QString::number(index);
}

QLabel *label(QWidget *parent, const QString &text, int index, const QString &toolTip)
{
    auto *widget = new QLabel(text, parent);
    describe(widget, indexed(u"Label_Cv", index), QString(), toolTip);
    return widget;
}

// A laid-out label narrower than the widest of its texts in its own font would cut them off: it
// grows into the free space beside it on its row, to the right first, then to the left, up to
// the next control or the client's edge, so the window keeps its size.
void growToFit(QLabel *label, const QStringList &texts)
{
    const QString shown = label->text();
    int needed = 0;
    for (const QString &text : texts) {
        label->setText(text);
        needed = qMax(needed, label->sizeHint().width());
    }
    label->setText(shown);
    const QRect r = label->geometry();
    if (needed <= r.width())
        return;
    int leftLimit = 0;
    int rightLimit = label->parentWidget()->width();
    for (const QWidget *other : label->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QRect o = other->geometry();
        if (other == label || o.top() > r.bottom() || o.bottom() < r.top())
            continue;
        if (o.left() > r.left())
            rightLimit = qMin(rightLimit, o.left());
        else
            leftLimit = qMax(leftLimit, o.right() + 1);
    }
    // A laid-out overlap with a neighbour is no reason to shrink.
    rightLimit = qMax(rightLimit, r.right() + 1);
    leftLimit = qMin(leftLimit, r.left());
    const int right = qMin(rightLimit, r.left() + needed);
    const int left = qMax(leftLimit, right - needed);
    label->setGeometry(left, r.top(), right - left, r.height());
}

// The three slider rows and the option rows start at these tops.
constexpr std::array<int, 4> kRowTops{1560, 2040, 2520, 3000};

} // namespace

SettingsWindow::SettingsWindow(AppearanceStore &store, QWidget *parent)
    : QWidget(parent, Qt::Window), m_settings(store)
{
    setWindowTitle(QStringLiteral("Формиране на цвят/избор на шрифт"));

    auto *menuBar = new QMenuBar(this);
    buildMenu(menuBar);

    m_client = new QWidget(this);
    m_client->setFixedSize(twips(5535), twips(4710));
    m_client->setAutoFillBackground(true);
    m_client->setFont(designFont());
    buildMixer(m_client);
    buildFontArea(m_client);
    fitLabels();
    m_announcer = new Announcer(m_client);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_client);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void SettingsWindow::buildMenu(QMenuBar *bar)
{
    bar->addAction(QStringLiteral("Запис"), this, &SettingsWindow::save)->setObjectName(QStringLiteral("mnu_zapis"));
    bar->addAction(QStringLiteral("Отказ"), this, &QWidget::close)->setObjectName(QStringLiteral("mnu_Otkaz"));
    QAction *danni = bar->addAction(QStringLiteral("Danni"));
    danni->setObjectName(QStringLiteral("mnu_Danni"));
    danni->setVisible(false);
    danni->setEnabled(false);
}

void SettingsWindow::buildMixer(QWidget *client)
{
    m_swatch = new QFrame(client);
    m_swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_swatch->setAutoFillBackground(true);
    describe(m_swatch, QStringLiteral("picColor"), QStringLiteral("Получен изходен цвят"),
             QStringLiteral("Получен изходен цвят"));
    m_swatch->setGeometry(twipsRect(240, 120, 5055, 915));

    m_colourCaption = label(client, QString(), 3,
                            QStringLiteral("Показва цифровата стойност на формирания цвят в 16-ична бройна система "));
    m_colourCaption->setGeometry(twipsRect(795, 1150, 4020, 255));

    struct SliderRow { const char16_t *letter, *name, *sliderTip, *readoutTip; qint32 colour; };
    const std::array<SliderRow, AppearanceEditor::kComponents> rows{{
        {u"Ч", u"Червено", u"Промяна на стойн остта на червената съставка ",
         u"Цифрова стойност на червения цвят в обхвата [0 - 255] ", ColourValue::compose(192, 0, 0)},
        {u"З", u"Зелено", u"Промяна на стойн остта на зелената съставка ",
         u"Цифрова стойност на зеления цвят в обхвата [0 - 255] ", ColourValue::compose(0, 192, 0)},
        {u"С", u"Синьо", u"Промяна на стойн остта на синята съставка ",
         u"Цифрова стойност на синия цвят в обхвата [0 - 255] ", ColourValue::compose(0, 0, 192)},
    }};
    for (int k = 0; k < AppearanceEditor::kComponents; ++k) {
        const int top = kRowTops[k];
        const SliderRow &row = rows[k];
        QLabel *letter = label(client, QString::fromUtf16(row.letter), k, QString());
        setRole(letter, QPalette::WindowText, colourOf(row.colour));
        letter->setGeometry(twipsRect(120, top, 320, 315));

        auto *slider = new QSlider(Qt::Horizontal, client);
        slider->setRange(0, AppearanceEditor::kSliderMax);
        slider->setPageStep(16);
        describe(slider, indexed(u"Slider1", k), QString::fromUtf16(row.name), QString::fromUtf16(row.sliderTip));
        slider->setGeometry(twipsRect(440, top, 3000, 315));
        // Every way of moving it counts, an assistive technology setting the value included.
        connect(slider, &QSlider::valueChanged, this,
                [this, k](int position) { learnerMovedSlider(k, position); });
        m_sliders[k] = slider;

        auto *readout = new QLabel(client);
        readout->setAlignment(Qt::AlignCenter);
        setRole(readout, QPalette::WindowText, colourOf(row.colour));
        describe(readout, indexed(u"Label_ST", k), QString(), QString::fromUtf16(row.readoutTip));
        readout->setGeometry(twipsRect(3440, top, 315, 315));
        m_readouts[k] = readout;
    }

    struct OptionRow { const char16_t *caption, *optionTip, *captionTip; };
    const std::array<OptionRow, AppearanceStore::kElements> options{{
        {u"Цвят форма", u" За настройване цвета на фона на формата ", u"За настройване цвета на фона на формата "},
        {u"Фон текст", u" За настройване цвета на фона в текстовите полета ",
         u"За настройване цвета на фона в текстовите полета "},
        {u"Цвят текст", u" За настройване цвета на текста в текстовите полета ",
         u" За настройване цвета на текста в текстовите полета "},
        {u"Цвят бутон", u" За настройване цвета на фона на бутоните ", u" За настройване цвета на фона на бутоните "},
    }};
    auto *group = new QButtonGroup(this);
    for (int e = 0; e < AppearanceStore::kElements; ++e) {
        auto *option = new QRadioButton(client);
        // The button fills itself in its element's colour; its own role would be the button face.
        option->setBackgroundRole(QPalette::Window);
        option->setAutoFillBackground(true);
        const QString caption = QString::fromUtf16(options[e].caption);
        describe(option, indexed(u"Option1", e), caption, QString::fromUtf16(options[e].optionTip));
        option->setGeometry(twipsRect(3860, kRowTops[e], 345, 285));
        group->addButton(option, e);
        m_options[e] = option;

        QLabel *captionLabel = label(client, caption, 5 + e, QString::fromUtf16(options[e].captionTip));
        captionLabel->setAlignment(Qt::AlignCenter);
        captionLabel->setGeometry(twipsRect(4200, kRowTops[e], 1155, 285));
        if (e == 3) {
            option->hide();
            captionLabel->hide();
        }
    }
    // A screen reader's choice toggles the button without a click, so follow the toggle. A click
    // on the option already chosen toggles nothing and must choose it all the same; after a toggle
    // the click repeats a choice that changes nothing the second time.
    // The window checking the edited element's option is no choice of the learner's.
    connect(group, &QButtonGroup::idToggled, this, [this](int e, bool checked) {
        if (checked && e != m_settings.editedElement())
            learnerChoseOption(e);
    });
    connect(group, &QButtonGroup::idClicked, this, &SettingsWindow::learnerChoseOption);
}

void SettingsWindow::buildFontArea(QWidget *client)
{
    // The views show the lists the AppearanceEditor holds; the sizes have a smaller font of their own.
    for (int list : {AppearanceEditor::kFaceList, AppearanceEditor::kSizeList}) {
        auto *view = new QuizList(client);
        view->setModel(m_settings.fontListModel(list));
        connect(view, &QuizList::chosen, this, [this, list](int row) { learnerChoseEntry(list, row); });
        m_fontLists[list] = view;
    }
    QuizList *faces = m_fontLists[AppearanceEditor::kFaceList];
    describe(faces, indexed(u"List_font", 0), QStringLiteral("Шрифт"),
             QStringLiteral(" Определя избрания шрифт "));
    faces->setGeometry(twipsRect(600, 2900, 2655, 1200));
    faces->hide();

    QuizList *sizes = m_fontLists[AppearanceEditor::kSizeList];
    QFont sizeFont = designFont();
    sizeFont.setPointSizeF(9.75);
    sizes->setFont(sizeFont);
    describe(sizes, indexed(u"List_font", 1), QStringLiteral("Размер  шрифт"),
             QStringLiteral(" Определя размера на буквите "));
    sizes->setGeometry(twipsRect(3840, 3840, 855, 735));

    QLabel *sizeCaption = label(client, QStringLiteral("Размер  шрифт"), 4,
                                QStringLiteral("Показва размера на буквите във формирания текст "));
    sizeCaption->setAlignment(Qt::AlignCenter);
    sizeCaption->setGeometry(twipsRect(3860, 3450, 1490, 285));

    m_sample = new QLineEdit(QStringLiteral("Шрифт"), client);
    m_sample->setReadOnly(true);
    m_sample->setAlignment(Qt::AlignCenter);
    describe(m_sample, indexed(u"Text_Cv", 0), QStringLiteral("Образец на шрифт"),
             QStringLiteral("Полето илюстрира шрифт, размер на букви, цвят и фон на букви "));
    m_sample->setGeometry(twipsRect(600, 4200, 2655, 405));
}

void SettingsWindow::fitLabels()
{
    QStringList captions;
    for (int d = 0; d < 16; ++d) // each hex digit repeated: the widest digit gives the widest caption
        captions << AppearanceEditor::colourCaptionOf(0x111111 * d);
    QStringList readouts{QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")};
    for (int value = 0; value <= AppearanceEditor::kSliderMax; ++value)
        readouts << QString::number(value);
    for (QLabel *label : m_client->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (label == m_colourCaption)
            growToFit(label, captions);
        else if (std::find(m_readouts.cbegin(), m_readouts.cend(), label) != m_readouts.cend())
            growToFit(label, readouts);
        else
            growToFit(label, {label->text()});
    }
}

void SettingsWindow::openOrRaise()
{
    if (!isVisible()) {
        m_settings.open(QFontDatabase::families());
        showModel();
        show();
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void SettingsWindow::learnerMovedSlider(int k, int position)
{
    // The window setting a slider to the AppearanceEditor's own position is no move of the learner's.
    if (position == m_settings.sliderPosition(k))
        return;
    m_settings.moveSlider(k, position);
    showModel();
    // A screen reader says only the focused slider's value; its name and the colour it makes go
    // with it.
    m_announcer->announce(m_sliders[k]->accessibleName() + u' ' + m_readouts[k]->text());
    m_announcer->announce(m_colourCaption->text());
}

void SettingsWindow::learnerChoseOption(int e)
{
    m_settings.chooseElement(e);
    showModel();
    m_announcer->announce(m_colourCaption->text());
}

void SettingsWindow::learnerChoseEntry(int list, int row)
{
    // Whatever took the selection away, the list shows the AppearanceEditor's again; the window showing the
    // AppearanceEditor's own selection is no choice of the learner's.
    const qsizetype held = m_settings.fontList(list).selected();
    if (row < 0)
        return m_fontLists[list]->showSelected(held);
    if (row == held)
        return;
    m_settings.selectFontEntry(list, row);
    showModel();
}

void SettingsWindow::save()
{
    Q_EMIT applied(m_settings.appearance());
    close();
}

void SettingsWindow::showModel()
{
    setRole(m_client, QPalette::Window, colourOf(m_settings.windowBackground()));
    setRole(m_swatch, QPalette::Window, colourOf(m_settings.swatchColour()));
    m_colourCaption->setText(m_settings.colourCaption());
    for (int k = 0; k < AppearanceEditor::kComponents; ++k) {
        m_sliders[k]->setValue(m_settings.sliderPosition(k));
        m_readouts[k]->setText(m_settings.readout(k));
    }
    for (int e = 0; e < AppearanceStore::kElements; ++e)
        setRole(m_options[e], QPalette::Window, colourOf(m_settings.optionColour(e)));
    m_options[m_settings.editedElement()]->setChecked(true);

    for (int list : {AppearanceEditor::kFaceList, AppearanceEditor::kSizeList})
        m_fontLists[list]->showSelected(m_settings.fontList(list).selected());

    QFont font = m_sample->font();
    font.setFamily(m_settings.sampleFace());
    font.setPointSize(m_settings.sampleSize());
    m_sample->setFont(font);
    setRole(m_sample, QPalette::Base, colourOf(m_settings.sampleBackground()));
    setRole(m_sample, QPalette::Text, colourOf(m_settings.sampleTextColour()));
}
