// SPDX-License-Identifier: MIT
#pragma once

#include "common/color.h"
#include "model/component.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

class TDrawingObjects;
class TDrawingObject;
class TPosition;
class TTransition;
class TArc;
class Canvas;

enum TObjectKind : std::uint8_t {
    okPosition = 1,
    okTransition = 2,
    okArc = 4,
    okNodes = 3,
    okAll = 7,
};

// Display state of an object. A state, not a set of flags.
enum TObjectMode : std::uint8_t {
    omNormal = 0,
    omEdited = 1,
    omSelected = 2,
    omDragged = 4,
    omWizard = 8,
    omPlain = 32,
    omActive = 64,
};

// What HitTest found under a point.
enum THitCode : std::uint16_t {
    htNone = 0,
    htInside = 1,
    // A transition's bottom handle, which sets its height.
    htHeight = 2,
    // An arc piece's end handle; What tells which end.
    htArcEnd = 8,
};

// Bits of TArc::What: the low byte names the grabbed end, the high byte notes how the piece
// followed a drag.
enum TArcWhat : std::uint16_t {
    wgStart = 1,
    wgEnd = 2,
    wgGrabbedEnd = 0xFF,
    // The piece would have to shrink past its own width: it cannot follow.
    wgCannotFollow = 0x100,
    // The piece's height, or its width, became zero.
    wgFlatHeight = 0x200,
    wgFlatWidth = 0x400,
};

// Undo record kinds.
enum TUndoKind : std::uint8_t {
    ukNone = 0,
    ukChanged = 64,
    ukCreated = 65,
    ukDeleted = 66,
    // The net's own attributes (name and times); the record has no object.
    ukNetChanged = 67,
};

inline constexpr std::int32_t crDefault = 0;
inline constexpr std::int32_t crSizeAll = -22;

// One entry of a text list; the index lists of a transition attach a position to each label.
struct TStringItem
{
    std::string Text;
    std::weak_ptr<TDrawingObject> Object;
};
using TStringList = std::vector<TStringItem>;

// How many leading characters of a label are its base; the rest is its index, drawn as a
// subscript. The base ends before the first decimal digit, but it keeps at least one character
// and leaves the last one to the index: L12 is L and 12, ab is a and b, 12 is 1 and 2.
std::int32_t LabelPrefixLength(std::string_view label);

// Arithmetic on coordinates wraps like the 32-bit registers it was designed for: a hostile file
// may hold any values, and overflow must not be undefined behaviour.
inline std::int32_t WrapAdd(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
inline std::int32_t WrapSub(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
inline std::int32_t WrapMul(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
inline std::int32_t WrapAbs(std::int32_t a)
{
    return a < 0 ? WrapSub(0, a) : a;
}

// The rectangle of points an object answers ContainsPoint for, inclusive, in 64 bits so that a
// widening never wraps; empty when a low corner exceeds the high one.
struct THitBox
{
    std::int64_t x1 = 0, y1 = 0, x2 = -1, y2 = -1;
    bool Contains(std::int64_t x, std::int64_t y) const
    {
        return x1 <= x && x <= x2 && y1 <= y && y <= y2;
    }
};

// The common part of positions, transitions and arc pieces. Objects are shared: the document's
// component list owns them, and so may undo records after they left the document.
class TDrawingObject : public TComponent, public std::enable_shared_from_this<TDrawingObject>
{
public:
    TDrawingObject();
    ~TDrawingObject() override;
    TDrawingObject(const TDrawingObject &) = delete;
    TDrawingObject &operator=(const TDrawingObject &) = delete;

    virtual TObjectKind Kind() const = 0;
    // A new object of the same class, without owner and with default state.
    virtual std::shared_ptr<TDrawingObject> NewOfSameClass() const = 0;

    TDrawingObjects *Owner() const { return m_owner; }

    // Editor initialisation right after construction.
    void Init(TColor color);

    // Coordinate setters keep the grid rectangle: value div the owner's base unit.
    std::int32_t Left() const { return m_Left; }
    std::int32_t Top() const { return m_Top; }
    std::int32_t Right() const { return m_Right; }
    std::int32_t Bottom() const { return m_Bottom; }
    void SetLeft(std::int32_t v);
    void SetTop(std::int32_t v);
    void SetRight(std::int32_t v);
    void SetBottom(std::int32_t v);
    std::int32_t Width() const { return m_Width; }
    std::int32_t Height() const { return m_Height; }
    void SetWidth(std::int32_t v) { m_Width = v; }
    void SetHeight(std::int32_t v) { m_Height = v; }
    std::int32_t Cursor() const { return m_Cursor; }
    void SetCursor(std::int32_t v) { m_Cursor = v; }

    std::int32_t GridLeft = 0;
    std::int32_t GridTop = 0;
    std::int32_t GridRight = 0;
    std::int32_t GridBottom = 0;

    std::uint8_t UndoMark = 0;
    std::uint8_t Mode = omNormal;
    TColor Color = clBlack;

    bool Outlined() const { return m_Outlined; }
    // Chooses between the outline and the filled symbol painter.
    virtual void isOutLined(bool value) { m_Outlined = value; }

    const std::string &selfLabel() const { return m_selfLabel; }
    void SetselfLabel(const std::string &label);
    // Counted in characters (code points), not bytes.
    std::int32_t PrefixLength() const { return m_PrefixLength; }
    std::string GetBase() const;
    std::string GetIndex() const;
    void SetBase(const std::string &base);
    void SetIndex(const std::string &index);

    // Virtual operations, in slot order.
    virtual void AssignTo(TDrawingObject &dest) const;
    // AssignTo and every stored attribute AssignTo leaves out: what an undo snapshot holds.
    virtual void SnapshotTo(TDrawingObject &dest) const { AssignTo(dest); }
    virtual std::shared_ptr<TDrawingObject> Copy(TDrawingObjects *newOwner) const;
    virtual void DrawHandles();
    virtual void SetColor();
    void Draw();
    virtual void DrawLabel();
    void Erase();
    virtual void Place(std::int32_t x, std::int32_t y, const std::string &label);
    virtual void Edit(std::int32_t dx, std::int32_t dy);
    void Settle();
    virtual std::uint16_t HitTest(std::int32_t x, std::int32_t y);
    virtual std::int32_t AttachX(std::int32_t &x, std::int32_t d) const;
    virtual void MoveBy(std::int32_t dx, std::int32_t dy);
    virtual bool ContainsPoint(std::int32_t x, std::int32_t y) const;
    // What ContainsPoint answers for, with the handle size given instead of read.
    virtual THitBox HitBox(std::int64_t esize) const;
    virtual bool IntersectsRect(
        std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) const;

    // The painter that Outlined selects.
    void DrawSymbol();
    virtual void DrawSymbolOutline() = 0;
    virtual void DrawFilledSymbol() = 0;

    // Records an undo entry for this object in its document (nothing without a history).
    void Record(std::uint8_t kind);
    Canvas *OwnerCanvas() const;

protected:
    void CopyCommonTo(TDrawingObject &dest) const;
    // Place with the symbol size of the class.
    void PlaceSized(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
        const std::string &label);
    std::int32_t xUnit() const;
    std::int32_t yUnit() const;
    // Tells the owner that a link changed.
    void NoteLinkChange() const;

private:
    friend class TDrawingObjects;
    TDrawingObjects *m_owner = nullptr;
    // Where this object probably is in its owner's component and kind lists; only a hint.
    std::size_t m_ownerIndex = 0;
    std::size_t m_kindIndex = 0;

    std::int32_t m_Left = 0, m_Top = 0, m_Right = 0, m_Bottom = 0;
    std::int32_t m_Width = 0, m_Height = 0;
    std::int32_t m_Cursor = crDefault;
    bool m_Outlined = false;
    std::string m_selfLabel;
    std::int32_t m_PrefixLength = 0;
};

class TPosition : public TDrawingObject
{
public:
    const char *ClassName() const override { return "TPosition"; }
    TObjectKind Kind() const override { return okPosition; }
    std::shared_ptr<TDrawingObject> NewOfSameClass() const override;

    TArc *InArc() const;
    TArc *OutArc() const;
    void SetInArc(TArc *arc);
    void SetOutArc(TArc *arc);

    TColor FillColor = clWindow;
    std::int32_t Priority = 0;
    std::int32_t Capacity = 0;
    std::string Description;
    TColor ActiveColor = clBlack;

    void AssignTo(TDrawingObject &dest) const override;
    std::shared_ptr<TDrawingObject> Copy(TDrawingObjects *newOwner) const override;
    void SetColor() override;
    void Edit(std::int32_t dx, std::int32_t dy) override;
    void DrawSymbolOutline() override;
    void DrawFilledSymbol() override;

private:
    friend class TDrawingObjects;
    std::weak_ptr<TDrawingObject> m_InArc;
    std::weak_ptr<TDrawingObject> m_OutArc;
};

class TTransition : public TDrawingObject
{
public:
    TTransition();
    const char *ClassName() const override { return "TTransition"; }
    TObjectKind Kind() const override { return okTransition; }
    std::shared_ptr<TDrawingObject> NewOfSameClass() const override;

    // Arc pieces ending on (InArcs) and starting at (OutArcs) the transition.
    std::vector<std::weak_ptr<TDrawingObject>> InArcs;
    std::vector<std::weak_ptr<TDrawingObject>> OutArcs;
    TStringList Predicates;
    TStringList Capacities;
    TStringList CharFn;
    TStringList InIndex;
    TStringList OutIndex;
    TColor FillColor = clWindow;
    std::int32_t Priority = 0;
    std::int32_t ActivationT = 0;
    std::int32_t DurationT = 0;
    // Time-function records, made when the transition is first written.
    std::shared_ptr<TComponent> ActivationFn;
    std::shared_ptr<TComponent> DurationFn;
    std::string Description;
    std::string TrType;

    void AssignTo(TDrawingObject &dest) const override;
    void SnapshotTo(TDrawingObject &dest) const override;
    std::shared_ptr<TDrawingObject> Copy(TDrawingObjects *newOwner) const override;
    void DrawHandles() override;
    void SetColor() override;
    void DrawLabel() override;
    void Place(std::int32_t x, std::int32_t y, const std::string &label) override;
    void Edit(std::int32_t dx, std::int32_t dy) override;
    std::uint16_t HitTest(std::int32_t x, std::int32_t y) override;
    std::int32_t AttachX(std::int32_t &x, std::int32_t d) const override;
    void DrawSymbolOutline() override;
    void DrawFilledSymbol() override;
};

// What the last pass over freshly drawn pieces left in a piece's links, and which pass it was.
struct TEndsSeen
{
    std::weak_ptr<TDrawingObject> Prev, Next, From, To;
    std::uint64_t Pass = 0;
    bool Arrowed = false;
    std::uint8_t Flags = 0;
};

class TArc : public TDrawingObject
{
public:
    const char *ClassName() const override { return "TArc"; }
    TObjectKind Kind() const override { return okArc; }
    std::shared_ptr<TDrawingObject> NewOfSameClass() const override;

    TArc *NextArc() const;
    TArc *PrevArc() const;
    TDrawingObject *FromNode() const { return m_FromNode.lock().get(); }
    TDrawingObject *ToNode() const { return m_ToNode.lock().get(); }
    void SetNextArc(TArc *arc);
    void SetPrevArc(TArc *arc);
    void SetFromNode(TDrawingObject *node);
    void SetToNode(TDrawingObject *node);

    std::int32_t Level = 0;
    bool Arrowed = false;
    std::uint16_t What = 0;
    std::uint8_t ArcFlags = 0;

    // Width and Height follow the end points.
    void UpdateExtent();

    // Chains and connections (connections.cpp).
    // Bit 0 PrevArc set, bit 1 NextArc set, bit 4 FromNode set, bit 5 ToNode set.
    std::uint8_t EndsCode() const;
    void ResolveEnds();
    void PropagateEnds();
    std::int32_t MergeCollinear();
    void MoveEnd(std::int32_t dx, std::int32_t dy);
    bool IsStart(std::int32_t x, std::int32_t y) const { return x == Left() && y == Top(); }
    bool IsEnd(std::int32_t x, std::int32_t y) const { return x == Right() && y == Bottom(); }
    void InitDrawn(
        std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, bool arrowed);

    void AssignTo(TDrawingObject &dest) const override;
    void SnapshotTo(TDrawingObject &dest) const override;
    std::shared_ptr<TDrawingObject> Copy(TDrawingObjects *newOwner) const override;
    void DrawHandles() override;
    void SetColor() override;
    void Place(std::int32_t x, std::int32_t y, const std::string &label) override;
    void Edit(std::int32_t dx, std::int32_t dy) override;
    std::uint16_t HitTest(std::int32_t x, std::int32_t y) override;
    void MoveBy(std::int32_t dx, std::int32_t dy) override;
    bool ContainsPoint(std::int32_t x, std::int32_t y) const override;
    THitBox HitBox(std::int64_t esize) const override;
    bool IntersectsRect(
        std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) const override;
    void DrawSymbolOutline() override;
    void DrawFilledSymbol() override;
    void DrawArrowHead(bool filled);

private:
    friend class TEndsMemo;
    // Written and read by TEndsMemo only; made on the first pass that remembers the piece, so
    // the many pieces of a net just read carry no room for it.
    std::unique_ptr<TEndsSeen> m_seen;
    std::weak_ptr<TDrawingObject> m_NextArc;
    std::weak_ptr<TDrawingObject> m_PrevArc;
    std::weak_ptr<TDrawingObject> m_FromNode;
    std::weak_ptr<TDrawingObject> m_ToNode;
};

// Weak reference to an object that may be null.
inline std::weak_ptr<TDrawingObject> WeakOf(TDrawingObject *obj)
{
    return obj ? obj->weak_from_this() : std::weak_ptr<TDrawingObject>();
}

} // namespace morvane
