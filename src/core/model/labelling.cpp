// SPDX-License-Identifier: MIT
#include "model/labelling.h"

#include "common/text.h"
#include "model/drawing_objects.h"
#include "model/transition_matrices.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>
#include <vector>

namespace morvane {

namespace {

struct TKeyed
{
    std::string Key;
    TDrawingObject *Object;
};

std::string PlaceKey(const TDrawingObject &obj, bool columns)
{
    return columns ? SortKey8(obj.Left()) + " " + SortKey8(obj.Top())
                   : SortKey8(obj.Top()) + " " + SortKey8(obj.Left());
}

// Ascending by key ignoring letter case; of equal keys only the first in list order stays.
void SortDroppingTwins(std::vector<TKeyed> &list)
{
    for (auto &k : list)
        for (char &c : k.Key)
            if (c >= 'A' && c <= 'Z')
                c = char(c - 'A' + 'a');
    std::stable_sort(
        list.begin(), list.end(), [](const TKeyed &a, const TKeyed &b) { return a.Key < b.Key; });
    list.erase(std::unique(list.begin(), list.end(),
                   [](const TKeyed &a, const TKeyed &b) { return a.Key == b.Key; }),
        list.end());
}

bool Takes(const TDrawingObject &obj, bool all)
{
    return all || obj.Mode == omSelected;
}

// The label and index texts with their marks taken out, and where the number goes in each.
class TMarks
{
public:
    explicit TMarks(const TNumbering &n)
        : m_label(WithoutBreaks(n.Label))
        , m_index(WithoutBreaks(n.Index))
    {
        m_labelAt = m_label.find('#');
        m_indexAt = m_index.find('#');
        if (m_labelAt == std::string::npos && m_indexAt == std::string::npos)
            m_indexAt = m_index.size();
        else if (m_indexAt != std::string::npos)
            m_index.erase(m_indexAt, 1);
        if (m_labelAt != std::string::npos)
            m_label.erase(m_labelAt, 1);
    }

    std::string Label(std::int32_t number) const { return Insert(m_label, m_labelAt, number); }
    std::string Index(std::int32_t number) const { return Insert(m_index, m_indexAt, number); }

private:
    static std::string WithoutBreaks(std::string text)
    {
        std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
        return text;
    }
    static std::string Insert(std::string text, std::size_t at, std::int32_t number)
    {
        if (at != std::string::npos)
            text.insert(at, std::to_string(number));
        return text;
    }

    std::string m_label, m_index;
    std::size_t m_labelAt, m_indexAt;
};

void SetLabelParts(TDrawingObject &obj, const std::string &label, const std::string &index)
{
    obj.Record(ukChanged);
    obj.SetBase(label);
    obj.SetIndex(index);
}

TTransition *AsTransition(TDrawingObject *node)
{
    return node && node->Kind() == okTransition ? static_cast<TTransition *>(node) : nullptr;
}

// The transition the position's outgoing arc leads into, and the one its incoming arc comes from.
TTransition *InputOf(const TPosition &p)
{
    return p.OutArc() ? AsTransition(p.OutArc()->ToNode()) : nullptr;
}
TTransition *OutputOf(const TPosition &p)
{
    return p.InArc() ? AsTransition(p.InArc()->FromNode()) : nullptr;
}

std::string ConnectionKey(const TPosition &p)
{
    TTransition *in = InputOf(p);
    TTransition *out = OutputOf(p);
    const std::string own = SortKey8(p.Left()) + " " + SortKey8(p.Top());
    if (in && out) {
        const auto distance
            = [&p](const TTransition *t) { return std::llabs(std::int64_t(t->Left()) - p.Left()); };
        if (distance(out) < distance(in))
            in = nullptr;
    }
    if (TTransition *t = in ? in : out)
        return SortKey8(t->Left()) + " " + SortKey8(t->Top()) + (in ? "In" : "Out") + own;
    return "Not Connected with Transition" + own;
}

} // namespace

std::string RenameInText(const std::string &text, const TRename *renames, std::size_t count)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const TRename *best = nullptr;
        for (std::size_t r = 0; r < count; ++r) {
            const std::string &old = renames[r].Old;
            if (!old.empty() && (!best || old.size() > best->Old.size())
                && text.compare(i, old.size(), old) == 0)
                best = &renames[r];
        }
        if (best) {
            out += best->New;
            i += best->Old.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::int32_t LabelTransitions(TDrawingObjects &net, const TNumbering &numbering)
{
    std::vector<TKeyed> list;
    list.reserve(net.Transitions().size());
    for (TTransition *t : net.Transitions())
        if (Takes(*t, numbering.All))
            list.push_back({ PlaceKey(*t, numbering.Columns), t });
    SortDroppingTwins(list);
    const TMarks marks(numbering);
    std::int32_t number = numbering.Start;
    for (const TKeyed &k : list) {
        SetLabelParts(*k.Object, marks.Label(number), marks.Index(number));
        ++number;
    }
    return number;
}

std::int32_t LabelPositions(TDrawingObjects &net, const TNumbering &numbering, bool plain)
{
    std::vector<TKeyed> list;
    list.reserve(net.Positions().size());
    for (TPosition *p : net.Positions())
        if (Takes(*p, numbering.All))
            list.push_back({ plain ? PlaceKey(*p, numbering.Columns) : ConnectionKey(*p), p });
    SortDroppingTwins(list);
    const TMarks marks(numbering);
    // Type texts are rewritten once from their old wording, so that labels passed on from one
    // position to the next are not renamed twice.
    std::unordered_map<TTransition *, std::vector<TRename>> renames;
    std::vector<TTransition *> order;
    std::int32_t number = numbering.Start;
    for (const TKeyed &k : list) {
        auto &p = static_cast<TPosition &>(*k.Object);
        const std::string label = marks.Label(number), index = marks.Index(number);
        if (TTransition *t = InputOf(p)) {
            auto [it, added] = renames.try_emplace(t);
            if (added)
                order.push_back(t);
            it->second.push_back({ p.selfLabel(), label + index });
        }
        SetLabelParts(p, label, index);
        ++number;
    }
    for (TTransition *t : order) {
        const auto &r = renames[t];
        std::string type = RenameInText(t->TrType, r.data(), r.size());
        if (type != t->TrType) {
            t->Record(ukChanged);
            t->TrType = std::move(type);
        }
    }
    FollowRelabels(net);
    return number;
}

} // namespace morvane
