// SPDX-License-Identifier: MIT
#include "model/drawing_object.h"

#include "common/text.h"
#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <algorithm>

namespace morvane {

// ---------------------------------------------------------------------------------------------
// TDrawingObject

TDrawingObject::TDrawingObject() = default;
TDrawingObject::~TDrawingObject() = default;

void TDrawingObject::Init(TColor color)
{
    Color = color;
    m_Cursor = crSizeAll;
    Mode = omNormal;
}

void TDrawingObject::NoteLinkChange() const
{
    if (m_owner)
        m_owner->NoteLinkChange();
}

std::int32_t TDrawingObject::xUnit() const
{
    return m_owner ? m_owner->xBaseUnit() : 1;
}
std::int32_t TDrawingObject::yUnit() const
{
    return m_owner ? m_owner->yBaseUnit() : 1;
}

// Without an owner there is no base unit, so an object outside a document keeps its coordinates.
void TDrawingObject::SetLeft(std::int32_t v)
{
    if (!m_owner)
        return;
    m_Left = v;
    GridLeft = v / xUnit();
}
void TDrawingObject::SetTop(std::int32_t v)
{
    if (!m_owner)
        return;
    m_Top = v;
    GridTop = v / yUnit();
}
void TDrawingObject::SetRight(std::int32_t v)
{
    if (!m_owner)
        return;
    m_Right = v;
    GridRight = v / xUnit();
}
void TDrawingObject::SetBottom(std::int32_t v)
{
    if (!m_owner)
        return;
    m_Bottom = v;
    GridBottom = v / yUnit();
}

std::int32_t LabelPrefixLength(std::string_view label)
{
    const std::u32string text = Utf8ToUtf32(label);
    const std::size_t length = text.size();
    // i counts characters from 1 and stops at the first digit or at the last character.
    std::size_t i = 1;
    while (i < length && !(text[i - 1] >= U'0' && text[i - 1] <= U'9'))
        ++i;
    return i > 1 ? std::int32_t(i - 1) : 1;
}

void TDrawingObject::SetselfLabel(const std::string &label)
{
    m_selfLabel = label;
    m_PrefixLength = LabelPrefixLength(label);
}

std::string TDrawingObject::GetBase() const
{
    return m_selfLabel.substr(0, Utf8Offset(m_selfLabel, std::size_t(m_PrefixLength)));
}

std::string TDrawingObject::GetIndex() const
{
    return m_selfLabel.substr(Utf8Offset(m_selfLabel, std::size_t(m_PrefixLength)));
}

void TDrawingObject::SetBase(const std::string &base)
{
    m_selfLabel = base + GetIndex();
    m_PrefixLength = std::int32_t(Utf8Length(base));
}

void TDrawingObject::SetIndex(const std::string &index)
{
    m_selfLabel = GetBase() + index;
}

void TDrawingObject::CopyCommonTo(TDrawingObject &dest) const
{
    dest.Color = Color;
    dest.Mode = Mode;
    dest.SetselfLabel(m_selfLabel);
    dest.SetLeft(m_Left);
    dest.SetTop(m_Top);
    dest.SetRight(m_Right);
    dest.SetBottom(m_Bottom);
    dest.m_Height = m_Height;
    dest.m_Width = m_Width;
    dest.isOutLined(m_Outlined);
}

void TDrawingObject::AssignTo(TDrawingObject &dest) const
{
    CopyCommonTo(dest);
}

std::shared_ptr<TDrawingObject> TDrawingObject::Copy(TDrawingObjects *newOwner) const
{
    auto copy = NewOfSameClass();
    if (newOwner)
        newOwner->Insert(copy);
    CopyCommonTo(*copy);
    return copy;
}

void TDrawingObject::Record(std::uint8_t kind)
{
    if (m_owner)
        m_owner->Record(this, kind);
}

Canvas *TDrawingObject::OwnerCanvas() const
{
    return m_owner ? m_owner->GetCanvas() : nullptr;
}

void TDrawingObject::PlaceSized(std::int32_t x, std::int32_t y, std::int32_t width,
    std::int32_t height, const std::string &label)
{
    SetLeft(x);
    SetTop(y);
    m_Width = width;
    m_Height = height;
    SetRight(WrapAdd(m_Left, m_Width));
    SetBottom(WrapAdd(m_Top, m_Height));
    SetselfLabel(label);
    Record(ukCreated);
}

void TDrawingObject::Place(std::int32_t x, std::int32_t y, const std::string &label)
{
    PlaceSized(x, y, Globals().XPsize, Globals().YPsize, label);
}

void TDrawingObject::Edit(std::int32_t, std::int32_t)
{
    Record(ukChanged);
    Mode = omEdited;
    Draw();
}

void TDrawingObject::Settle()
{
    Erase();
    SetLeft(WrapMul(GridLeft, xUnit()));
    SetTop(WrapMul(GridTop, yUnit()));
    SetRight(WrapMul(GridRight, xUnit()));
    SetBottom(WrapMul(GridBottom, yUnit()));
    Draw();
}

std::uint16_t TDrawingObject::HitTest(std::int32_t x, std::int32_t y)
{
    return ContainsPoint(x, y) ? htInside : htNone;
}

std::int32_t TDrawingObject::AttachX(std::int32_t &x, std::int32_t d) const
{
    const std::int32_t c = std::int32_t((std::int64_t(m_Left) + m_Right) / 2);
    if (c < x)
        return WrapAdd(m_Right, d);
    if (c > x)
        return WrapSub(m_Left, d);
    return x;
}

void TDrawingObject::MoveBy(std::int32_t dx, std::int32_t dy)
{
    Record(ukChanged);
    Draw();
    SetLeft(WrapAdd(m_Left, dx));
    SetTop(WrapAdd(m_Top, dy));
    SetRight(WrapAdd(m_Left, m_Width));
    SetBottom(WrapAdd(m_Top, m_Height));
    Draw();
}

bool TDrawingObject::ContainsPoint(std::int32_t x, std::int32_t y) const
{
    return m_Left <= x && x <= m_Right && m_Top <= y && y <= m_Bottom;
}

THitBox TDrawingObject::HitBox(std::int64_t) const
{
    return { m_Left, m_Top, m_Right, m_Bottom };
}

bool TDrawingObject::IntersectsRect(
    std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) const
{
    return !(x2 < m_Left || x1 > m_Right || y2 < m_Top || y1 > m_Bottom);
}

void TDrawingObject::DrawSymbol()
{
    if (m_Outlined)
        DrawSymbolOutline();
    else
        DrawFilledSymbol();
}

// ---------------------------------------------------------------------------------------------
// TPosition

std::shared_ptr<TDrawingObject> TPosition::NewOfSameClass() const
{
    return std::make_shared<TPosition>();
}

namespace {
template <class T> T *LockAs(const std::weak_ptr<TDrawingObject> &w)
{
    return static_cast<T *>(w.lock().get());
}
} // namespace

TArc *TPosition::InArc() const
{
    return LockAs<TArc>(m_InArc);
}
TArc *TPosition::OutArc() const
{
    return LockAs<TArc>(m_OutArc);
}
void TPosition::SetInArc(TArc *arc)
{
    m_InArc = WeakOf(arc);
    NoteLinkChange();
}
void TPosition::SetOutArc(TArc *arc)
{
    m_OutArc = WeakOf(arc);
    NoteLinkChange();
}

void TPosition::AssignTo(TDrawingObject &dest) const
{
    TDrawingObject::AssignTo(dest);
    if (auto *p = dynamic_cast<TPosition *>(&dest)) {
        p->Description = Description;
        p->Priority = Priority;
        p->Capacity = Capacity;
        p->m_InArc = m_InArc;
        p->m_OutArc = m_OutArc;
        p->NoteLinkChange();
        p->Color = Color;
        p->FillColor = FillColor;
    }
}

std::shared_ptr<TDrawingObject> TPosition::Copy(TDrawingObjects *newOwner) const
{
    auto copy = TDrawingObject::Copy(newOwner);
    static_cast<TPosition &>(*copy).FillColor = FillColor;
    return copy;
}

void TPosition::Edit(std::int32_t, std::int32_t)
{
    Draw();
}

// ---------------------------------------------------------------------------------------------
// TTransition

TTransition::TTransition()
{
    isOutLined(true);
}

std::shared_ptr<TDrawingObject> TTransition::NewOfSameClass() const
{
    return std::make_shared<TTransition>();
}

void TTransition::AssignTo(TDrawingObject &dest) const
{
    TDrawingObject::AssignTo(dest);
    if (auto *t = dynamic_cast<TTransition *>(&dest)) {
        t->InArcs = InArcs;
        t->OutArcs = OutArcs;
        t->Color = Color;
        t->FillColor = FillColor;
        t->InIndex = InIndex;
        t->OutIndex = OutIndex;
        t->Priority = Priority;
        t->Description = Description;
        t->TrType = TrType;
    }
}

void TTransition::SnapshotTo(TDrawingObject &dest) const
{
    AssignTo(dest);
    if (auto *t = dynamic_cast<TTransition *>(&dest)) {
        t->Predicates = Predicates;
        t->Capacities = Capacities;
        t->CharFn = CharFn;
        t->ActivationT = ActivationT;
        t->DurationT = DurationT;
    }
}

std::shared_ptr<TDrawingObject> TTransition::Copy(TDrawingObjects *newOwner) const
{
    auto copy = TDrawingObject::Copy(newOwner);
    static_cast<TTransition &>(*copy).FillColor = FillColor;
    return copy;
}

void TTransition::Place(std::int32_t x, std::int32_t y, const std::string &label)
{
    PlaceSized(x, y, Globals().XTsize, Globals().YTsize, label);
}

void TTransition::Edit(std::int32_t, std::int32_t dy)
{
    Record(ukChanged);
    Mode = omEdited;
    Erase();
    const std::int32_t minimum = Globals().YTsize;
    SetHeight(std::max(WrapAdd(Height(), dy), minimum));
    SetRight(WrapAdd(Left(), Width()));
    SetBottom(WrapAdd(Top(), Height()));
    Draw();
}

std::uint16_t TTransition::HitTest(std::int32_t x, std::int32_t y)
{
    std::uint16_t code = ContainsPoint(x, y) ? htInside : htNone;
    const std::int64_t e = Globals().Esize;
    const std::int64_t middle = std::int64_t(Left()) + Width() / 2;
    if (std::abs(std::int64_t(x) - middle) <= e && std::abs(std::int64_t(y) - Bottom()) <= e)
        code = htHeight;
    return code;
}

std::int32_t TTransition::AttachX(std::int32_t &x, std::int32_t d) const
{
    const std::int32_t c = std::int32_t((std::int64_t(Left()) + Right()) / 2);
    if (c < x)
        return WrapAdd(c, d);
    if (c > x)
        return WrapSub(c, d);
    return x;
}

// ---------------------------------------------------------------------------------------------
// TArc

std::shared_ptr<TDrawingObject> TArc::NewOfSameClass() const
{
    return std::make_shared<TArc>();
}

TArc *TArc::NextArc() const
{
    return LockAs<TArc>(m_NextArc);
}
TArc *TArc::PrevArc() const
{
    return LockAs<TArc>(m_PrevArc);
}
void TArc::SetNextArc(TArc *arc)
{
    m_NextArc = WeakOf(arc);
    NoteLinkChange();
}
void TArc::SetPrevArc(TArc *arc)
{
    m_PrevArc = WeakOf(arc);
    NoteLinkChange();
}
void TArc::SetFromNode(TDrawingObject *node)
{
    m_FromNode = WeakOf(node);
    NoteLinkChange();
}
void TArc::SetToNode(TDrawingObject *node)
{
    m_ToNode = WeakOf(node);
    NoteLinkChange();
}

void TArc::UpdateExtent()
{
    SetWidth(WrapAbs(WrapSub(Right(), Left())));
    SetHeight(WrapAbs(WrapSub(Bottom(), Top())));
}

void TArc::AssignTo(TDrawingObject &dest) const
{
    TDrawingObject::AssignTo(dest);
    if (auto *a = dynamic_cast<TArc *>(&dest)) {
        a->m_NextArc = m_NextArc;
        a->m_PrevArc = m_PrevArc;
        a->m_FromNode = m_FromNode;
        a->m_ToNode = m_ToNode;
        a->NoteLinkChange();
        a->Arrowed = Arrowed;
        a->What = What;
        a->ArcFlags = ArcFlags;
    }
}

void TArc::SnapshotTo(TDrawingObject &dest) const
{
    AssignTo(dest);
    if (auto *a = dynamic_cast<TArc *>(&dest))
        a->Level = Level;
}

std::shared_ptr<TDrawingObject> TArc::Copy(TDrawingObjects *newOwner) const
{
    auto copy = TDrawingObject::Copy(newOwner);
    auto &a = static_cast<TArc &>(*copy);
    a.Arrowed = Arrowed;
    a.What = What;
    return copy;
}

void TArc::Place(std::int32_t x, std::int32_t y, const std::string &)
{
    SetLeft(x);
    SetTop(y);
    SetWidth(Globals().XPsize);
    SetHeight(0);
    SetRight(WrapAdd(Left(), Width()));
    SetBottom(Top());
    Record(ukCreated);
}

void TArc::Edit(std::int32_t dx, std::int32_t dy)
{
    Record(ukChanged); // taken before the state changes; MoveEnd's own record is then a no-op
    Mode = omEdited;
    Erase();
    MoveEnd(dx, dy);
    Draw();
}

std::uint16_t TArc::HitTest(std::int32_t x, std::int32_t y)
{
    What = 0;
    std::uint16_t code = ContainsPoint(x, y) ? htInside : htNone;
    const std::int64_t e = Globals().Esize;
    auto near = [e](std::int32_t a, std::int32_t b) { return std::abs(std::int64_t(a) - b) <= e; };
    if (near(x, Left()) && near(y, Top())) {
        code = htArcEnd;
        What = wgStart;
    } else if (near(x, Right()) && near(y, Bottom())) {
        code = htArcEnd;
        What = wgEnd;
    }
    return code;
}

void TArc::MoveBy(std::int32_t dx, std::int32_t dy)
{
    Record(ukChanged);
    Draw();
    SetLeft(WrapAdd(Left(), dx));
    SetTop(WrapAdd(Top(), dy));
    SetRight(WrapAdd(Right(), dx));
    SetBottom(WrapAdd(Bottom(), dy));
    UpdateExtent();
    Draw();
}

bool TArc::ContainsPoint(std::int32_t x, std::int32_t y) const
{
    return HitBox(Globals().Esize).Contains(x, y);
}

THitBox TArc::HitBox(std::int64_t e) const
{
    THitBox box { std::min(Left(), Right()), std::min(Top(), Bottom()), std::max(Left(), Right()),
        std::max(Top(), Bottom()) };
    if (Width() == 0) {
        box.x1 -= e;
        box.x2 += e;
    }
    if (Height() == 0) {
        box.y1 -= e;
        box.y2 += e;
    }
    return box;
}

bool TArc::IntersectsRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) const
{
    const std::int32_t l = std::min(Left(), Right()), r = std::max(Left(), Right());
    const std::int32_t t = std::min(Top(), Bottom()), b = std::max(Top(), Bottom());
    return !(x2 < l || x1 > r || y2 < t || y1 > b);
}

} // namespace morvane
