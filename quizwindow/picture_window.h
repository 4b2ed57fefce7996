#pragma once

#include <QWidget>

class PictureBox;

// The picture window: the small tool window that shows the current item's picture at its stored size.
class PictureWindow : public QWidget
{
    Q_OBJECT

public:
    explicit PictureWindow(QWidget *parent = nullptr);

    // Shows the picture modeless; the window's outer size is the picture's size plus
    // 100 x 250 twips for the border and the caption.
    void showPicture(const QPixmap &picture);
    const QPixmap &picture() const;

    // The size of the display box for a picture: its own size, or an empty box's laid-out size.
    static QSize boxSize(const QPixmap &picture);

Q_SIGNALS:
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void fitOuterSize();

    PictureBox *m_box;
    QSize m_outer;
};
