// SPDX-License-Identifier: MIT
#pragma once

#include "export/formal_components.h"

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace morvane::cli {

// The limits every sub-command applies to the same kind of value.
inline constexpr std::int32_t kMaxMargin = 100000; // pixels
inline constexpr std::int32_t kMinFactor = 1; // --mul, --div
inline constexpr std::int32_t kMaxFactor = 99;

// A bad command line. main() prints its text above the command's synopsis and exits 64.
struct TUsageError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// The one command-line parser of the sub-commands. Options are declared by name ("o" for -o,
// "scale" for --scale; a value may follow as the next argument or after "="), then Parse reads
// the arguments; everything else is positional, including negative numbers such as page
// coordinates. Every reading method throws TUsageError for a bad value.
class TOptionParser
{
public:
    explicit TOptionParser(std::string command);
    ~TOptionParser();
    TOptionParser(const TOptionParser &) = delete;
    TOptionParser &operator=(const TOptionParser &) = delete;

    TOptionParser &Flag(const std::string &name);
    TOptionParser &Value(const std::string &name);

    void Parse(const std::vector<std::string> &args);

    bool Has(const std::string &name) const;
    std::string Text(const std::string &name, const std::string &fallback = {}) const;
    std::int32_t Int(
        const std::string &name, std::int32_t fallback, std::int32_t low, std::int32_t high) const;
    // Pixels per grid step, within the zoom limits.
    std::int32_t Scale(std::int32_t fallback) const;
    // --margins L,T,R,B: four whole numbers from 0 to kMaxMargin.
    std::array<std::int32_t, 4> Margins() const;
    // What the formal description writes: --components, the bits of each transition's parts
    // ("4,8,64") or their sum; --mask, the name of a predicate not given; --constants TRUE,FALSE,
    // the texts of the two constants. The export dialog's defaults where absent.
    TFormalSettings Formal() const;

    // The positional arguments, which must number from `least` to `most`.
    const std::vector<std::string> &Positional(
        std::size_t least, std::size_t most, const std::string &what) const;

private:
    struct State;
    std::unique_ptr<State> m;
    std::vector<std::string> m_positional;
};

// The options Formal reads, and their help text.
inline constexpr const char *kFormalOptions[] = { "components", "mask", "constants" };
inline constexpr const char *kFormalHelp
    = "--components lists the parts of each transition: 4 inputs, 8 outputs, 16 activation\n"
      "      moment, 32 duration, 64 predicate matrix, 128 capacity matrix, 256 type; as\n"
      "      4,8,64 or as their sum (default 4,8,64,256). --mask names the predicates not\n"
      "      given (default w#{iN}#{iI}#{oN}#{oI}: name and index of the input and output\n"
      "      position), --constants the two constants (default T,F).";

// A whole number, or TUsageError naming `what`.
std::int32_t WholeNumber(
    const std::string &text, const std::string &what, std::int32_t low, std::int32_t high);

// Refuses (TUsageError) an output that is the input file itself under another name: the same
// path, a symbolic link to it or a hard link of it.
void RefuseOverwritingInput(const std::string &input, const std::string &output);

} // namespace morvane::cli
