// SPDX-License-Identifier: MIT
#pragma once

#include "model/drawing_objects.h"

#include <cstdint>
#include <memory>

namespace morvane {

// The container that owns the snapshot copies of changed objects. Being a document itself, its
// snapshots are rescaled with the document's base units.
class TUndoRedo : public TDrawingObjects
{
public:
    TUndoRedo(TMessageList *messages, Canvas *canvas);

    TDrawingObjects *Document = nullptr;
    bool UndoEnabled = true;
};

// One undo record. For a change the snapshot is a copy owned by the undo store (destroying the
// record takes the snapshot out of the store); for a creation or deletion it is the target itself.
struct TUndoObject
{
    TUndoObject(std::uint8_t kind, std::int32_t step, std::shared_ptr<TDrawingObject> target,
        std::shared_ptr<TDrawingObject> saved, TUndoRedo *store);
    ~TUndoObject();
    TUndoObject(const TUndoObject &) = delete;
    TUndoObject &operator=(const TUndoObject &) = delete;

    std::uint8_t Kind;
    std::int32_t Step;
    // Names the edit the record stands for; kept when the record moves between the lists.
    std::uint64_t Serial = 0;
    std::shared_ptr<TDrawingObject> Target;
    std::shared_ptr<TDrawingObject> Saved;
    // For ukNetChanged: the net's attributes as they were.
    TDrawingObjects::TNetAttributes Net;

private:
    TUndoRedo *m_store;
};

} // namespace morvane
