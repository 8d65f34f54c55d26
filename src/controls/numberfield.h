#pragma once

#include "controls/cachedtext.h"

#include <QWidget>

// A disabled, flat one-line box that only displays a number: greyed text in a
// one-pixel border. It takes no focus and no input.
class NumberField final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Tag READ tag WRITE setTag)
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit NumberField(QWidget *parent = nullptr);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    QString text() const { return m_text.text(); }
    void setText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CachedText m_text;
    int m_tag = 0;
};
