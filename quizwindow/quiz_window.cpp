#include "quizwindow/quiz_window.h"

#include "core/twips.h"
#include "quizwindow/picture_window.h"
#include "settingswindow/settings_window.h"
#include "widgets/announcer.h"
#include "widgets/colour_button.h"
#include "widgets/picture_box.h"
#include "widgets/quiz_list.h"
#include "widgets/window_support.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

// Laid-out client area, twips.
constexpr int kClientWidth = 11865;
constexpr int kClientHeight = 7005;

// A control whose look "Запис" leaves alone takes the platform's palette for its kind in every
// role, so that the form colour the client area carries reaches neither its background nor its
// frame and scroll bar. Roles set afterwards (a text box's background) are its own as well.
void keepOwnLook(QWidget *widget)
{
    QPalette own = QApplication::palette(widget);
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            if (r != QPalette::NoRole)
                own.setBrush(g, r, own.brush(g, r));
        }
    }
    widget->setPalette(own);
}

} // namespace

QuizWindow::QuizWindow(const Content &content, QWidget *parent)
    : QMainWindow(parent), m_quiz(content)
{
    setObjectName(QStringLiteral("ZORT"));
    buildControls();
    fitAgainWhenFramed(this, [this] { fitOuterWidth(); });
    connectCore();
    m_quiz.start();
}

QuizWindow::~QuizWindow() = default;

void QuizWindow::buildControls()
{
    menuBar()->addAction(QStringLiteral("Exit"), this, &QuizWindow::exitProgram)->setObjectName(QStringLiteral("Izhod"));
    menuBar()->addAction(QStringLiteral("Color"), this, &QuizWindow::openSettings)->setObjectName(QStringLiteral("Cwqt"));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(designFont());
    client->setAutoFillBackground(true);
    setRole(client, QPalette::Window, QColor(0, 128, 0));
    client->setFixedSize(twips(kClientWidth), twips(kClientHeight));
    setCentralWidget(client);

    const QString choose = QStringLiteral("Посочете елемента в релацията");
    const std::array<QString, Quiz::kVisibleLists> listNames{
        m_quiz.content().expressionsName, m_quiz.content().meaningsName, QStringLiteral("Въведени двойки")};
    const std::array<QString, Quiz::kVisibleLists> listTips{
        choose, choose, QStringLiteral("Набор от вече въведени отговори")};
    const std::array<QRect, Quiz::kVisibleLists> listRects{
        twipsRect(120, 480, 3135, 2055), twipsRect(3360, 480, 7575, 2055), twipsRect(840, 2640, 9375, 1485)};
    for (int i = 0; i < Quiz::kVisibleLists; ++i) {
        auto *list = new QuizList(client);
        describe(list, QStringLiteral("Slowo_%1").arg(i), listNames[i], listTips[i]);
        keepOwnLook(list);
        list->setGeometry(listRects[i]);
        list->setModel(m_quiz.listModel(i));
        // A learner moves a selection but cannot take it away: the list shows the quiz's again.
        connect(list, &QuizList::chosen, this, [this, i](int row) {
            if (row >= 0)
                m_quiz.selectRow(i, row);
            else
                m_lists[i]->showSelected(m_quiz.list(i).selected());
        });
        m_lists[i] = list;
    }

    struct ButtonLayout { const char16_t *caption; QColor face; QRect rect; const char16_t *tip; };
    const std::array<ButtonLayout, Quiz::kButtons> buttons{{
        {u"Избрах", QColor(255, 128, 0), twipsRect(1200, 4200, 1215, 375), u"Натиснете бутон за избор"},
        {u"Върни", QColor(255, 255, 128), twipsRect(4680, 4200, 1215, 375),
         u"Изтрива / възстановява направения избор"},
        {u"Оцени", QColor(192, 192, 255), twipsRect(8400, 4200, 1215, 375),
         u"Преустановява теста и формира оценка"},
        {u"Обясни", QColor(0, 192, 0), twipsRect(9720, 50, 1215, 375), u"Дава обяснения"},
    }};
    for (int i = 0; i < Quiz::kButtons; ++i) {
        auto *button = new ColourButton(QString::fromUtf16(buttons[i].caption), buttons[i].face, client);
        describe(button, QStringLiteral("Uprawl_%1").arg(i), QString(), QString::fromUtf16(buttons[i].tip));
        button->setGeometry(buttons[i].rect);
        button->setAutoDefault(true); // Enter presses the focused button, as Space does
        connect(button, &QPushButton::clicked, this, [this, i] { m_quiz.pressButton(qint16(i)); });
        m_buttons[i] = button;
    }

    m_counterLabel = new QLabel(client);
    describe(m_counterLabel, QStringLiteral("Ndapis"), QString(), QStringLiteral("Извежда резултатите в края на теста"));
    m_counterLabel->setGeometry(twipsRect(4440, 0, 1455, 375));
    m_counterLabel->setAlignment(Qt::AlignCenter);
    m_counterLabel->setAutoFillBackground(true);
    setRole(m_counterLabel, QPalette::Window, QColor(255, 192, 128));

    m_output = new QPlainTextEdit(client);
    describe(m_output, QStringLiteral("Prowerka_0"), QStringLiteral("Указания и обяснения"), QString());
    m_output->setGeometry(twipsRect(1800, 4680, 9135, 2055));
    m_output->setReadOnly(true);
    m_output->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_output->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    keepOwnLook(m_output);
    setRole(m_output, QPalette::Base, QColor(224, 224, 224));

    m_verdict = new QLineEdit(client);
    describe(m_verdict, QStringLiteral("Prowerka_1"), QStringLiteral("Оценка на двойката"),
             QStringLiteral("зелено - Вярно; червено - Грешно"));
    m_verdict->setGeometry(twipsRect(10440, 3120, 495, 495));
    m_verdict->setReadOnly(true);
    m_verdict->setAlignment(Qt::AlignCenter);
    m_verdict->setTextMargins(0, 0, 0, 0);
    keepOwnLook(m_verdict);
    m_verdict->hide();

    for (int i = 0; i < 2; ++i) {
        auto *box = new PictureBox(client);
        describe(box, QStringLiteral("Grafika_%1").arg(i), i == 0 ? QStringLiteral("Картина") : QString(), QString());
        box->setGeometry(twipsRect(120, i == 0 ? 4680 : 5760, 1575, 1335));
        // Opaque in the platform's colour, not a window onto the form's.
        keepOwnLook(box);
        box->setAutoFillBackground(true);
        m_pictureBoxes[i] = box;
    }
    m_pictureBoxes[1]->hide(); // the blank picture
    m_announcer = new Announcer(client);
    connect(m_pictureBoxes[0], &PictureBox::clicked, &m_quiz, &Quiz::clickThumbnail);

    // Keyboard focus in the laid-out tab order.
    const QList<QWidget *> order{m_lists[0], m_lists[1], m_lists[2], m_buttons[0], m_buttons[1],
                                 m_buttons[2], m_verdict, m_output, m_buttons[3], m_pictureBoxes[0]};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_lists[0]->setFocus();
}

void QuizWindow::connectCore()
{
    // The core's selection is what the lists show: a learner's choice comes back this way too.
    connect(&m_quiz, &Quiz::selectionChanged, this, [this](int list, int row) { m_lists[list]->showSelected(row); });
    connect(&m_quiz, &Quiz::outputChanged, this, &QuizWindow::showOutput);
    connect(&m_quiz, &Quiz::counterChanged, this, &QuizWindow::showCounter);
    connect(&m_quiz, &Quiz::verdictChanged, this, &QuizWindow::showVerdict);
    connect(&m_quiz, &Quiz::buttonsChanged, this, &QuizWindow::showButtons);
    connect(&m_quiz, &Quiz::thumbnailChanged, this, &QuizWindow::showThumbnail);
    connect(&m_quiz, &Quiz::pictureWindowChanged, this, &QuizWindow::showPictureWindow);
    showCaptionAndGeometry();
    showCounter();
    showButtons();
    showVerdict();
}

// --- Menu ----------------------------------------------------------------------------------------

void QuizWindow::exitProgram()
{
    if (m_endsProgram)
        QApplication::quit();
    else
        close();
}

void QuizWindow::setEndsProgram(bool ends)
{
    m_endsProgram = ends;
    setAttribute(Qt::WA_QuitOnClose, ends);
}

void QuizWindow::openSettings()
{
    if (!m_settings) {
        m_settings = new SettingsWindow(m_appearance, this);
        connect(m_settings, &SettingsWindow::applied, this, &QuizWindow::applyAppearance);
    }
    m_settings->openOrRaise();
}

void QuizWindow::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program as "Exit" does, whatever else is open; opened by
    // another program, it closes what it opened.
    event->accept();
    if (m_endsProgram) {
        QApplication::quit();
        return;
    }
    for (QWidget *opened : {static_cast<QWidget *>(m_settings), static_cast<QWidget *>(m_pictureWindow)}) {
        if (opened)
            opened->hide();
    }
}

// --- Labels, boxes and buttons -------------------------------------------------------------------

void QuizWindow::showCaptionAndGeometry()
{
    const WindowLayout &layout = m_quiz.content().window;
    setWindowTitle(layout.caption);
    // A missing or non-positive width keeps the laid-out place.
    for (int i = 0; i < 2; ++i) {
        if (layout.listWidth[i] <= 0)
            continue;
        const QRect r = m_lists[i]->geometry();
        m_lists[i]->setGeometry(twips(qMax(0, layout.listLeft[i])), r.top(), twips(layout.listWidth[i]), r.height());
    }
    m_outerWidthPx = layout.outerWidth > 0 ? twips(layout.outerWidth) : twips(kClientWidth);
    // A width far beyond the screens (a slip in the content) would ask for a backing store of
    // many gigabytes; such a window gets the screens' width, never less than the laid-out one.
    const int widest = screen() ? screen()->availableVirtualGeometry().width() : 0;
    m_outerWidthPx = qMin(m_outerWidthPx, qMax(widest, twips(kClientWidth)));
    fitOuterWidth();
}

void QuizWindow::fitOuterWidth()
{
    const int frame = frameGeometry().width() - geometry().width();
    centralWidget()->setFixedWidth(qMax(1, m_outerWidthPx - frame));
    setFixedSize(centralWidget()->width(), twips(kClientHeight) + menuBar()->sizeHint().height());
}

void QuizWindow::showOutput()
{
    // The output holds lines separated by CR LF; a text document would take each sign for a line
    // break of its own.
    m_output->setPlainText(QString(m_quiz.output()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (!m_output->hasFocus())
        m_announcer->announce(m_output->toPlainText());
}

void QuizWindow::showCounter()
{
    m_counterLabel->setText(m_quiz.counter());
    m_announcer->announce(m_quiz.counter());
}

void QuizWindow::showVerdict()
{
    m_verdict->setText(m_quiz.verdictText());
    // The square is its colour alone, even while it has the focus and its text is selected.
    const QColor colour = colourOf(m_quiz.verdictColour());
    QPalette pal = m_verdict->palette();
    pal.setColor(QPalette::Base, colour);
    pal.setColor(QPalette::Highlight, colour);
    pal.setColor(QPalette::HighlightedText, pal.color(QPalette::Text));
    m_verdict->setPalette(pal);
    m_verdict->setVisible(m_quiz.verdictVisible());
    // A screen reader speaks the selected pair's verdict with the pair, not only on the square.
    // The focused list reads the pair with its verdict itself; the evaluation selects it from
    // elsewhere.
    const TextList &entered = m_quiz.list(2);
    if (m_quiz.verdictVisible() && entered.hasSelection() && !m_lists[2]->hasFocus())
        m_announcer->announce(entered.at(entered.selected()) + QStringLiteral(". ") + m_quiz.verdictText());
}

void QuizWindow::showButtons()
{
    for (int i = 0; i < Quiz::kButtons; ++i)
        m_buttons[i]->setEnabled(m_quiz.isEnabled(i));
}

// --- Pictures ------------------------------------------------------------------------------------

QString QuizWindow::unreadablePictureText()
{
    return QStringLiteral("Картината не може да бъде показана");
}

// A picture held as bytes. A stranger's file is decoded with its reader's limits, and one that
// cannot be read after all (its header was checked when the file was opened, its data only now)
// shows as a box that says so.
QPixmap QuizWindow::pictureFromData(const QByteArray &data)
{
    const Content &content = m_quiz.content();
    if (!content.readPicture) {
        QPixmap pixmap;
        pixmap.loadFromData(data);
        return pixmap;
    }
    const QImage image = content.readPicture(data);
    if (!image.isNull())
        return QPixmap::fromImage(image);
    if (!m_unreadable.isNull())
        return m_unreadable;
    const QSize size = m_pictureBoxes[0]->size() - QSize(4, 4); // within the box's frame
    const qreal ratio = devicePixelRatioF();
    QPixmap unreadable(size * ratio);
    unreadable.setDevicePixelRatio(ratio);
    unreadable.fill(palette().color(QPalette::Window));
    QPainter painter(&unreadable);
    painter.setPen(palette().color(QPalette::WindowText));
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    painter.setFont(small);
    painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    painter.drawText(QRect(QPoint(0, 0), size).adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
                     unreadablePictureText());
    painter.end();
    m_unreadable = unreadable;
    return unreadable;
}

QPixmap QuizWindow::picture(int contentNumber)
{
    auto it = m_pictures.constFind(contentNumber);
    if (it == m_pictures.constEnd()) {
        // Decoded on first showing, so a quiz read at start costs no decoding it does not show.
        const QString path = m_quiz.content().pictureOf(contentNumber);
        QPixmap pixmap;
        if (!path.isEmpty())
            pixmap.load(path);
        else if (const QByteArray data = m_quiz.content().pictureDataOf(contentNumber); !data.isEmpty())
            pixmap = pictureFromData(data);
        it = m_pictures.insert(contentNumber, pixmap);
    }
    return *it;
}

void QuizWindow::showThumbnail()
{
    const int k = m_quiz.thumbnail();
    const QPixmap shown = k != 0 ? picture(k) : QPixmap();
    m_pictureBoxes[0]->setPicture(shown);
    // A screen reader says it too.
    const bool unreadable = !shown.isNull() && shown.cacheKey() == m_unreadable.cacheKey();
    m_pictureBoxes[0]->setAccessibleDescription(unreadable ? unreadablePictureText() : QString());
}

void QuizWindow::showPictureWindow()
{
    if (!m_quiz.pictureWindowVisible()) {
        if (m_pictureWindow)
            m_pictureWindow->hide();
        return;
    }
    if (!m_pictureWindow) {
        m_pictureWindow = new PictureWindow(this);
        connect(m_pictureWindow, &PictureWindow::closedByUser, &m_quiz, &Quiz::closePictureWindow);
    }
    m_pictureWindow->showPicture(picture(m_quiz.pictureWindowItem()));
}

// --- Appearance ----------------------------------------------------------------------------------

void QuizWindow::applyAppearance(const Appearance &appearance)
{
    setRole(centralWidget(), QPalette::Window, colourOf(appearance.formBackground));
    const QColor background = colourOf(appearance.textBackground);
    const QColor text = colourOf(appearance.textColour);
    const QFont font(appearance.fontFace, appearance.fontSize > 0 ? appearance.fontSize : kDesignPoints);
    for (QWidget *box : std::initializer_list<QWidget *>{m_lists[0], m_lists[1], m_lists[2], m_output}) {
        setRole(box, QPalette::Base, background);
        setRole(box, QPalette::Text, text);
        box->setFont(font);
    }
    setRole(m_counterLabel, QPalette::Window, background);
    setRole(m_counterLabel, QPalette::WindowText, text);
}
