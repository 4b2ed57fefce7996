#include "widgets/picture_box.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

PictureBox::PictureBox(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    if (m_picture.cacheKey() == picture.cacheKey())
        return;
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect inside = rect();
    if (m_framed) {
        qDrawShadePanel(&painter, inside, palette(), true, 2);
        inside.adjust(2, 2, -2, -2);
    }
    if (!m_picture.isNull()) {
        painter.setClipRect(inside);
        painter.drawPixmap(inside.topLeft(), m_picture);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = inside.adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
