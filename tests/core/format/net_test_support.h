// SPDX-License-Identifier: MIT
#pragma once

#include "support/net_building.h"

#include "common/count_object.h"
#include "common/message_list.h"
#include "model/drawing_objects.h"

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace morvane::test {

// A document owned the way a net window owns one.
struct TTestNet final : TDocumentHost
{
    TCountObject Positions, Transitions;
    TMessageList Messages;
    TDrawingObjects Net { this, &Messages, nullptr };

    TCountObject &PositionCounter() override { return Positions; }
    TCountObject &TransitionCounter() override { return Transitions; }

    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (const auto &l : Messages.Lines)
            lines.push_back(l.Text);
        return lines;
    }
};

inline std::shared_ptr<TPosition> AddPosition(
    TDrawingObjects &net, std::int32_t x, std::int32_t y, const std::string &label)
{
    auto p = net.Add<TPosition>();
    p->Init(clBlack);
    p->Place(x, y, label);
    p->Capacity = -1;
    return p;
}

inline std::shared_ptr<TTransition> AddTransition(
    TDrawingObjects &net, std::int32_t x, std::int32_t y, const std::string &label)
{
    auto t = net.Add<TTransition>();
    t->Init(clBlack);
    t->Place(x, y, label);
    return t;
}

inline std::shared_ptr<TArc> AddArc(
    TDrawingObjects &net, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    auto a = AddPiece(net, x1, y1, x2, y2);
    a->Init(clBlack);
    return a;
}

// Which arc pieces end on (in) and start at (out) each transition, by index in the arc list. The
// file does not store connections; tests put them back as the connection code would.
struct TArcLinks
{
    std::vector<std::vector<std::size_t>> In, Out;
};

inline void ApplyArcLinks(TDrawingObjects &net, const TArcLinks &links)
{
    for (std::size_t t = 0; t < net.Transitions().size() && t < links.In.size(); ++t) {
        TTransition &tr = *net.Transitions()[t];
        tr.InArcs.clear();
        tr.OutArcs.clear();
        for (std::size_t a : links.In[t])
            tr.InArcs.push_back(WeakOf(net.Arcs()[a]));
        for (std::size_t a : links.Out[t])
            tr.OutArcs.push_back(WeakOf(net.Arcs()[a]));
    }
}

// A net of random objects with every kind of text the writer treats differently.
inline TArcLinks FillRandomNet(TDrawingObjects &net, std::uint32_t seed, int objects)
{
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return int(rng() % std::uint32_t(n)); };
    auto any = [&] { return std::int32_t(rng()); };
    const std::vector<std::string> texts = { "L1", "Позиция", "Позиция7", "Z", "a b", "日本", "x😀",
        std::string(300, 'q'), std::string(200, 'x') + "Ж" + std::string(100, 'y'), "inf" };
    TArcLinks links;
    net.NetName = texts[std::size_t(pick(int(texts.size())))];
    net.NetStart = any();
    net.NetDuration = pick(100000);
    net.NetTimeStep = pick(300) - 150;
    for (int i = 0; i < objects; ++i) {
        const std::string label = pick(5) ? texts[std::size_t(pick(int(texts.size())))] : "";
        const std::int32_t x = pick(4000) - 100, y = pick(70000) - 100;
        switch (pick(3)) {
        case 0: {
            auto p = AddPosition(net, x, y, label);
            p->Priority = any();
            p->Capacity = pick(3) ? -1 : any();
            p->FillColor = pick(2) ? clWindow : TColor(any());
            p->Description = pick(2) ? texts[std::size_t(pick(int(texts.size())))] : "";
            p->Mode = std::uint8_t(pick(256));
            break;
        }
        case 1: {
            auto t = AddTransition(net, x, y, label);
            t->ActivationT = any();
            t->DurationT = pick(1000);
            t->Priority = pick(70000) - 35000;
            t->TrType = pick(2) ? "L1 and L2" : "";
            t->Color = TColor(any());
            t->isOutLined(pick(2));
            for (TStringList *list :
                { &t->Predicates, &t->Capacities, &t->CharFn, &t->InIndex, &t->OutIndex })
                for (int k = pick(4); k > 0; --k)
                    list->push_back(
                        { pick(4) ? texts[std::size_t(pick(int(texts.size())))] : "", {} });
            links.In.emplace_back();
            links.Out.emplace_back();
            break;
        }
        default: {
            auto a = AddArc(net, x, y, x + pick(200), y);
            a->Arrowed = pick(2);
            a->What = std::uint16_t(pick(65536));
            a->Level = any();
            a->SetCursor(pick(2) ? crSizeAll : pick(30) - 25);
            break;
        }
        }
    }
    // Random pieces join random transitions, some of them with empty index lists.
    for (std::size_t t = 0; t < links.In.size(); ++t)
        for (std::size_t a = 0; a < net.Arcs().size(); ++a)
            if (pick(8) == 0)
                (pick(2) ? links.In : links.Out)[t].push_back(a);
    ApplyArcLinks(net, links);
    net.SetPosCounter(pick(1000));
    net.SetTrCounter(pick(1000));
    return links;
}

} // namespace morvane::test
