#include "shell/uifonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// The preferred faces that are installed, in order of preference. Naming
// missing faces costs: Qt then looks each one up again, through fontconfig,
// for every piece of text it lays out.
QStringList installed(const QStringList &preferred)
{
    // (QFontDatabase::hasFamily() would ask fontconfig about every missing
    // name; the list of families is already at hand.)
    const QStringList families = QFontDatabase::families();
    QStringList present;
    for (const QString &family : preferred)
        if (families.contains(family))
            present.append(family);
    return present.isEmpty() ? preferred : present;
}

QFont fontOf(const QStringList &families, int pixelSize)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    // Unhinted outlines: the auto-hinter's analysis of the Japanese glyphs
    // cost about 8 ms of start-up, and at these pixel sizes the text looks
    // the same without it.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

QFont ProportionalFont(int pixelSize)
{
    static const QStringList families =
        installed({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                   QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    return fontOf(families, pixelSize);
}

QFont FixedPitchFont(int pixelSize)
{
    static const QStringList families =
        installed({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                   QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
    return fontOf(families, pixelSize);
}
