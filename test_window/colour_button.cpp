#include "colour_button.h"

#include "common/window_support.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

ColourButton::ColourButton(const QString &text, const QColor &face, QWidget *parent)
    : QPushButton(text, parent)
{
    setRole(this, QPalette::Button, face);
}

void ColourButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = rect();
    const bool down = isDown() || isChecked();
    painter.fillRect(r, palette().color(QPalette::Button));
    qDrawWinButton(&painter, r, palette(), down, nullptr);

    QRect textRect = r.adjusted(3, 3, -3, -3);
    if (down)
        textRect.translate(1, 1);
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
        painter.drawText(textRect, flags, text());
    } else {
        // Engraved, as a disabled classic button shows its caption.
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(textRect.translated(1, 1), flags, text());
        painter.setPen(palette().color(QPalette::Disabled, QPalette::ButtonText).darker(130));
        painter.drawText(textRect, flags, text());
    }

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = r.adjusted(4, 4, -4, -4);
        option.backgroundColor = palette().color(QPalette::Button);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
