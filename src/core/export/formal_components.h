// SPDX-License-Identifier: MIT
#pragma once

#include "model/transition_matrices.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// What the formal description writes of each transition: a bit set, the values the export
// dialog's check boxes carry.
enum TTransitionComponent : std::int32_t {
    tcInputs = 4,
    tcOutputs = 8,
    tcActivation = 16, // activation moment
    tcDuration = 32, // activation duration
    tcPredicates = 64, // the predicate index matrix
    tcCapacities = 128, // the arc capacity index matrix
    tcType = 256, // the type, with "and" and "or" as the logical signs
};
inline constexpr std::int32_t kAllComponents = 4 | 8 | 16 | 32 | 64 | 128 | 256;
inline constexpr std::int32_t kDefaultComponents = tcInputs | tcOutputs | tcPredicates | tcType;

struct TFormalSettings
{
    std::int32_t Components = kDefaultComponents;
    TMatrixSettings Matrices;
};

// "4,8,64" (bits, each one of the components) or one number holding them; nothing for other text.
std::optional<std::int32_t> ParseComponents(std::string_view text);

// A transition type cut into words and the text between them; "and" and "or" (any letter case)
// are the operators.
struct TTypeToken
{
    enum TKind : std::uint8_t { Word, And, Or, Other } Kind;
    std::string Text;
};
std::vector<TTypeToken> TypeTokens(std::string_view type);

} // namespace morvane
