#include "uifonts.h"

#include <QStringList>

namespace {

QFont fontOf(const QStringList &families, int pixelSize)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

QFont ProportionalFont(int pixelSize)
{
    return fontOf({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                   QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")},
                  pixelSize);
}

QFont FixedPitchFont(int pixelSize)
{
    return fontOf({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                   QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")},
                  pixelSize);
}
