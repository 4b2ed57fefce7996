#include "widgets/window_support.h"

#include "core/appearance.h"
#include "core/twips.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <QWidget>

#ifdef ZORT_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

QFont designFont()
{
    return QFont(kDesignFace, kDesignPoints);
}

QColor colourOf(quint32 value)
{
    const ColourSplit split = ColourValue::split(value);
    return QColor(split.red, split.green, split.blue);
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

void setRole(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void describe(QWidget *widget, const QString &objectName, const QString &accessibleName,
              const QString &description)
{
    widget->setObjectName(objectName);
    if (!accessibleName.isEmpty())
        widget->setAccessibleName(accessibleName);
    if (!description.isEmpty()) {
        widget->setToolTip(description);
        widget->setAccessibleDescription(description);
    }
}

void fitAgainWhenFramed(QWidget *window, std::function<void()> fit)
{
    struct ShowWatcher : QObject
    {
        std::function<void()> fit;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Show)
                QTimer::singleShot(0, watched, fit);
            return false;
        }
    };
    auto *watcher = new ShowWatcher;
    watcher->setParent(window);
    watcher->fit = std::move(fit);
    window->installEventFilter(watcher);
}

void setWindowIconAfterFirstFrame(QWidget *window, const QString &pathPattern)
{
    struct FirstPaint : QObject
    {
        QString pattern;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint) {
                watched->removeEventFilter(this);
                QTimer::singleShot(0, this, [this] {
                    QIcon icon;
                    for (int size : {16, 24, 32, 48, 64, 128, 256})
                        icon.addFile(pattern.arg(size), QSize(size, size));
                    QApplication::setWindowIcon(icon);
                    deleteLater();
                });
            }
            return false;
        }
    };
    auto *watcher = new FirstPaint;
    watcher->setParent(window);
    watcher->pattern = pathPattern;
    window->installEventFilter(watcher);
}

FontConfigPreload::FontConfigPreload()
{
#ifdef ZORT_HAVE_FONTCONFIG
    // Qt's font database calls FcInit() again later, which then finds the configuration loaded.
    m_thread = std::thread([] { FcInit(); });
#endif
}

FontConfigPreload::~FontConfigPreload()
{
    wait();
}

void FontConfigPreload::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}
