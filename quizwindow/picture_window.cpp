#include "quizwindow/picture_window.h"

#include "core/content.h"
#include "core/twips.h"
#include "widgets/picture_box.h"
#include "widgets/window_support.h"

#include <QCloseEvent>

PictureWindow::PictureWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_box(new PictureBox(this))
{
    setObjectName(QStringLiteral("ZORT_Graphika"));
    setWindowTitle(QString::fromUtf16(kMakerAddress) + QStringLiteral(" - ZORT picture"));
    m_box->setObjectName(QStringLiteral("Graphika_0"));
    m_box->setFramed(false);
    m_box->setFocusPolicy(Qt::NoFocus);
    m_box->setAccessibleName(QStringLiteral("Картина"));
    m_box->setGeometry(0, 0, twips(1695), twips(1815));
    fitAgainWhenFramed(this, [this] { fitOuterSize(); });
}

QSize PictureWindow::boxSize(const QPixmap &picture)
{
    return picture.isNull() ? QSize(twips(1695), twips(1815)) : picture.deviceIndependentSize().toSize();
}

const QPixmap &PictureWindow::picture() const
{
    return m_box->picture();
}

void PictureWindow::showPicture(const QPixmap &picture)
{
    const QSize box = boxSize(picture);
    m_box->setGeometry(QRect(QPoint(0, 0), box));
    m_box->setPicture(picture);

    m_outer = box + QSize(twips(100), twips(250));
    fitOuterSize();
    show();
    raise();
    fitOuterSize(); // the platform may have framed it now
}

void PictureWindow::fitOuterSize()
{
    // The frame is known only once the window is framed; until then the whole outer size goes to
    // the client area.
    const QSize frame = frameGeometry().size() - geometry().size();
    setFixedSize(m_outer - frame);
}

void PictureWindow::closeEvent(QCloseEvent *event)
{
    Q_EMIT closedByUser();
    event->accept();
}
