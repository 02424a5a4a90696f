// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace morvane {

// What every streamable thing of a net file has: a class name and an object name. Objects that
// own further records (time functions read from a file, say) keep them in `Children`.
class TComponent
{
public:
    virtual ~TComponent() = default;
    virtual const char *ClassName() const = 0;

    std::string Name;
    std::vector<std::shared_ptr<TComponent>> Children;
};

} // namespace morvane
