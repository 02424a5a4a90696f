// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"

#include "model/chain_building.h"
#include "model/drawing_objects.h"
#include "model/object_attributes.h"
#include "routing/auto_route.h"

#include <sstream>
#include <string>
#include <vector>

namespace morvane {
namespace {

using MarkedPiecesTest = test::GlobalsTest;

// A fixed linear congruential sequence, so that both documents see the same edits.
struct TSequence
{
    std::uint32_t seed;
    std::uint32_t operator()(std::uint32_t n)
    {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    }
};

// Rows of alternating positions and transitions, packed closely so that routes share rows.
void PlaceNodes(TDrawingObjects &doc)
{
    for (int row = 0; row < 12; ++row)
        for (int col = 0; col < 8; ++col) {
            const std::int32_t x = 64 + col * 160, y = 64 + row * 112;
            const std::string n = std::to_string(row * 8 + col + 1);
            if ((row + col) % 2 == 0)
                doc.Add<TPosition>()->Place(x, y, "L" + n);
            else
                doc.Add<TTransition>()->Place(x, y, "Z" + n);
        }
}

std::ptrdiff_t Ref(const TDrawingObjects &doc, const TDrawingObject *obj)
{
    return obj ? (doc.Owns(obj) ? doc.IndexOf(obj) : -2) : -1;
}

// Every object's corners and every piece's links, flags and arrow, one line per object.
std::vector<std::string> State(const TDrawingObjects &doc)
{
    std::vector<std::string> lines;
    for (const auto &obj : doc.Objects()) {
        std::ostringstream line;
        line << int(obj->Kind()) << ' ' << obj->Left() << ' ' << obj->Top() << ' ' << obj->Right()
             << ' ' << obj->Bottom() << ' ' << obj->Width() << ' ' << obj->Height();
        if (obj->Kind() == okArc) {
            const auto &a = static_cast<const TArc &>(*obj);
            line << " prev " << Ref(doc, a.PrevArc()) << " next " << Ref(doc, a.NextArc())
                 << " from " << Ref(doc, a.FromNode()) << " to " << Ref(doc, a.ToNode())
                 << " flags " << int(a.ArcFlags) << " arrowed " << a.Arrowed;
        }
        lines.push_back(line.str());
    }
    return lines;
}

// One edit, the same in both documents: mostly a routed arc, now and then a deletion, a drag
// that pieces follow or lose their chain over, undos, a change of the handle size, connections
// rebuilt (as a check or a save does) or an arrow head switched in the inspector.
void Edit(TDrawingObjects &doc, std::uint32_t seed)
{
    TSequence next { seed };
    const std::uint32_t what = next(64);
    const auto &objects = doc.Objects();
    doc.BeginStep();
    if (what < 4) {
        // Half the time the newest object, which leaves from the end of the list.
        const std::uint32_t count = std::uint32_t(objects.size());
        objects[next(2) ? count - 1 : next(count)]->Mode = omSelected;
        doc.DeleteSelected();
    } else if (what < 8) {
        TDrawingObject *node = objects[next(96)].get();
        node->Record(ukChanged);
        node->Mode = omDragged;
        const std::int32_t dx = 8 * (std::int32_t(next(5)) - 2), dy = 8 * std::int32_t(next(3));
        doc.MoveDragged(dx, dy);
        doc.SettleAll();
        doc.StretchArcs(dx, dy);
        node->Mode = omNormal;
    } else if (what < 10) {
        for (std::uint32_t n = next(3); n-- > 0;)
            doc.Undo();
    } else if (what == 10) {
        Globals().Esize = 4 * std::int32_t(next(4));
    } else if (what == 11) {
        doc.RebuildConnections();
    } else if (what == 12 && !doc.Arcs().empty()) {
        TArc *arc = doc.Arcs()[next(std::uint32_t(doc.Arcs().size()))];
        SetAttribute(doc, arc, TAttribute::Arrowed, arc->Arrowed ? "False" : "True");
    } else {
        const TDrawingObject *from = objects[2 * next(48)].get();
        const TDrawingObject *to = objects[2 * next(48) + 1].get();
        const bool rightward = to->Left() > from->Left();
        AutoRouteArc(doc, rightward ? from->Right() - 4 : from->Left() + 4,
            from->Top() + 4 + 8 * std::int32_t(next(4)),
            rightward ? to->Left() + 2 : to->Right() - 2,
            to->Top() + 4 + 8 * std::int32_t(next(8)));
    }
}

// Keeping what a marked piece holds when nothing around it changed must leave every document
// exactly as resolving every marked piece again does, route after route and edit after edit.
TEST_F(MarkedPiecesTest, SkippingUnchangedPiecesLeavesTheDocumentAsResolvingThemAll)
{
    TDrawingObjects fast(nullptr, nullptr, nullptr), plain(nullptr, nullptr, nullptr);
    plain.ResolveEveryMarked = true;
    for (TDrawingObjects *doc : { &fast, &plain }) {
        doc->CreateUndo(true);
        PlaceNodes(*doc);
    }
    TSequence sequence { 7 };
    for (int step = 0; step < 300; ++step) {
        const std::uint32_t stepSeed = sequence(1u << 15);
        Edit(fast, stepSeed);
        Edit(plain, stepSeed);
        const auto a = State(fast), b = State(plain);
        ASSERT_EQ(a.size(), b.size()) << "step " << step;
        for (std::size_t i = 0; i < a.size(); ++i)
            ASSERT_EQ(a[i], b[i]) << "step " << step << " object " << i;
    }
}

// A piece whose mark was taken away misses the passes until it is marked again; what changed at
// its ends in between is not among the changes since the last pass.
TEST_F(MarkedPiecesTest, APieceMarkedAgainAfterMissingAPassIsResolvedAnew)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    TArc *first = test::chains::Segment(doc, 0, 0, 40, 0);
    first->ArcFlags |= 16;
    doc.ResolveMarked();
    first->ArcFlags &= std::uint8_t(~16);
    TArc *second = test::chains::Segment(doc, 40, 0, 40, 40);
    second->ArcFlags |= 16;
    doc.ResolveMarked();
    first->ArcFlags |= 16;
    doc.ResolveMarked();
    EXPECT_EQ(first->NextArc(), second);
}

} // namespace
} // namespace morvane
