// SPDX-License-Identifier: MIT
#include "pnml/layered_layout.h"

#include <algorithm>
#include <cmath>

namespace morvane {

// Layers by breadth-first search from the nodes nothing leads to (and, for what is left in
// circles, from the first node not reached yet): linear in the net's size, so that benchmark nets
// of tens of thousands of nodes are laid out at once.
TPnmlLayers LayerUnplaced(const TPnmlNet &net, const TPnmlPlacement &placement)
{
    const std::size_t n = net.Nodes.size();
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < n; ++i)
        if (!placement.Placed[i])
            order.push_back(i);

    std::vector<std::size_t> start(n + 1, 0), into(n, 0);
    for (const TPnmlArc &a : net.Arcs)
        if (!placement.Placed[a.Source] && !placement.Placed[a.Target]) {
            ++start[a.Source + 1];
            ++into[a.Target];
        }
    for (std::size_t i = 0; i < n; ++i)
        start[i + 1] += start[i];
    std::vector<std::size_t> next(start.back()), fill(start.begin(), start.end() - 1);
    for (const TPnmlArc &a : net.Arcs)
        if (!placement.Placed[a.Source] && !placement.Placed[a.Target])
            next[fill[a.Source]++] = a.Target;

    constexpr std::size_t kUnset = std::size_t(-1);
    TPnmlLayers result;
    std::vector<std::size_t> &layer = result.Layer, &queue = result.Order;
    layer.assign(n, kUnset);
    queue.reserve(order.size());
    auto search = [&](std::size_t root) {
        layer[root] = 0;
        queue.push_back(root);
        for (std::size_t q = queue.size() - 1; q < queue.size(); ++q) {
            const std::size_t u = queue[q];
            for (std::size_t k = start[u]; k < start[u + 1]; ++k)
                if (layer[next[k]] == kUnset) {
                    layer[next[k]] = layer[u] + 1;
                    queue.push_back(next[k]);
                }
        }
    };
    for (std::size_t i : order)
        if (into[i] == 0 && layer[i] == kUnset)
            search(i);
    for (std::size_t i : order)
        if (layer[i] == kUnset)
            search(i);
    return result;
}

// A layer taller than about the square root of the node count is folded into several columns,
// which keeps the drawing roughly square.
void LayOutInLayers(const TPnmlLayers &layers, TPnmlPlacement &placement, double spacing)
{
    const std::vector<std::size_t> &order = layers.Order, &layer = layers.Layer;
    if (order.empty())
        return;
    const auto fold = std::max<std::size_t>(8, std::size_t(std::sqrt(double(order.size()))) + 1);
    std::size_t count = 0;
    for (std::size_t i : order)
        count = std::max(count, layer[i] + 1);
    std::vector<std::size_t> sizes(count, 0), column(count + 1, 0), used(count, 0);
    for (std::size_t i : order)
        ++sizes[layer[i]];
    for (std::size_t l = 0; l < count; ++l)
        column[l + 1] = column[l] + (sizes[l] + fold - 1) / fold;
    // Queue order keeps the nodes of one search together, so connected nodes stay near.
    for (std::size_t i : order) {
        const std::size_t l = layer[i], k = used[l]++;
        placement.Centres[i]
            = { double(column[l] + k / fold) * spacing, double(k % fold) * spacing };
        placement.Placed[i] = true;
    }
}

} // namespace morvane
