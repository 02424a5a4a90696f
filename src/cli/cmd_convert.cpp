// SPDX-License-Identifier: MIT
// morvane-cli convert IN OUT: reads a net (.vgn, .gn or .pnml) and writes it in the format the
// output's extension names (.pnml, or this program's own layout otherwise).
#include "command.h"
#include "net_io.h"
#include "option_parser.h"
#include "pnml/pnml_export.h"
#include "pnml/pnml_import.h"

#include "format/net_writer.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

namespace morvane::cli {

namespace {

bool IsPnml(const std::string &path)
{
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(
        ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".pnml";
}

void PrintReport(const std::vector<std::string> &report)
{
    for (const std::string &line : report)
        std::cerr << line << '\n';
}

int RunConvert(const std::vector<std::string> &args)
{
    TOptionParser p("convert");
    p.Value("net");
    p.Parse(args);
    const auto &files = p.Positional(2, 2, "an input and an output file");
    RefuseOverwritingInput(files[0], files[1]);
    TLoadedNet loaded;
    if (IsPnml(files[0])) {
        const TPnmlImport imported = ImportPnmlFile(loaded.Net(), files[0], p.Text("net"));
        if (!imported.Ok) {
            std::cerr << "morvane-cli: " << files[0] << ": " << imported.Error << '\n';
            return kExitBadInput;
        }
        PrintReport(imported.Report);
    } else if (p.Has("net")) {
        return UsageError("convert", "--net picks a net of a PNML input");
    } else if (!LoadWholeNet(files[0], loaded)) {
        return kExitBadInput;
    }
    if (!IsPnml(files[1]))
        return ReportWritten(SaveNetFile(files[1], loaded.Net()));
    std::vector<std::string> report;
    const TWriteResult written = SavePnml(loaded.Net(), files[1], report);
    PrintReport(report);
    return ReportWritten(written);
}

const CommandRegistrar registrar("convert", "convert [--net ID] IN OUT",
    "Converts a net between .vgn/.gn and .pnml by the files' extensions; nothing is written "
    "when the input cannot be read whole.",
    RunConvert);

} // namespace
} // namespace morvane::cli
