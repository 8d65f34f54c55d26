#include "cmap/tagtext.h"

#include "controls/colorbridge.h"

using namespace cSpace;

QString TagText(int tagType, const SchemeColors &scheme)
{
    if (tagType < 0 || tagType >= TagTypeCount)
        return {};
    const TagTypeForm &form = TagTypeForms[std::size_t(tagType)];
    QString text = form.text.toString();
    if (form.part)
        return text.arg(PageColorText(scheme[*form.part]));
    for (const SchemeElement element :
         {ElementBackground, ElementText, ElementLink, ElementVisitedLink, ElementClickedLink})
        text = text.arg(PageColorText(scheme[element]));
    return text;
}
