#pragma once

#include <QPushButton>

// A command button drawn flat in its own background colour with a classic bevel, so its face
// shows the exact colour; a style would paint its own gradient over a palette colour.
class ColourButton : public QPushButton
{
    Q_OBJECT

public:
    ColourButton(const QString &text, const QColor &face, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
