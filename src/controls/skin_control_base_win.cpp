#include "controls/skin_control_base_win.h"

#include "controls/control_font_win.h"
#include "controls/skin_look.h"
#include "framework/base/property_table.h"
#include "framework/win/window_region.h"
#include "raster/bitmap_win.h"
#include "raster/caption_win.h"
#include "raster/compose_win.h"
#include "raster/effect_bmp.h"
#include "skin/skin_data.h"

namespace vt {

// --- TSkinControlLayer ------------------------------------------------------------------------

template <class Base>
TSkinControlLayer<Base>::TSkinControlLayer(TComponent* owner) : Base(owner)
{
}

template <class Base> const TspSkinData* TSkinControlLayer<Base>::LoadedSkin() const
{
    const TspSkinData* sd = FSD.get();
    return sd && !sd->Empty ? sd : nullptr;
}

template <class Base> void TSkinControlLayer<Base>::SetSkinData(TspSkinData* value)
{
    FSD = value;
    if (LoadedSkin())
        ChangeSkinData();
}

template <class Base> void TSkinControlLayer<Base>::SetDrawDefault(bool value)
{
    if (FDrawDefault == value)
        return;
    FDrawDefault = value;
    if (!HasRecord())
        Refresh();
}

template <class Base> void TSkinControlLayer<Base>::SetAlphaBlend(bool value)
{
    FAlphaBlend = value;
    Refresh();
}

template <class Base> void TSkinControlLayer<Base>::SetAlphaBlendValue(uint8_t value)
{
    FAlphaBlendValue = value;
    Refresh();
}

template <class Base> TRecordLookup TSkinControlLayer<Base>::LookupRecord() const
{
    return FindControlRecord<TspDataSkinControl>(FSD.get(), FSkinDataName);
}

template <class Base> void TSkinControlLayer<Base>::GetSkinData()
{
    TRecordLookup found = LookupRecord();
    FIndex = found.Index;
    CursorIndex = found ? found.Record->CursorIndex : -1;
}

template <class Base> void TSkinControlLayer<Base>::ChangeSkinData()
{
    GetSkinData();
    TControlGeometry none;
    none.Assign(std::nullopt);
    TSkinChangeInput in;
    in.Layer = TControlLayer::clPlain;
    in.UseSkinCursor = FUseSkinCursor;
    in.StartCursorIndex = FSD ? FSD->StartCursorIndex : 1;
    if (HasRecord()) {
        none.HasRecord = true;
        none.Record.CursorIndex = CursorIndex;
    }
    TSkinChangePlan plan = PlanSkinChange(none, in);
    if (plan.Cursor)
        this->SetCursor(*plan.Cursor == -1 ? crDefault : *plan.Cursor);
    Refresh();
}

template <class Base> void TSkinControlLayer<Base>::CheckParentBackground()
{
    if (!FAlphaBlend)
        return;
    Refresh();
    CheckControlsBackground();
}

template <class Base> void TSkinControlLayer<Base>::CheckControlsBackground()
{
    if constexpr (kWindowed) {
        for (int i = 0; i < this->ControlCount(); ++i) {
            TControl* c = this->Controls(i);
            auto* w = dynamic_cast<TWinControl*>(c);
            if (w && w->HandleAllocated())
                SendMessageW(w->Handle(), SKINMSG_PARENT_BG_CHANGED, 0, 0);
            else if (!c->IsWindowed())
                c->Perform(SKINMSG_PARENT_BG_CHANGED);
        }
    }
}

template <class Base> void TSkinControlLayer<Base>::Refresh()
{
    if (this->IsLoading())
        return;
    this->Invalidate();
}

template <class Base> void TSkinControlLayer<Base>::RenderDefaultLook(TspBitmap& bitmap)
{
    bitmap.Clear(ColorToPixel(clBtnFace, 255));
}

template <class Base> void TSkinControlLayer<Base>::Paint()
{
    const int w = this->Width(), h = this->Height();
    if (w < 1 || h < 1)
        return;
    GetSkinData();
    PrepareGeometry();
    TPaintInput in;
    in.Width = w;
    in.Height = h;
    in.HasRecord = HasRecord();
    in.Mode = PaintMode();
    in.Windowed = kWindowed;
    in.ForceBackground = ForceBackgroundPaint();
    in.AlphaBlend = FAlphaBlend;
    in.DrawDefault = FDrawDefault;
    TPaintChoice choice = ChoosePaint(in);

    TspBitmap look;
    look.SetSize(w, h);
    look.Clear(0);
    switch (choice.Look) {
    case TPaintLook::plNothing:
        return;
    case TPaintLook::plSplitFrame:
        RenderSplitFrame(look);
        break;
    case TPaintLook::plSkin:
        RenderSkinLook(look);
        break;
    case TPaintLook::plDefault:
        RenderDefaultLook(look);
        break;
    case TPaintLook::plParentImage:
        PaintParentBackground(*this, GetCanvas(look));
        break;
    }
    if (choice.BlendOverParent && !look.Empty()) {
        TspBitmap parent;
        parent.SetSize(look.Width(), look.Height());
        parent.Clear(ColorToPixel(clBtnFace, 255));
        PaintParentBackground(*this, GetCanvas(parent));
        TspEffectBmp mixed(look.View());
        mixed.Morph(TspEffectBmp(parent.View()), AlphaBlendFactor(FAlphaBlendValue));
        mixed.ToBitmap(look);
    }
    if (HDC src = BitmapDC(look))
        BitBlt(this->Canvas().Handle(), 0, 0, look.Width(), look.Height(), src, 0, 0, SRCCOPY);
}

template <class Base> void TSkinControlLayer<Base>::WndProc(TMessage& msg)
{
    switch (msg.Msg) {
    case WM_PAINT:
        if constexpr (kWindowed) {
            FromWMPaint = true;
            try {
                Base::WndProc(msg);
            } catch (...) {
                FromWMPaint = false;
                throw;
            }
            FromWMPaint = false;
            return;
        }
        break;
    case WM_ERASEBKGND:
        msg.Result = 1;
        return;
    case WM_MOVE:
        Base::WndProc(msg);
        if (FAlphaBlend)
            Refresh();
        return;
    case SKINMSG_PARENT_BG_CHANGED:
        if constexpr (kWindowed)
            CheckParentBackground();
        else if (FAlphaBlend)
            Refresh();
        return;
    default:
        break;
    }
    Base::WndProc(msg);
}

template <class Base> bool TSkinControlLayer<Base>::SetProperty(const String& name, const TPropValue& value)
{
    using Self = TSkinControlLayer<Base>;
    using Row = TPropertyRow<Self>;
    static const Row rows[] = {
        {L"SkinDataName", [](Self& c, const TPropValue& v) { c.SetSkinDataName(v.AsString()); }},
        {L"DrawDefault", [](Self& c, const TPropValue& v) { c.SetDrawDefault(v.AsBoolean()); }},
        {L"AreaName", [](Self& c, const TPropValue& v) { c.SetAreaName(v.AsString()); }},
        {L"AlphaBlend", [](Self& c, const TPropValue& v) { c.SetAlphaBlend(v.AsBoolean()); }},
        {L"AlphaBlendValue", [](Self& c, const TPropValue& v) { c.SetAlphaBlendValue(ByteValue(v)); }},
        {L"UseSkinCursor", [](Self& c, const TPropValue& v) { c.SetUseSkinCursor(v.AsBoolean()); }},
        {L"HintTitle", [](Self& c, const TPropValue& v) { c.SetHintTitle(v.AsString()); }},
        {L"HintImageIndex", [](Self& c, const TPropValue& v) { c.SetHintImageIndex(v.AsInteger()); }},
    };
    return SetFromTable(*this, rows, name, value) || Base::SetProperty(name, value);
}

template <class Base> bool TSkinControlLayer<Base>::SetReference(const String& name, TComponent* value)
{
    if (SameDescriptionName(name, L"SkinData")) {
        auto* sd = dynamic_cast<TspSkinData*>(value);
        if (value && !sd)
            return false;
        SetSkinData(sd);
        return true;
    }
    if (SameDescriptionName(name, L"HintImageList")) {
        auto* list = dynamic_cast<TCustomImageList*>(value);
        if (value && !list)
            return false;
        SetHintImageList(list);
        return true;
    }
    return Base::SetReference(name, value);
}

// --- TSkinCustomControlLayer ------------------------------------------------------------------

template <class Plain>
TSkinCustomControlLayer<Plain>::TSkinCustomControlLayer(TComponent* owner) : Plain(owner)
{
    FDefaultFont.SetName(L"Tahoma");
    FDefaultFont.SetHeight(13);
    FDefaultFont.SetStyle(0);
    FDefaultFont.OnChange = [this] {
        DefaultFontChanged();
        if (!this->HasRecord())
            this->Refresh();
    };
}

template <class Plain> TSkinCustomControlLayer<Plain>::~TSkinCustomControlLayer()
{
    FDefaultFont.OnChange = nullptr;
}

template <class Plain> void TSkinCustomControlLayer<Plain>::SetDefaultWidth(int value)
{
    FDefaultWidth = value;
    if (!this->HasRecord() && value > 0)
        this->SetWidth(value);
}

template <class Plain> void TSkinCustomControlLayer<Plain>::SetDefaultHeight(int value)
{
    FDefaultHeight = value;
    if (!this->HasRecord() && value > 0)
        this->SetHeight(value);
}

template <class Plain> TRecordLookup TSkinCustomControlLayer<Plain>::LookupRecord() const
{
    return FindControlRecord<TspDataSkinCustomControl>(this->SkinData(), this->SkinDataName());
}

template <class Plain> void TSkinCustomControlLayer<Plain>::GetSkinData()
{
    Plain::GetSkinData();
    std::optional<TSkinRecordGeometry> record;
    if (this->HasRecord()) {
        const TspSkinData& sd = *this->SkinData();
        const auto& r = static_cast<const TspDataSkinCustomControl&>(*sd.CtrlList[static_cast<size_t>(this->FIndex)]);
        record = CopyRecordGeometry(sd, r, kWindowed);
    }
    geometry_.Assign(record);
}

template <class Plain> TPixelView TSkinCustomControlLayer<Plain>::ActivePicture(int32_t index) const
{
    const TspSkinData* sd = this->LoadedSkin();
    if (!this->HasRecord() || !sd || index < 0 || static_cast<size_t>(index) >= sd->FActivePictures.size())
        return {};
    return sd->FActivePictures[static_cast<size_t>(index)]->View();
}

template <class Plain> TPixelView TSkinCustomControlLayer<Plain>::Picture() const
{
    return ActivePicture(geometry_.Record.Picture);
}

template <class Plain> TPixelView TSkinCustomControlLayer<Plain>::MaskPicture() const
{
    return ActivePicture(geometry_.Record.MaskPicture);
}

template <class Plain> void TSkinCustomControlLayer<Plain>::PrepareGeometry()
{
    int w = this->Width(), h = this->Height();
    CalcSkinSize(w, h);
}

template <class Plain> void TSkinCustomControlLayer<Plain>::RenderSkinRect(TspBitmap& bitmap, TPixelView picture,
                                                                           const TRect& rect)
{
    vt::RenderSkinRect(bitmap, picture, rect, geometry_, FForceBackground, this->Width(), this->Height());
}

template <class Plain> void TSkinCustomControlLayer<Plain>::RenderSkinLook(TspBitmap& bitmap)
{
    RenderSkinRect(bitmap, Picture(), geometry_.Record.SkinRect);
}

template <class Plain> void TSkinCustomControlLayer<Plain>::RenderSplitFrame(TspBitmap& bitmap)
{
    ComposeSplitFrame(bitmap, Picture(), geometry_, this->Width(), this->Height(), FDrawbackground,
                      [this](TspBitmap& top) { this->RenderSkinLook(top); });
}

template <class Plain> void TSkinCustomControlLayer<Plain>::ChangeSkinData()
{
    GetSkinData();
    TSkinChangeInput in;
    in.Layer = kWindowed ? TControlLayer::clWindowedCustom : TControlLayer::clGraphicCustom;
    in.UseSkinCursor = this->UseSkinCursor();
    in.StartCursorIndex = this->SkinData() ? this->SkinData()->StartCursorIndex : 1;
    in.DefaultWidth = FDefaultWidth;
    in.DefaultHeight = FDefaultHeight;
    in.Width = this->Width();
    in.Height = this->Height();
    TSkinChangePlan plan = PlanSkinChange(geometry_, in);
    if (plan.Cursor)
        this->SetCursor(*plan.Cursor == -1 ? crDefault : *plan.Cursor);
    if (plan.NewSize)
        SetBounds(this->Left(), this->Top(), plan.NewSize->X, plan.NewSize->Y);
    if (plan.ApplyRegion)
        ApplySkinRegion();
    if (plan.Repaint)
        this->Refresh();
}

template <class Plain> void TSkinCustomControlLayer<Plain>::SetBounds(int left, int top, int width, int height)
{
    GetSkinData();
    TBoundsPlan plan = PlanSetBounds(geometry_, this->BoundsRect(), Bounds(left, top, width, height), kWindowed);
    Plain::SetBounds(plan.Bounds.Left, plan.Bounds.Top, plan.Bounds.Width(), plan.Bounds.Height());
    if (plan.ApplyRegion)
        ApplySkinRegion();
    if (plan.Repaint)
        this->Refresh();
    if (plan.CheckControlsBackground)
        this->CheckControlsBackground();
}

template <class Plain> void TSkinCustomControlLayer<Plain>::ApplySizeRule()
{
    if (this->IsLoading())
        return;
    int w = this->Width(), h = this->Height();
    GetSkinData();
    CalcSkinSize(w, h);
    SetBounds(this->Left(), this->Top(), w, h);
    // An unchanged size leaves the geometry as the record has it: move it before cutting.
    PrepareGeometry();
    ApplySkinRegion();
}

template <class Plain> void TSkinCustomControlLayer<Plain>::ApplySkinRegion()
{
    if constexpr (kWindowed) {
        if (!this->Parent() || !this->HandleAllocated())
            return;
        std::optional<TRegion> region;
        if (this->HasRecord())
            region = SkinRegion(geometry_, MaskPicture(), this->Width(), this->Height());
        if (!region) {
            if (regionApplied_)
                SetWindowRegion(this->Handle(), nullptr, true);
            regionApplied_ = false;
            return;
        }
        HRGN rgn = RegionToHandle(*region);
        regionApplied_ = rgn && SetWindowRegion(this->Handle(), rgn, true);
    }
}

template <class Plain> void TSkinCustomControlLayer<Plain>::WndProc(TMessage& msg)
{
    Plain::WndProc(msg);
    if constexpr (kWindowed) {
        // A window made after the skin was applied takes its region now.
        if (msg.Msg == WM_CREATE) {
            regionApplied_ = false;
            GetSkinData();
            PrepareGeometry();
            ApplySkinRegion();
        }
    }
}

template <class Plain>
bool TSkinCustomControlLayer<Plain>::SetProperty(const String& name, const TPropValue& value)
{
    using Self = TSkinCustomControlLayer<Plain>;
    using Row = TPropertyRow<Self>;
    static const Row rows[] = {
        {L"UseSkinFont", [](Self& c, const TPropValue& v) { c.SetUseSkinFont(v.AsBoolean()); }},
        {L"DefaultWidth", [](Self& c, const TPropValue& v) { c.SetDefaultWidth(v.AsInteger()); }},
        {L"DefaultHeight", [](Self& c, const TPropValue& v) { c.SetDefaultHeight(v.AsInteger()); }},
    };
    return SetFromTable(*this, rows, name, value) || SetDefaultFontProperty(FDefaultFont, name, value) ||
           Plain::SetProperty(name, value);
}

} // namespace vt

// The four classes' layers; the instantiations live here so the code above is compiled once.
#include "controls/graphic_skin_control_win.h"
#include "controls/skin_control_win.h"

namespace vt {
template class TSkinControlLayer<TCustomControl>;
template class TSkinControlLayer<TGraphicControl>;
template class TSkinCustomControlLayer<TspSkinControl>;
template class TSkinCustomControlLayer<TspGraphicSkinControl>;
} // namespace vt
