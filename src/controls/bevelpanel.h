#pragma once

#include "controls/cachedtext.h"
#include "controls/clickablecontrol.h"
#include "controls/frames.h"

// A panel: a rectangle in its colour with an outer and an inner bevel, a
// border between them, and an optional caption centred in what is left.
// The window uses it for the page preview, the status line, the colour
// swatches, the table sample and the rule sample.
class BevelPanel final : public ClickableControl
{
    Q_OBJECT
    Q_PROPERTY(BevelStyle bevelOuter READ bevelOuter WRITE setBevelOuter)
    Q_PROPERTY(BevelStyle bevelInner READ bevelInner WRITE setBevelInner)
    Q_PROPERTY(int bevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(int borderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)

public:
    // The form names the bevels BevelPanel::None, ::Lowered and ::Raised.
    using enum BevelStyle;

    explicit BevelPanel(QWidget *parent = nullptr);

    BevelStyle bevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(BevelStyle bevel);
    BevelStyle bevelInner() const { return m_bevelInner; }
    void setBevelInner(BevelStyle bevel);
    int bevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    QString caption() const { return m_caption.text(); }
    void setCaption(const QString &caption);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    BevelStyle m_bevelOuter = Raised;
    BevelStyle m_bevelInner = None;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    CachedText m_caption;
};
