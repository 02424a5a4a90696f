// SPDX-License-Identifier: MIT
#pragma once

#include "support/globals_fixture.h"
#include "support/net_building.h"
#include "support/test_files.h"

#include "export/latex_export.h"
#include "model/drawing_objects.h"

#include <cstdlib>
#include <fstream>
#include <vector>

namespace morvane::test {

using LaTeXTest = GlobalsTest;

// Two inputs (one through a three-piece arc) and one output of a transition, at scale 8.
// Extent: (40, 100) to (312, 264).
inline void BuildSmallNet(TDrawingObjects &doc)
{
    PlaceNode<TTransition>(doc, 160, 120, "Z1")->Description = "Merges the two queues";
    PlaceNode<TPosition>(doc, 40, 120, "L1");
    PlaceNode<TPosition>(doc, 40, 232, "L2");
    PlaceNode<TPosition>(doc, 280, 144, "L3");
    AddPiece(doc, 72, 136, 160, 136);
    AddPiece(doc, 72, 248, 120, 248);
    AddPiece(doc, 120, 248, 120, 184);
    AddPiece(doc, 120, 184, 160, 184);
    AddPiece(doc, 192, 160, 280, 160);
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
