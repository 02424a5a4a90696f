// SPDX-License-Identifier: MIT
// "&Import...": a PNML net into a new net window.
#include "editor_modes.h"
#include "gn_main.h"
#include "message_list_box.h"
#include "net_window.h"
#include "pnml/pnml_import.h"
#include "pnml/pnml_reader.h"

#include "options/display_globals.h"

#include <QFileDialog>
#include <QFileInfo>

#include <algorithm>

namespace morvane {

void TGN::miImportClick()
{
    const QString path = QFileDialog::getOpenFileName(
        this, "Import", {}, "PNML nets (*.pnml *.xml);;All files (*)");
    if (!path.isEmpty())
        ImportNet(path);
}

TNet *TGN::ImportNet(const QString &path)
{
    TPnmlNet pnml;
    const TPnmlReadResult read = ReadPnmlFile(path.toStdString(), "", pnml);
    if (!read.Ok) {
        ReportFailure(
            QString("Cannot import file \"%1\". %2").arg(path, QString::fromStdString(read.Error)));
        return nullptr;
    }
    TNet *net = CreateNetWindow();
    net->SetFileName({});
    // Where it came from; the net has no file of its own until it is saved.
    net->SetCaption(QString("%1.vgn (imported from %2)")
                        .arg(QFileInfo(path).completeBaseName(), QFileInfo(path).fileName()));
    m_messages->Clear();
    std::vector<std::string> report;
    const TPnmlImportCounts counts = BuildPnmlNet(net->Net(), pnml, report);
    report.insert(report.begin(), read.Report.begin(), read.Report.end());
    report.insert(report.begin(),
        QString("Imported \"%1\": %2 positions, %3 transitions, %4 arcs in %5 pieces")
            .arg(path)
            .arg(counts.Positions)
            .arg(counts.Transitions)
            .arg(counts.Arcs)
            .arg(counts.Pieces)
            .toStdString());
    // Importing is no edit to undo piece by piece.
    std::vector<const TDrawingObject *> objects;
    for (const auto &obj : net->Net().Objects())
        objects.push_back(obj.get());
    net->Net().ForgetRecordsOf(objects);
    // The net exists in no net file yet.
    net->MarkModified();
    // The page grows to hold the drawing.
    const std::int32_t room = 4 * std::max(Globals().xGrid, Globals().yGrid);
    net->SetxPgSize(std::max(Globals().xPageSize, counts.Right + room));
    net->SetyPgSize(std::max(Globals().yPageSize, counts.Bottom + room));
    for (const std::string &line : report)
        Messages().Add(line);
    ShowMessagePanel();
    net->Zoom(0, true);
    MenuStatus(true);
    SetMode(mdEdit);
    return net;
}

} // namespace morvane
