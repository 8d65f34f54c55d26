#pragma once

#include "controls/cachedtext.h"
#include "controls/clickablecontrol.h"

// A label that fills its box with its colour (its parent's unless it has its
// own) before drawing its text in its font colour.
class OpaqueLabel final : public ClickableControl
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)

public:
    explicit OpaqueLabel(QWidget *parent = nullptr);

    QString text() const { return m_text.text(); }
    void setText(const QString &text);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wrap);
    // A self-sizing label keeps its left edge and height and takes the
    // width of its text.
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitToText();

    CachedText m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
    bool m_wordWrap = false;
    bool m_autoSize = false;
};
