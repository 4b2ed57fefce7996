#pragma once

#include <QStringList>
#include <QWidget>

// Tells a screen reader a text that changed away from the focus (the counter, the score, an
// explanation), without showing anything. Qt 6.4 has no announcement API; Orca presents an
// accessible notification whenever it reports being shown, wherever the focus is.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);
    // Texts announced by one action are told together once it is done: Orca reads the
    // notification's name when it gets round to the event, so a later text would replace it.
    void announce(const QString &text);

private:
    void tell();

    QStringList m_pending;
};
