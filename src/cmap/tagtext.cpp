#include "cmap/tagtext.h"

#include "controls/colorbridge.h"

using namespace cSpace;

QString TagText(int tagType, const SchemeColors &scheme)
{
    const auto colour = [&scheme](SchemeElement element) {
        return PageColorText(scheme[element]);
    };
    switch (TagType(tagType)) {
    case TagType::Body:
        return QStringLiteral(
                   "<BODY BGCOLOR=\"%1\" TEXT=\"%2\" LINK=\"%3\" VLINK=\"%4\" ALINK=\"%5\">")
            .arg(colour(ElementBackground), colour(ElementText), colour(ElementLink),
                 colour(ElementVisitedLink), colour(ElementClickedLink));
    case TagType::Font:
        return QStringLiteral("<FONT COLOR=\"%1\">").arg(colour(ElementText));
    case TagType::Rule:
        return QStringLiteral("<HR COLOR=\"%1\">").arg(colour(ElementRule));
    case TagType::TableCell:
        return QStringLiteral("<TD BGCOLOR=\"%1\">").arg(colour(ElementTable));
    case TagType::ColorAttribute:
        return QStringLiteral("COLOR=\"%1\"").arg(colour(ElementText));
    case TagType::BackgroundAttribute:
        return QStringLiteral("BGCOLOR=\"%1\"").arg(colour(ElementBackground));
    case TagType::Hex:
        return colour(ElementBackground);
    }
    return {};
}
