// SPDX-License-Identifier: MIT
// The main window's menu commands.
#include "dialogs/export_options.h"
#include "dialogs/net_properties.h"
#include "dialogs/options_dialog.h"
#include "editor_modes.h"
#include "gn_main.h"
#include "logo.h"
#include "message_list_box.h"
#include "net_window.h"
#include "program.h"
#include "properties_inspector.h"
#include "save_guard.h"
#include "toolbar_strip.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>

namespace morvane {

void TGN::miNewClick()
{
    NewNet();
}

void TGN::miOpenClick()
{
    if (m_openDialog->exec() != QDialog::Accepted || m_openDialog->selectedFiles().isEmpty())
        return;
    const QString path = m_openDialog->selectedFiles().first();
    OpenNet(path);
    AddToReopen(path);
}

void TGN::miOpenAsClick()
{
    const int before = int(NetWindows().size());
    miOpenClick();
    if (int(NetWindows().size()) > before)
        miSaveAsClick();
}

void TGN::miSaveClick()
{
    miSaveAsClick();
}

void TGN::miSaveAsClick()
{
    if (TNet *net = ActiveNet())
        SaveThroughDialog(*this, *net);
}

void TGN::miCloseClick()
{
    if (QMdiSubWindow *sub = m_mdi->currentSubWindow())
        sub->close();
    else if (TNet *net = ActiveNet())
        net->parentWidget()->close();
}

void TGN::miExportClick()
{
    TExportOptions *dialog = Program().ExportOptions;
    if (!ActiveNet() || !dialog)
        return;
    // Default predicates are named, and constants read, as in the matrix editor.
    dialog->MatrixSettings = MatrixSettings();
    dialog->ShowFor(ActiveNet());
}

void TGN::miExitClick()
{
    close();
}

// Undo and redo are transient modes: the mode cycle repaints and refreshes the buttons.
void TGN::miUndoClick()
{
    if (TNet *net = ActiveNet()) {
        net->Net().Undo();
        SetMode(mdUndoRedo);
    }
}

void TGN::miRedoClick()
{
    if (TNet *net = ActiveNet()) {
        net->Net().Redo();
        SetMode(mdUndoRedo);
    }
}

void TGN::miRewireClick()
{
    TNet *net = ActiveNet();
    if (!net)
        return;
    net->Net().BeginStep();
    net->Net().Rewire();
    net->Redraw();
    net->SetSelected(nullptr);
}

void TGN::miRemoveFloatingClick()
{
    if (TNet *net = ActiveNet()) {
        net->Net().RemoveBelow(rtFloating);
        net->Redraw();
        net->SetSelected(nullptr);
    }
}

void TGN::miClearDisconnectedClick()
{
    if (TNet *net = ActiveNet()) {
        net->Net().RemoveBelow(rtDisconnected);
        net->Redraw();
        net->SetSelected(nullptr);
    }
}

// Both relabel every position in one undo step through the properties dialog's labeller.
void TGN::miByXYClick()
{
    RelabelPositions(true);
}

void TGN::miByTransitionsClick()
{
    RelabelPositions(false);
}

void TGN::RelabelPositions(bool plain)
{
    TNet *net = ActiveNet();
    TNetProperties *dialog = Program().NetProperties;
    if (!net || !dialog)
        return;
    dialog->Net = &net->Net();
    net->Net().BeginStep();
    dialog->LabelPositions("L", "#", true, plain, false);
    net->Redraw();
}

void TGN::miSelectedObjectClick()
{
    if (ActiveNet())
        m_inspector->PropertiesGrid()->setFocus();
}

void TGN::miGeneralizedNetClick()
{
    TNet *net = ActiveNet();
    if (net && Program().NetProperties) {
        Program().NetProperties->Execute(net->Net());
        net->Redraw();
    }
}

void TGN::miZoomInClick()
{
    if (TNet *net = ActiveNet())
        net->Zoom(1, true);
}

void TGN::miZoomOutClick()
{
    if (TNet *net = ActiveNet())
        net->Zoom(-1, true);
}

void TGN::miZoomNoClick()
{
    if (TNet *net = ActiveNet())
        net->Zoom(8, false);
}

void TGN::miBestFitClick()
{
    if (TNet *net = ActiveNet())
        net->BestFit();
}

void TGN::miRedrawClick()
{
    if (TNet *net = ActiveNet())
        net->Redraw();
}

void TGN::miToolbarClick()
{
    QAction *item = Action("miToolbar");
    item->setChecked(!item->isChecked());
    m_toolbars->setVisible(item->isChecked());
}

void TGN::miStatusLineClick()
{
    QAction *item = Action("miStatusLine");
    statusBar()->setVisible(!item->isChecked());
    item->setChecked(!item->isChecked());
}

void TGN::miMessagesClick()
{
    QAction *item = Action("miMessages");
    if (item->isChecked()) {
        MessagePanel()->hide();
    } else {
        m_messages->Sync();
        MessagePanel()->show();
    }
    item->setChecked(!item->isChecked());
}

void TGN::miOptionsClick()
{
    // The dialog applies its settings and refreshes the active net window itself.
    if (TOptions *options = Program().Options)
        options->Execute();
}

namespace {

void Tile(QMdiArea *mdi, bool stacked)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *sub : mdi->subWindowList())
        if (!sub->isMinimized() && sub->isVisible())
            windows.append(sub);
    if (windows.isEmpty())
        return;
    const QRect area = mdi->viewport()->rect();
    const int n = int(windows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow *sub = windows[i];
        sub->showNormal();
        if (stacked)
            sub->setGeometry(0, area.height() * i / n, area.width(),
                area.height() * (i + 1) / n - area.height() * i / n);
        else
            sub->setGeometry(area.width() * i / n, 0,
                area.width() * (i + 1) / n - area.width() * i / n, area.height());
    }
}

} // namespace

void TGN::miTileHorizontalClick()
{
    Tile(m_mdi, true);
}

void TGN::miTileVerticalClick()
{
    Tile(m_mdi, false);
}

void TGN::miCascadeClick()
{
    // Bottom first, so that the active window ends on top.
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *sub : m_mdi->subWindowList(QMdiArea::StackingOrder))
        if (!sub->isMinimized() && sub->isVisible())
            windows.append(sub);
    if (windows.isEmpty())
        return;
    // Each window steps one title bar down and right of the one below it. The windows take the
    // room the steps leave, but at least two thirds of the area; past that the steps start over.
    const QSize area = m_mdi->viewport()->size();
    const int step = std::max(1,
        windows.first()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.first()));
    const int n = int(windows.size());
    const QSize size(std::max(area.width() - (n - 1) * step, area.width() * 2 / 3),
        std::max(area.height() - (n - 1) * step, area.height() * 2 / 3));
    const int steps
        = 1 + std::min(area.width() - size.width(), area.height() - size.height()) / step;
    for (int i = 0; i < n; ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(QRect(QPoint(i % steps, i % steps) * step, size));
        windows[i]->raise();
    }
}

void TGN::miArrangeAllClick()
{
    // Minimised windows line up along the bottom edge.
    int x = 0;
    const int bottom = m_mdi->viewport()->height();
    for (QMdiSubWindow *sub : m_mdi->subWindowList())
        if (sub->isMinimized()) {
            sub->move(x, bottom - sub->height());
            x += sub->width();
        }
}

void TGN::miAboutClick()
{
    if (TLogo *logo = Program().Logo)
        logo->exec();
}

} // namespace morvane
