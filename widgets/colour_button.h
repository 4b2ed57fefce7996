#pragma once

#include <QPushButton>

// A command button in its own face colour: the style draws its bevel, focus and caption, and the
// face shows the exact colour, where a style would paint its own gradient over a palette colour.
class ColourButton : public QPushButton
{
    Q_OBJECT

public:
    ColourButton(const QString &text, const QColor &face, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
