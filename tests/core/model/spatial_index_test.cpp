// SPDX-License-Identifier: MIT
// The index must answer every point look-up exactly as the plain scan of the document does, and
// a connection rebuild through it must equal one made of plain per-segment resolutions.
#include "support/globals_fixture.h"

#include "model/chain_building.h"
#include "model/point_cache.h"
#include "model/spatial_index.h"

#include <random>

namespace morvane {
namespace {

using test::chains::Node;
using test::chains::Segment;

// Nodes crowd a small page so they overlap; arc ends sit on a coarse lattice so that ends
// coincide, pieces run head to head, lie stacked, end inside nodes, have zero length or are
// slanted. A few giant pieces, long slanted pieces reaching far past the page, stacks of nodes
// on one spot and nodes with an inverted rectangle are mixed in.
void BuildRandomNet(TDrawingObjects &doc, std::uint32_t seed, int objects)
{
    std::mt19937 rng(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto lattice = [&]() { return pick(0, 24) * 16; };
    // Far-flung objects, some with hit rectangles reaching past the coordinate range.
    if (seed % 2) {
        Node<TPosition>(doc, 1000000000, -1000000000, "Far");
        Segment(doc, -1000000000, 16, -1000000000, 80);
        Segment(doc, INT32_MAX, 16, INT32_MAX, 80);
        Segment(doc, 16, INT32_MIN, 80, INT32_MIN);
    }
    for (int i = 0; i < objects; ++i) {
        const int kind = pick(0, 99);
        if (kind < 15) {
            Node<TPosition>(doc, pick(0, 380), pick(0, 380), "L" + std::to_string(i));
        } else if (kind < 22) {
            Node<TTransition>(doc, pick(0, 380), pick(0, 380), "Z" + std::to_string(i));
        } else if (kind < 23) {
            auto *odd = Node<TPosition>(doc, lattice(), lattice(), "X");
            odd->SetRight(odd->Left() - 8);
        } else if (kind < 25) {
            Segment(doc, -2000000000, lattice(), 2000000000, lattice());
        } else if (kind < 30) {
            Segment(doc, lattice(), lattice(), pick(-3, 3) * 100000, pick(-40, 40));
        } else if (kind < 32) {
            const int x = pick(0, 380), y = pick(0, 380);
            for (int copies = pick(5, 30); copies > 0; --copies)
                Node<TPosition>(doc, x + pick(-2, 2), y + pick(-2, 2), "S");
        } else {
            // 0 zero length, 1 and 2 horizontal, 3 and 4 vertical, 5 slanted
            const int shape = pick(0, 5);
            const int x1 = lattice(), y1 = lattice();
            const int x2 = (shape == 1 || shape == 2 || shape == 5) ? lattice() : x1;
            const int y2 = shape >= 3 ? lattice() : y1;
            // Some pieces are laid several times over one another.
            for (int copies = pick(0, 9) < 2 ? pick(2, 6) : 1; copies > 0; --copies) {
                TArc *arc = Segment(doc, x1, y1, x2, y2);
                arc->Arrowed = pick(0, 1) == 1;
                arc->ArcFlags = std::uint8_t(pick(0, 1) * 16);
            }
        }
    }
}

using SpatialIndexTest = test::GlobalsTest;

TEST_F(SpatialIndexTest, AnswersEveryLookupLikeThePlainScan)
{
    for (std::int32_t esize : { 4, 0, 13 }) {
        Globals().Esize = esize;
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            TDrawingObjects doc { nullptr, nullptr, nullptr };
            BuildRandomNet(doc, seed, 300);
            const TSpatialIndex index(doc);
            std::mt19937 rng(seed * 7919);
            std::vector<std::pair<std::int32_t, std::int32_t>> points;
            for (const auto &obj : doc.Objects()) {
                points.emplace_back(obj->Left(), obj->Top());
                points.emplace_back(obj->Right(), obj->Bottom());
                points.emplace_back(obj->Left() - esize, obj->Top() + esize);
            }
            for (int i = 0; i < 500; ++i)
                points.emplace_back(std::uniform_int_distribution<int>(-50, 450)(rng),
                    std::uniform_int_distribution<int>(-50, 450)(rng));
            for (std::size_t p = 0; p < points.size(); ++p) {
                const auto [x, y] = points[p];
                const std::uint8_t mask = std::uint8_t(1 + p % 7);
                const std::size_t from = p % 3 == 0 ? 0 : p % doc.Count();
                const TDrawingObject *exclude = doc.Object(p * 31 % doc.Count());
                std::size_t plainStart = from, indexStart = from;
                TDrawingObject *plain = doc.FindNextAt(x, y, mask, plainStart, exclude);
                TDrawingObject *indexed = index.FindNextAt(x, y, mask, indexStart, exclude);
                ASSERT_EQ(plain, indexed) << "seed " << seed << " point " << x << "," << y;
                ASSERT_EQ(plainStart, indexStart);
            }
        }
    }
}

// Every derived link as component indices, with the flags the resolution sets.
std::vector<std::ptrdiff_t> Derived(const TDrawingObjects &doc)
{
    std::vector<std::ptrdiff_t> d;
    auto at = [&doc](const TDrawingObject *obj) { return doc.IndexOf(obj); };
    for (const TArc *a : doc.Arcs())
        d.insert(d.end(),
            { at(a->PrevArc()), at(a->NextArc()), at(a->FromNode()), at(a->ToNode()), a->ArcFlags,
                a->Arrowed });
    for (const TPosition *p : doc.Positions())
        d.insert(d.end(), { at(p->InArc()), at(p->OutArc()) });
    for (const TTransition *t : doc.Transitions())
        for (const auto *list : { &t->InArcs, &t->OutArcs }) {
            d.push_back(-2);
            for (const auto &w : *list)
                d.push_back(at(w.lock().get()));
        }
    return d;
}

// The rebuild spelled out with the plain per-segment operations.
void PlainRebuild(TDrawingObjects &doc)
{
    for (auto *p : doc.Positions()) {
        p->SetInArc(nullptr);
        p->SetOutArc(nullptr);
    }
    for (auto *t : doc.Transitions()) {
        t->InArcs.clear();
        t->OutArcs.clear();
    }
    for (auto *a : doc.Arcs())
        a->ResolveEnds();
    for (auto *a : doc.Arcs())
        if (a->ArcFlags & 1)
            a->PropagateEnds();
}

TEST_F(SpatialIndexTest, RebuildThroughTheIndexEqualsThePlainResolution)
{
    for (std::uint32_t seed = 11; seed <= 30; ++seed) {
        TDrawingObjects plain { nullptr, nullptr, nullptr };
        TDrawingObjects indexed { nullptr, nullptr, nullptr };
        BuildRandomNet(plain, seed, 250);
        BuildRandomNet(indexed, seed, 250);
        // Twice: the second pass starts from the links of the first. Odd seeds share the point
        // look-ups with a second thread.
        for (int pass = 0; pass < 2; ++pass) {
            PlainRebuild(plain);
            indexed.RebuildConnections(seed % 2 ? 0 : TPointCache::kTwoThreadsFrom);
            ASSERT_EQ(Derived(plain), Derived(indexed)) << "seed " << seed << " pass " << pass;
        }
    }
}

} // namespace
} // namespace morvane
