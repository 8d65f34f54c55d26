#pragma once

#include <QLineEdit>

// A disabled, flat one-line box that only displays a number: a one-pixel
// border instead of a sunken edge.
class NumberField final : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(int Tag READ tag WRITE setTag)

public:
    explicit NumberField(QWidget *parent = nullptr);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_tag = 0;
};
