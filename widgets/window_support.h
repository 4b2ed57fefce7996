#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>

#include <functional>
#include <thread>

class QWidget;

// What every window of the program does alike.

// The design's font, "Times New Roman" 12 pt: the windows are laid out in it.
QFont designFont();

// A colour value, red + 256 * green + 65536 * blue (see ColourValue), as a colour.
QColor colourOf(quint32 value);

// A rectangle laid out in twips, in logical pixels.
QRect twipsRect(int left, int top, int width, int height);

void setRole(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

// Names a control for tests and for assistive technology: its object name (the design's name
// and index), what a screen reader calls it, and what it is for, which is also its tooltip.
// An empty text leaves that one unset.
void describe(QWidget *widget, const QString &objectName, const QString &accessibleName,
              const QString &description);

// The window manager's frame is known only once a window is framed, after it shows: fit, which
// sizes the window for its frame, runs again then, on every showing.
void fitAgainWhenFramed(QWidget *window, std::function<void()> fit);

// The application's window icon, from PNGs at 16 to 256 pixels (pathPattern with %1 for the size),
// set once the window has shown its first frame: reading the pictures (and loading the image
// plugins that do it) was a tenth of the work before that frame.
void setWindowIconAfterFirstFrame(QWidget *window, const QString &pathPattern);

// Reads the system's font configuration on a thread of its own from the start of main(), while the
// application connects to the display: it was a quarter of the work before the first frame, and
// the first text shown would otherwise wait for it. wait() before the first widget is made.
// Without fontconfig (Windows) it does nothing.
class FontConfigPreload
{
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload &) = delete;
    FontConfigPreload &operator=(const FontConfigPreload &) = delete;
    void wait();

private:
    std::thread m_thread;
};
