#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A picture box: shows its picture at the picture's own size from the top left corner, never
// scaled, cut off at the box's edges. It is a button so that a click, Space or an assistive
// technology's press all count as a click.
class PictureBox : public QAbstractButton
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }
    void setFramed(bool framed) { m_framed = framed; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    bool m_framed = true;
};
