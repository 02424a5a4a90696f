// SPDX-License-Identifier: MIT
#include "pnml/graphviz_layout.h"

#include "options/display_globals.h"

#include <algorithm>
#include <cmath>
#include <graphviz/gvc.h>
#include <graphviz/gvplugin.h>
// GCC says it builds with AddressSanitizer through a macro, Clang through a feature test.
#if defined(__SANITIZE_ADDRESS__)
#define MORVANE_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MORVANE_LEAK_CHECKED 1
#endif
#endif
#ifdef MORVANE_LEAK_CHECKED
#include <sanitizer/lsan_interface.h>
#endif
#include <string>

// The layered engine's plugin, linked in rather than found through Graphviz's plugin
// configuration, which a system may lack.
extern "C" gvplugin_library_t gvplugin_dot_layout_LTX_library;

namespace morvane {

namespace {

int DiscardMessage(char *)
{
    return 0;
}

// Graphviz measures in points; a net pixel is taken as a point, so sizes are pixels / 72 inches.
std::string Inches(double pixels)
{
    return std::to_string(pixels / 72.0);
}

// Declares an attribute of the graph, its nodes or its edges with its default value.
Agsym_t *Declare(Agraph_t *graph, int kind, const char *name, const std::string &value)
{
    return agattr(graph, kind, const_cast<char *>(name), const_cast<char *>(value.c_str()));
}

class TGraphviz
{
public:
    TGraphviz()
    {
        agseterr(AGMAX);
        agseterrf(DiscardMessage);
        m_context = gvContextPlugins(nullptr, 0);
        gvAddLibrary(m_context, &gvplugin_dot_layout_LTX_library);
        m_graph = agopen(const_cast<char *>("net"), Agdirected, nullptr);
    }
    ~TGraphviz()
    {
        if (m_laidOut)
            gvFreeLayout(m_context, m_graph);
        agclose(m_graph);
        gvFreeContext(m_context);
    }
    TGraphviz(const TGraphviz &) = delete;
    TGraphviz &operator=(const TGraphviz &) = delete;

    Agraph_t *Graph() const { return m_graph; }
    bool LayOut()
    {
#ifdef MORVANE_LEAK_CHECKED
        // Graphviz's layered engine loses a few of its own hidden edges on nets with circles;
        // the leak checker is not to blame this program for them.
        __lsan::ScopedDisabler graphvizOwnLeaks;
#endif
        m_laidOut = gvLayout(m_context, m_graph, "dot") == 0;
        return m_laidOut;
    }

private:
    GVC_t *m_context = nullptr;
    Agraph_t *m_graph = nullptr;
    bool m_laidOut = false;
};

} // namespace

std::size_t DotWork(const TPnmlNet &net, const TPnmlPlacement &placement)
{
    const std::size_t n = net.Nodes.size();
    const auto inside = [&](const TPnmlArc &a) {
        return !placement.Placed[a.Source] && !placement.Placed[a.Target];
    };
    std::vector<std::size_t> start(n + 1, 0);
    for (const TPnmlArc &a : net.Arcs)
        if (inside(a))
            ++start[a.Source + 1];
    for (std::size_t i = 0; i < n; ++i)
        start[i + 1] += start[i];
    std::vector<std::size_t> next(start.back()), fill(start.begin(), start.end() - 1);
    for (const TPnmlArc &a : net.Arcs)
        if (inside(a))
            next[fill[a.Source]++] = a.Target;

    // Depth-first search without recursion; the finishing order reversed is a topological order
    // once the arcs closing a circle (to a node still on the stack) are turned round.
    enum : unsigned char { kNew, kOnStack, kDone };
    std::vector<unsigned char> state(n, kNew);
    std::vector<std::size_t> finished, cursor(start.begin(), start.end() - 1);
    std::vector<std::size_t> stack;
    for (std::size_t root = 0; root < n; ++root) {
        if (placement.Placed[root] || state[root] != kNew)
            continue;
        state[root] = kOnStack;
        stack.push_back(root);
        while (!stack.empty()) {
            const std::size_t u = stack.back();
            if (cursor[u] == start[u + 1]) {
                state[u] = kDone;
                finished.push_back(u);
                stack.pop_back();
                continue;
            }
            const std::size_t v = next[cursor[u]++];
            if (state[v] == kNew) {
                state[v] = kOnStack;
                stack.push_back(v);
            }
        }
    }
    std::vector<std::size_t> position(n, 0);
    for (std::size_t k = 0; k < finished.size(); ++k)
        position[finished[k]] = finished.size() - k;
    // Longest paths along the topological order, over every arc pointed forwards in it.
    std::vector<std::size_t> rank(n, 0);
    std::vector<std::pair<std::size_t, std::size_t>> forward;
    for (const TPnmlArc &a : net.Arcs)
        if (inside(a) && a.Source != a.Target)
            forward.push_back(position[a.Source] < position[a.Target]
                    ? std::make_pair(a.Source, a.Target)
                    : std::make_pair(a.Target, a.Source));
    std::sort(forward.begin(), forward.end(),
        [&](const auto &x, const auto &y) { return position[x.first] < position[y.first]; });
    for (const auto &[from, to] : forward)
        rank[to] = std::max(rank[to], rank[from] + 1);
    std::size_t work = finished.size();
    for (const auto &[from, to] : forward)
        work += rank[to] - rank[from];
    return work;
}

bool LayOutWithDot(const TPnmlNet &net, TPnmlPlacement &placement, double spacing, bool quick)
{
    const TDisplayGlobals &g = Globals();
    TGraphviz graphviz;
    Agraph_t *graph = graphviz.Graph();
    Declare(graph, AGRAPH, "rankdir", "LR");
    // Ranks an arc's length apart, nodes of one rank with room for their labels between them.
    Declare(graph, AGRAPH, "ranksep", Inches(spacing - g.XTsize));
    Declare(graph, AGRAPH, "nodesep", Inches(spacing / 2));
    // Arcs are routed as straight pieces around the nodes; the quick way leaves them straight.
    Declare(graph, AGRAPH, "splines", quick ? "none" : "polyline");
    if (quick) {
        // Fewer rounds of the network simplex (ranks, then places within them) and of crossing
        // reduction: nets whose arcs span many ranks took minutes with the defaults.
        Declare(graph, AGRAPH, "nslimit", "1");
        Declare(graph, AGRAPH, "nslimit1", "1");
        Declare(graph, AGRAPH, "mclimit", "0.2");
    }
    Declare(graph, AGNODE, "shape", "box");
    Declare(graph, AGNODE, "fixedsize", "true");
    Declare(graph, AGNODE, "label", "");
    Agsym_t *width = Declare(graph, AGNODE, "width", Inches(g.XPsize));
    Agsym_t *height = Declare(graph, AGNODE, "height", Inches(g.YPsize));
    const std::string transitionWidth = Inches(g.XTsize), transitionHeight = Inches(g.YTsize);

    std::vector<Agnode_t *> nodes(net.Nodes.size(), nullptr);
    for (std::size_t i = 0; i < net.Nodes.size(); ++i) {
        if (placement.Placed[i])
            continue;
        Agnode_t *node = agnode(graph, nullptr, 1);
        if (!net.Nodes[i].IsPlace) {
            agxset(node, width, const_cast<char *>(transitionWidth.c_str()));
            agxset(node, height, const_cast<char *>(transitionHeight.c_str()));
        }
        nodes[i] = node;
    }
    std::vector<Agedge_t *> edges(net.Arcs.size(), nullptr);
    for (std::size_t k = 0; k < net.Arcs.size(); ++k) {
        const TPnmlArc &a = net.Arcs[k];
        if (nodes[a.Source] && nodes[a.Target] && a.Source != a.Target)
            edges[k] = agedge(graph, nodes[a.Source], nodes[a.Target], nullptr, 1);
    }
    if (!graphviz.LayOut())
        return false;

    const boxf box = GD_bb(graph);
    const auto point = [&box](pointf p) { return TPnmlPoint { p.x - box.LL.x, box.UR.y - p.y }; };
    for (std::size_t i = 0; i < net.Nodes.size(); ++i)
        if (nodes[i]) {
            placement.Centres[i] = point(ND_coord(nodes[i]));
            placement.Placed[i] = true;
        }
    // A polyline route is a chain of cubic pieces whose every third point is a corner; the
    // corners between the ends are the arc's bend points, from its source to its target.
    placement.Bends.resize(net.Arcs.size());
    for (std::size_t k = 0; k < edges.size(); ++k) {
        const splines *route = edges[k] ? ED_spl(edges[k]) : nullptr;
        if (!route || route->size < 1 || route->list[0].size < 7)
            continue;
        const bezier &curve = route->list[0];
        std::vector<TPnmlPoint> &bends = placement.Bends[k];
        for (int j = 3; j + 3 < curve.size; j += 3)
            bends.push_back(point(curve.list[j]));
        const TPnmlPoint source = placement.Centres[net.Arcs[k].Source];
        const auto distance
            = [&source](TPnmlPoint p) { return std::hypot(p.X - source.X, p.Y - source.Y); };
        if (distance(bends.back()) < distance(bends.front()))
            std::reverse(bends.begin(), bends.end());
    }
    return true;
}

} // namespace morvane
