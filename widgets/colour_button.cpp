#include "widgets/colour_button.h"

#include "widgets/window_support.h"

#include <QApplication>
#include <QStyleOptionButton>
#include <QStylePainter>

ColourButton::ColourButton(const QString &text, const QColor &face, QWidget *parent)
    : QPushButton(text, parent)
{
    setRole(this, QPalette::Button, face);
}

// A push button as the style draws it, in the order QStyle::CE_PushButton does, with two changes:
// the face inside the bevel shows the exact colour (styles shade it with a gradient), and a
// disabled caption is engraved.
void ColourButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The face is painted over, so the bevel is drawn in the platform's colours: buttons of one
    // size and state then share one drawing, which the style keeps.
    QStyleOptionButton bevel = option;
    bevel.palette = QApplication::palette(this);
    painter.drawControl(QStyle::CE_PushButtonBevel, bevel);
    const QRect inside = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    painter.fillRect(inside, option.palette.button());

    QStyleOptionButton label = option;
    label.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (!isEnabled()) {
        // Engraved, as a disabled classic button shows its caption: a light copy 1px down and right.
        const QColor dark = option.palette.color(QPalette::Disabled, QPalette::ButtonText).darker(130);
        label.palette.setColor(QPalette::Disabled, QPalette::ButtonText, option.palette.color(QPalette::Light));
        label.rect.translate(1, 1);
        painter.drawControl(QStyle::CE_PushButtonLabel, label);
        label.rect.translate(-1, -1);
        label.palette.setColor(QPalette::Disabled, QPalette::ButtonText, dark);
    }
    painter.drawControl(QStyle::CE_PushButtonLabel, label);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = inside;
        focus.backgroundColor = option.palette.button().color();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
