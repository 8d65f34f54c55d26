#pragma once

#include <QProxyStyle>

// The application's style: the platform's, except that hints show once the
// pointer has rested half a second (how long they stay is set per control).
class HintTimingStyle final : public QProxyStyle
{
public:
    static constexpr int WakeUpDelayMs = 500;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;
};
