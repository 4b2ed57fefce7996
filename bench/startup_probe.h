#pragma once

#include <QApplication>
#include <QPointer>

// Timing hooks for the start-up programs: the moment main() is entered and the end of the first
// complete paint of one window, both on the system-wide monotonic clock so that the launching
// driver can subtract its own time of exec. The hook prints one line and ends the program:
//   main_ns=<n> frame_ns=<n> hwm_kib=<n> paints=<n> lazy=<0|1> style_sheets=<n>
class ProbeApplication : public QApplication
{
public:
    ProbeApplication(int &argc, char **argv);

    // Monotonic time in nanoseconds.
    static qint64 now();
    // Call first thing in main().
    static void markMain();

    // The window whose first frame ends the run; lazyCheck tells whether the secondary windows
    // are still unbuilt when it is on screen (the bare window passes a constant true).
    void watch(QWidget *window, std::function<bool()> lazyCheck);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void finish(qint64 frameNs);

    QPointer<QWidget> m_window;
    std::function<bool()> m_lazyCheck;
    qint64 m_paints = 0;
    bool m_done = false;
};
