// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace morvane {

class TDrawingObject;

// One line of the main window's message list, optionally about one net object. The reference is
// weak: a line never keeps an object alive, and a line whose object is gone refers to nothing.
struct TMessageLine
{
    std::string Text;
    std::weak_ptr<TDrawingObject> Object;
};

class TMessageList
{
public:
    void Add(std::string text, std::weak_ptr<TDrawingObject> object = {})
    {
        Lines.push_back({ std::move(text), std::move(object) });
    }
    void Clear() { Lines.clear(); }
    std::size_t Count() const { return Lines.size(); }
    bool Empty() const { return Lines.empty(); }
    const TMessageLine &operator[](std::size_t i) const { return Lines[i]; }

    std::vector<TMessageLine> Lines;
};

} // namespace morvane
