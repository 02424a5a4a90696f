// SPDX-License-Identifier: MIT
#pragma once

#include "model/canvas.h"
#include "model/drawing_object.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

class Canvas;
class TCountObject;
class TMessageList;
class TUndoRedo;
class TPathFinder;
class TEndsMemo;
struct TUndoObject;

// Which objects SetModeOfAll touches: those in one display state, or every object.
enum TModeFilter : std::uint8_t {
    mfAll = 128,
};

// What SetModeOfAll does to each object it touches; the undo kinds (ukChanged, ukCreated,
// ukDeleted) record that kind.
enum TModeCode : std::uint8_t {
    mcSelect = 0,
    mcDeselect = 1,
    mcDrag = 2,
    mcErase = 8,
    mcResolveEnds = 32,
    mcOutlinedOn = 33,
    mcOutlinedOff = 34,
};

// RemoveBelow's thresholds on TArc::EndsCode.
enum TRemoveThreshold : std::uint8_t {
    // Below it an arc piece touches no node at either end.
    rtFloating = 15,
    // Below it an arc piece reaches no node at its end.
    rtDisconnected = 47,
};

// What SelectInRect found: the first object taken and how many were taken.
struct TRectSelection
{
    TDrawingObject *First = nullptr;
    std::int32_t Hits = 0;
};

// What a document needs from the net window that owns it.
class TDocumentHost
{
public:
    virtual ~TDocumentHost() = default;
    virtual TCountObject &PositionCounter() = 0;
    virtual TCountObject &TransitionCounter() = 0;
    // Asked when arcs that could not follow a dragged node must be routed anew.
    virtual void AutoRouteArc(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
    {
        (void)x1, (void)y1, (void)x2, (void)y2;
    }
};

// The net document: owns its objects in component order (the order of creation and reading),
// keeps them in three kind lists, carries the net-wide attributes and its undo history.
class TDrawingObjects
{
public:
    TDrawingObjects(TDocumentHost *host, TMessageList *messages, Canvas *canvas);
    virtual ~TDrawingObjects();
    TDrawingObjects(const TDrawingObjects &) = delete;
    TDrawingObjects &operator=(const TDrawingObjects &) = delete;

    // --- Component list ---
    const std::vector<std::shared_ptr<TDrawingObject>> &Objects() const { return m_objects; }
    std::size_t Count() const { return m_objects.size(); }
    TDrawingObject *Object(std::size_t i) const { return m_objects[i].get(); }
    // Appends the object at the end of the component order and to its kind list.
    void Insert(std::shared_ptr<TDrawingObject> obj);
    // Takes the object out of the component and kind lists; returns the ownership.
    std::shared_ptr<TDrawingObject> Remove(TDrawingObject *obj);
    // Index in the component order, or -1.
    std::ptrdiff_t IndexOf(const TDrawingObject *obj) const;
    bool Owns(const TDrawingObject *obj) const { return obj && obj->Owner() == this; }
    // Destroys all owned objects.
    void Clear();

    template <class T> std::shared_ptr<T> Add()
    {
        auto obj = std::make_shared<T>();
        Insert(obj);
        return obj;
    }

    const std::vector<TPosition *> &Positions() const { return m_positions; }
    const std::vector<TTransition *> &Transitions() const { return m_transitions; }
    const std::vector<TArc *> &Arcs() const { return m_arcs; }

    // Records of other streamable classes found among the objects of a file (legacy
    // named-expression components); kept so that saving does not lose them.
    std::vector<std::shared_ptr<TComponent>> OtherComponents;

    // --- Attributes ---
    struct TNetAttributes
    {
        std::string Name;
        std::int32_t Start = 0, Duration = 256, TimeStep = 1;
    };
    TNetAttributes NetAttributes() const { return { NetName, NetStart, NetDuration, NetTimeStep }; }
    void SetNetAttributes(const TNetAttributes &a);
    std::string Name;
    std::int32_t ControlLeft = 0, ControlTop = 0, ControlWidth = 0, ControlHeight = 0;
    std::string NetName;
    std::int32_t NetStart = 0;
    std::int32_t NetDuration = 256;
    std::int32_t NetTimeStep = 1;

    std::int32_t xBaseUnit() const { return m_xBaseUnit; }
    std::int32_t yBaseUnit() const { return m_yBaseUnit; }
    // Rescales every object (and every undo snapshot) from its grid rectangle. A unit below 1 is
    // refused (returns false, nothing changes).
    bool SetxBaseUnit(std::int32_t u);
    bool SetyBaseUnit(std::int32_t u);

    // A net window's counters; a document without host counts its objects and ignores writes.
    std::int32_t PosCounter() const;
    std::int32_t TrCounter() const;
    void SetPosCounter(std::int32_t v);
    void SetTrCounter(std::int32_t v);

    TDocumentHost *Host() const { return m_host; }
    TMessageList *MessageList() const { return m_messages; }
    void SetMessageList(TMessageList *list) { m_messages = list; }
    Canvas *GetCanvas() const { return m_canvas; }
    void SetCanvas(Canvas *canvas) { m_canvas = canvas; }

    // --- Undo history ---
    void CreateUndo(bool enabled);
    TUndoRedo *UndoStore() const { return m_undoStore.get(); }
    const std::vector<std::unique_ptr<TUndoObject>> &UndoList() const { return m_undoList; }
    const std::vector<std::unique_ptr<TUndoObject>> &RedoList() const { return m_redoList; }
    std::int32_t UndoStep = 0;
    bool HasUndo() const { return m_undoStore != nullptr; }
    void Record(TDrawingObject *obj, std::uint8_t kind);
    // Records the net's name and times before the current step changes them (once a step).
    void RecordNetAttributes();
    void BeginStep();
    // Both change nothing when there is nothing to undo or redo.
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const { return !m_redoList.empty(); }
    // Where the document stands in its history: equal positions mean equal contents as far as
    // the history knows. An undo back to a position, or a redo forward to it, gives that same
    // position again; every new record gives a position never seen before.
    std::uint64_t HistoryPosition() const;
    // Called whenever the position may have moved.
    std::function<void()> OnHistoryMoved;
    // --- Queries and bulk editing (queries.cpp); every pass in component order ---
    static constexpr std::int32_t ArcGap = 8;
    // The first object (or with firstOnly false the last) under the point; `hits`, when given,
    // receives how many were counted.
    TDrawingObject *FindAt(std::int32_t x, std::int32_t y, std::uint8_t kindMask, bool firstOnly,
        std::int32_t *hits = nullptr);
    TDrawingObject *FindNextAt(std::int32_t x, std::int32_t y, std::uint8_t kindMask,
        std::size_t &startIndex, const TDrawingObject *exclude);
    TRectSelection SelectInRect(
        std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, bool replace);
    // filterMode is an object mode or mfAll; code a TModeCode or an undo kind.
    void SetModeOfAll(std::uint8_t filterMode, std::uint8_t code);
    void DeleteSelected();
    void CopySelected(TDrawingObjects *target);
    void MoveDragged(std::int32_t dx, std::int32_t dy);
    void EditMarked(std::int32_t dx, std::int32_t dy);
    void SettleAll();
    void RepaintAll();
    // Draws the objects whose painting may touch the rectangle: its pixels come out as after
    // RepaintAll.
    void RepaintRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    // Draws the objects at these indices, ascending, so that what they paint comes out as in
    // RepaintAll wherever the objects left out paint nothing.
    void DrawObjects(const std::vector<std::size_t> &ascending);
    void ApplyDefaultColors();
    void ApplyOutlinedFlags();
    bool ArcStartAlignment(std::int32_t &x, std::int32_t y);
    // Extent of the drawing (extent.cpp); labels above nodes count.
    TPoint TopLeftCorner() const;
    TPoint BottomRightCorner() const;

    // --- Arc chains and connections (connections.cpp) ---
    void RebuildConnections();
    // The same, with the point look-ups shared by two threads from this many piece ends on.
    void RebuildConnections(std::size_t twoThreadsFrom);
    // RebuildConnections, unless the connections are still as the last one left them and
    // nothing they are computed from changed since (connections_current.cpp).
    void UpdateConnections();
    // Called by the link setters of the objects, and when objects leave: reading every link
    // back would cost an atomic operation per link.
    void NoteLinkChange() { ++m_linkChanges; }
    // ResolveEnds on each piece, with the look-ups shared by all of them.
    void ResolveEndsOf(const std::vector<TArc *> &arcs);
    void Rewire();
    // Resolves the pieces marked as freshly drawn and merges them where they continue on one
    // line. A marked piece whose surroundings and links did not change since the last call keeps
    // what it holds, which is what resolving it again would give.
    void ResolveMarked();
    // Resolves every marked piece again in ResolveMarked, changed or not.
    bool ResolveEveryMarked = false;
    // Deletes, in one undo step of its own, every arc piece whose EndsCode is below the threshold.
    void RemoveBelow(std::uint8_t threshold);
    void StretchArcs(std::int32_t dx, std::int32_t dy);
    void DeleteChainPiece(TArc *first, TArc *last);
    // Records the deletion of an owned object and takes it out of the document; returns it. An
    // object created in the current step leaves no record at all, since its creation record
    // would bring it back on redo.
    std::shared_ptr<TDrawingObject> DeleteRecorded(TDrawingObject *obj);
    // Whether the undo list holds a creation record of the object in the current step.
    bool CreatedInCurrentStep(const TDrawingObject *obj) const;

    // --- Arc routing (route_grid.cpp) ---
    // Made on the first routing request with the page size in grid steps; kept for the
    // document's lifetime.
    std::unique_ptr<TPathFinder> PathFinder;
    // Fills the path finder's grid from the objects (created first if needed).
    void BuildRouteGrid();
    // Routes between two page points; the corner cells are then in PathFinder->Path().
    bool Route(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    // The same on the grid as BuildRouteGrid last filled it, no object having changed since.
    bool RouteOnBuiltGrid(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

    // --- Topology check (topology.cpp) ---
    void CheckTopology();
    // The check's messages from the connections as they stand, without recomputing them.
    void ReportTopology();

    // Drops every record (of both lists) that refers to one of the objects; used before objects
    // are destroyed for good, so that no record replays on them later.
    void ForgetRecordsOf(const std::vector<const TDrawingObject *> &objects);

protected:
    // The undo store keeps its snapshots in no particular order, so removal can swap.
    bool m_orderedComponents = true;

private:
    // Takes every object the predicate picks out of the component and kind lists in one pass,
    // keeping the order of the others; returns them in component order (queries.cpp).
    std::vector<std::shared_ptr<TDrawingObject>> RemoveWhere(
        const std::function<bool(const TDrawingObject &)> &pick);
    // Records the deletion of every object the predicate picks and takes them out (queries.cpp).
    void DeleteRecordedWhere(const std::function<bool(const TDrawingObject &)> &pick);
    std::size_t FindIndex(const TDrawingObject *obj) const;
    void AddToKindList(TDrawingObject *obj);
    void RemoveFromKindList(TDrawingObject *obj);
    std::unique_ptr<TUndoObject> MakeRecord(
        std::uint8_t kind, TDrawingObject *target, std::int32_t step);
    void RescaleX(std::int32_t u);
    void RescaleY(std::int32_t u);
    std::uint64_t ConnectionsFingerprint() const;

    TDocumentHost *m_host = nullptr;
    TMessageList *m_messages = nullptr;
    Canvas *m_canvas = nullptr;
    std::int32_t m_xBaseUnit;
    std::int32_t m_yBaseUnit;

    std::vector<std::shared_ptr<TDrawingObject>> m_objects;
    std::vector<TPosition *> m_positions;
    std::vector<TTransition *> m_transitions;
    std::vector<TArc *> m_arcs;

    std::unique_ptr<TEndsMemo> m_endsMemo;
    std::unique_ptr<TUndoRedo> m_undoStore;
    std::vector<std::unique_ptr<TUndoObject>> m_undoList;
    std::vector<std::unique_ptr<TUndoObject>> m_redoList;
    bool m_hasUndoLists = false;
    std::uint64_t m_lastSerial = 0;
    std::uint64_t m_linkChanges = 0;
    // Taken at the end of the last RebuildConnections.
    std::optional<std::uint64_t> m_connectionsFingerprint;
};

} // namespace morvane
