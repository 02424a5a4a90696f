// SPDX-License-Identifier: MIT
#pragma once

#include "support/globals_fixture.h"
#include "support/net_building.h"
#include "support/test_files.h"

#include "export/latex_export.h"
#include "model/drawing_objects.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace morvane::test {

using LaTeXTest = GlobalsTest;

// Named apart from the format tests' AddArc, which returns a shared pointer: one name with two
// return types in one test program is an ODR violation.
inline TArc *AddLaTeXArc(
    TDrawingObjects &doc, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    return AddPiece(doc, x1, y1, x2, y2).get();
}

template <class T>
T *AddNode(TDrawingObjects &doc, std::int32_t x, std::int32_t y, const std::string &label)
{
    auto node = doc.Add<T>();
    node->Place(x, y, label);
    return node.get();
}

// Two inputs (one through a three-piece arc) and one output of a transition, at scale 8.
// Extent: (40, 100) to (312, 264).
inline void BuildSmallNet(TDrawingObjects &doc)
{
    AddNode<TTransition>(doc, 160, 120, "Z1")->Description = "Merges the two queues";
    AddNode<TPosition>(doc, 40, 120, "L1");
    AddNode<TPosition>(doc, 40, 232, "L2");
    AddNode<TPosition>(doc, 280, 144, "L3");
    AddLaTeXArc(doc, 72, 136, 160, 136);
    AddLaTeXArc(doc, 72, 248, 120, 248);
    AddLaTeXArc(doc, 120, 248, 120, 184);
    AddLaTeXArc(doc, 120, 184, 160, 184);
    AddLaTeXArc(doc, 192, 160, 280, 160);
}

inline std::vector<std::string> GoldenLines(const std::string &name)
{
    std::ifstream in(std::string(MORVANE_TEST_DATA) + "/latex/" + name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

inline bool HavePdfLaTeX()
{
    return std::system("command -v pdflatex >/dev/null 2>&1") == 0;
}

// True when pdflatex, run in the file's folder, made a PDF without an error; the log stays there.
inline bool CompilesWithPdfLaTeX(const std::filesystem::path &tex)
{
    const std::string command = "cd '" + tex.parent_path().string()
        + "' && pdflatex -interaction=nonstopmode -halt-on-error '" + tex.filename().string()
        + "' >/dev/null 2>&1 </dev/null";
    auto pdf = tex;
    pdf.replace_extension(".pdf");
    return std::system(command.c_str()) == 0 && std::filesystem::exists(pdf);
}

} // namespace morvane::test
