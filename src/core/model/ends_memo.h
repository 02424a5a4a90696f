// SPDX-License-Identifier: MIT
#pragma once

#include "model/drawing_object.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace morvane {

class TDrawingObjects;

// Lets a pass over freshly drawn pieces skip the pieces whose resolution cannot come out any
// different from last time. A piece's ends resolve from the objects containing its two end
// points alone: their order, kinds and corners. So the memo keeps where every object of the
// document stood at the last pass; comparing that with the document gives the hit boxes of every
// object added, removed or changed since. A piece needs resolving again if it was not seen in the
// last pass, if anything changed its links since, or if one of its end points lies in such a box.
class TEndsMemo
{
public:
    // Compares the document with the last pass and starts a new one.
    void BeginPass(const TDrawingObjects &doc);
    bool NeedsResolving(const TArc &arc) const;
    // After the piece was resolved in this pass.
    void Remember(TArc &arc) const;
    // After NeedsResolving said no: what the piece holds stays valid for this pass.
    void Keep(TArc &arc) const;
    // The document's FindNextAt, answered from the objects as the pass began.
    TDrawingObject *FindNextAt(std::int32_t x, std::int32_t y, std::uint8_t kindMask,
        std::size_t &startIndex, const TDrawingObject *exclude) const;

private:
    struct Entry
    {
        // Holding it keeps an object's identity unique while the memo refers to it.
        std::weak_ptr<TDrawingObject> who;
        TDrawingObject *obj = nullptr;
        THitBox box;
        std::int32_t left = 0, top = 0, right = 0, bottom = 0, width = 0, height = 0;
        std::uint8_t kind = 0;
    };
    static TEndsSeen &Seen(TArc &arc);
    void Fill(Entry &e, TDrawingObject &obj) const;
    void Dirty(const THitBox &box);

    std::vector<Entry> m_objects;
    std::vector<Entry> m_spare;
    std::vector<THitBox> m_dirty;
    // Every piece is resolved: the first pass, a changed handle size, or too much changed.
    bool m_everything = true;
    std::int64_t m_esize = 0;
    std::uint64_t m_lastPass = 0;
    std::uint64_t m_pass = 0;
};

} // namespace morvane
