// SPDX-License-Identifier: MIT
// Random editing sequences: undoing every step gives back the net file the document started as,
// and redoing every step gives the file it ended as.
#include "support/globals_fixture.h"

#include "format/net_writer.h"
#include "model/drawing_objects.h"

#include <random>
#include <tuple>

namespace morvane {
namespace {

using UndoSequenceTest = test::GlobalsTest;

class RandomEditor
{
public:
    RandomEditor(TDrawingObjects &doc, unsigned seed)
        : m_doc(doc)
        , m_rng(seed)
    {
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    // Placement snaps to the grid in the editor.
    int Coord() { return (Pick(75) - 5) * 8; }

    // One user operation = one undo step. Deletion is left out: undo puts deleted objects back at
    // the end of the component order, so the file's record order legitimately changes.
    void Step()
    {
        m_doc.BeginStep();
        const int n = int(m_doc.Count());
        switch (n == 0 ? 0 : Pick(8)) {
        case 0:
            m_doc.Add<TPosition>()->Place(Coord(), Coord(), "L" + std::to_string(++m_labels));
            break;
        case 1:
            m_doc.Add<TTransition>()->Place(Coord(), Coord(), "Z" + std::to_string(++m_labels));
            break;
        case 2: {
            auto a = m_doc.Add<TArc>();
            a->Place(Coord(), Coord(), "");
            a->What = 2;
            a->Edit((Pick(10) - 5) * 8, (Pick(10) - 5) * 8);
            a->Arrowed = Pick(2) == 1;
            break;
        }
        case 3: { // drag one object, as press, moves and release do
            TDrawingObject *o = m_doc.Object(std::size_t(Pick(n)));
            o->Record(ukChanged);
            o->Mode = omDragged;
            o->MoveBy(Pick(50) - 25, Pick(50) - 25);
            o->MoveBy(Pick(50) - 25, Pick(50) - 25);
            m_doc.SettleAll();
            o->Mode = omSelected;
            break;
        }
        case 4: {
            TDrawingObject *o = m_doc.Object(std::size_t(Pick(n)));
            o->Record(ukChanged); // before the grabbed end is chosen: What is stored in the file
            if (auto *a = dynamic_cast<TArc *>(o))
                a->What = std::uint16_t(1 + Pick(2));
            o->Edit(Pick(40) - 20, Pick(40) - 20);
            m_doc.SettleAll(); // the release that ends a handle drag
            break;
        }
        case 5:
            m_doc.SelectInRect(Coord(), Coord(), Coord(), Coord(), Pick(2) == 1);
            break;
        case 6:
            m_doc.SetModeOfAll(2, 2); // selected objects start a drag
            m_doc.MoveDragged(Pick(30) - 15, Pick(30) - 15);
            m_doc.SettleAll();
            m_doc.SetModeOfAll(4, 0);
            break;
        default:
            m_doc.SetModeOfAll(128, 1);
            break;
        }
    }

private:
    TDrawingObjects &m_doc;
    std::mt19937 m_rng;
    int m_labels = 0;
};

// Every object with its grid rectangle, in component order.
std::vector<std::tuple<const TDrawingObject *, int, int, int, int>> GridPlaces(
    const TDrawingObjects &doc)
{
    std::vector<std::tuple<const TDrawingObject *, int, int, int, int>> places;
    for (const auto &o : doc.Objects())
        places.emplace_back(o.get(), o->GridLeft, o->GridTop, o->GridRight, o->GridBottom);
    return places;
}

TEST_F(UndoSequenceTest, UndoAllGivesTheOriginalBytesAndRedoAllTheFinal)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        TDrawingObjects doc(nullptr, nullptr, nullptr);
        doc.CreateUndo(true);
        RandomEditor editor(doc, seed);
        for (int i = 0; i < 5; ++i)
            editor.Step();
        // The history starts here, on a net that already has objects.
        const std::string original = WriteNetToString(doc);
        const auto places = GridPlaces(doc);
        const int base = doc.UndoStep;
        for (int i = 0; i < 60; ++i)
            editor.Step();
        const std::string final = WriteNetToString(doc);

        while (doc.UndoStep > base)
            doc.Undo();
        ASSERT_EQ(WriteNetToString(doc), original) << "seed " << seed;
        while (doc.CanRedo())
            doc.Redo();
        ASSERT_EQ(WriteNetToString(doc), final) << "seed " << seed;

        // Zoomed between the edits and their undoing, objects come back to their grid places.
        ASSERT_TRUE(doc.SetxBaseUnit(16) && doc.SetyBaseUnit(16));
        while (doc.UndoStep > base)
            doc.Undo();
        ASSERT_EQ(GridPlaces(doc), places) << "seed " << seed;
        for (const auto &o : doc.Objects())
            ASSERT_EQ(o->Left(), o->GridLeft * 16) << "seed " << seed;
    }
}

} // namespace
} // namespace morvane
