// The application's caption extras, as its main form describes them: the menu button "E&mlor"
// (90 px, image 5, margin and spacing 10), five quick buttons (two on the right, "Negocio" with a
// menu; a radio pair of which the second is down, and a toggle on the left) and three tabs at the
// left, all with images of one list.
#pragma once

#include "form/caption_items.h"

namespace vt::test {

inline void SetApplicationExtras(TspCaptionExtras& extras, TCustomImageList* images, TPopupMenu* negocioMenu)
{
    extras.SetMenuButtonVisible(true);
    extras.SetMenuButtonWidth(90);
    extras.SetMenuButtonCaption(L"E&mlor");
    extras.SetMenuButtonImageList(images);
    extras.SetMenuButtonImageIndex(5);
    extras.SetMenuButtonSpacing(10);
    extras.SetMenuButtonMargin(10);
    extras.SetQuickImageList(images);
    const struct {
        TspQuickButtonPos Position;
        int Group;
        bool AllowAllUp, Down;
        int Image;
        const wchar_t* Caption;
        bool Menu;
    } quick[] = {{spqbpRight, 0, false, false, 6, L"", false},
                 {spqbpRight, 0, false, false, 2, L"Negocio", true},
                 {spqbpLeft, 1, false, false, 7, L"", false},
                 {spqbpLeft, 1, false, true, 8, L"", false},
                 {spqbpLeft, 2, true, false, 9, L"", false}};
    for (const auto& q : quick) {
        TspQuickButtonItem& item = *extras.QuickButtons.Add();
        item.SetPosition(q.Position);
        item.SetGroupIndex(q.Group);
        item.SetAllowAllUp(q.AllowAllUp);
        item.SetDown(q.Down);
        item.SetImageIndex(q.Image);
        item.SetCaption(q.Caption);
        if (q.Menu)
            item.SetPopupMenu(negocioMenu);
    }
    extras.SetCaptionTabsImageList(images);
    int image = 0;
    for (const wchar_t* caption : {L"F&restol", L"Belvani&os", L"Belvani&as"}) {
        TspCaptionTab& tab = *extras.CaptionTabs.Add();
        tab.SetCaption(caption);
        tab.SetImageIndex(image++);
    }
}

} // namespace vt::test
