#pragma once

#include <QGroupBox>

// A group's frame with its caption set into the top edge: an etched line
// whose top runs through the middle of the caption's text height, broken
// where the caption stands, 8 pixels in from the left.
class GroupFrame : public QGroupBox
{
    Q_OBJECT

public:
    explicit GroupFrame(QWidget *parent = nullptr);

    // The caption's text height: the font's pixel height, which is what the
    // window's layout is measured in.
    int textHeight() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
