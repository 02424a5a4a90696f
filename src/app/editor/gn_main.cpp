// SPDX-License-Identifier: MIT
#include "gn_main.h"

#include "dialogs/error_message.h"
#include "dialogs/options_dialog.h"
#include "editor_modes.h"
#include "file_names.h"
#include "message_list_box.h"
#include "mode_panel.h"
#include "net_window.h"
#include "program.h"
#include "properties_inspector.h"
#include "resources.h"
#include "save_guard.h"
#include "session/autosave.h"
#include "session/desktop_list.h"
#include "toolbar_strip.h"

#include "export/xml_export.h"
#include "format/atomic_file.h"
#include "format/net_reader.h"
#include "format/net_writer.h"
#include "format/post_read.h"
#include "options/display_globals.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace morvane {

namespace {

constexpr const char *kNetFilter = "Visual Generalized Nets (*.vgn);;Generalized Nets (*.gn)";

struct TModeLook
{
    std::uint16_t Mode;
    const char *Name;
    int Glyph;
};

// Modes that show a name and a glyph in the status bar; the others leave both as they were.
constexpr TModeLook kModeLooks[] = {
    { mdEdit, "Edit mode", resources::giEdit },
    { mdDragEdit, "Drag edit mode", resources::giDragEdit },
    { mdSimulation, "Simulation mode", resources::giEdit },
    { mdPlacePosition, "Place position", resources::giPlacePosition },
    { mdPlaceTransition, "Place transition", resources::giPlaceTransition },
    { mdPlaceArc, "Place arc", resources::giPlaceArc },
    { mdLeftTransition, "Transition wizard", resources::giLeftTransition },
    { mdTransitionWizard, "Transition wizard", resources::giTransitionWizard },
    { mdRightTransition, "Transition wizard", resources::giRightTransition },
    { mdArcWizard, "Arc wizard", resources::giAutorouteArc },
};

TNet *NetIn(QMdiSubWindow *sub)
{
    return sub ? qobject_cast<TNet *>(sub->widget()) : nullptr;
}

} // namespace

TGN::TGN(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName("GN");
    setWindowTitle("MORVANE");
    QFont formFont("Courier New");
    formFont.setPixelSize(11);
    setFont(formFont);
    menuBar()->setFont(QApplication::font());
    PlaceAsDesigned();

    resources::RegisterCursor(crPosition, "POSITION");
    resources::RegisterCursor(crTransition, "TRANSITION");
    resources::RegisterCursor(crTransWizard, "TRANSWIZARD");
    resources::RegisterCursor(crRTransWizard, "RTRANSWIZARD");
    resources::RegisterCursor(crLTransWizard, "LTRANSWIZARD");
    m_modeGlyph = QImage(resources::kGlyphSize, resources::kGlyphSize, QImage::Format_ARGB32);
    m_modeGlyph.fill(palette().color(QPalette::Button));

    // Central area: the net windows above the message panel, the inspector on the right.
    m_mdi = new QMdiArea;
    m_mdi->setObjectName("MdiArea");
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->viewport()->setMouseTracking(true);
    m_mdi->viewport()->installEventFilter(this);
    m_messages = new TMessageListBox;
    auto *pMessage = new QWidget;
    pMessage->setObjectName("pMessage");
    auto *messageLayout = new QVBoxLayout(pMessage);
    messageLayout->setContentsMargins(0, 0, 0, 0);
    messageLayout->addWidget(m_messages);
    m_messageSplitter = new QSplitter(Qt::Vertical);
    m_messageSplitter->setObjectName("Splitter");
    m_messageSplitter->setHandleWidth(3);
    m_messageSplitter->setChildrenCollapsible(false);
    m_messageSplitter->addWidget(m_mdi);
    m_messageSplitter->addWidget(pMessage);
    m_messageSplitter->setStretchFactor(0, 1);
    m_messageSplitter->setStretchFactor(1, 0);
    pMessage->setMinimumHeight(1);
    pMessage->hide();

    m_inspector = new TPropertiesInspector;
    m_inspectorSplitter = new QSplitter(Qt::Horizontal);
    m_inspectorSplitter->setObjectName("Splitter1");
    m_inspectorSplitter->addWidget(m_messageSplitter);
    m_inspectorSplitter->addWidget(m_inspector);
    m_inspectorSplitter->setStretchFactor(0, 1);
    m_inspectorSplitter->setStretchFactor(1, 0);
    m_inspectorSplitter->setSizes({ width() - 153, 153 });
    m_toolbars = new TToolbarStrip;
    m_toolbars->setObjectName("cbToolbars");
    auto *central = new QWidget;
    auto *centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    centralLayout->addWidget(m_toolbars);
    centralLayout->addWidget(m_inspectorSplitter, 1);
    setCentralWidget(central);

    m_clipObjects = std::make_unique<TDrawingObjects>(nullptr, &m_messages->Messages(), nullptr);

    m_openDialog = new QFileDialog(this, "Open");
    m_openDialog->setObjectName("OpenDialog");
    m_openDialog->setNameFilter(kNetFilter);
    m_openDialog->setFileMode(QFileDialog::ExistingFile);
    m_openDialog->setAcceptMode(QFileDialog::AcceptOpen);
    m_openDialog->setOption(QFileDialog::DontUseNativeDialog);
    m_saveDialog = new QFileDialog(this, "Save As");
    m_saveDialog->setObjectName("SaveDialog");
    m_saveDialog->setNameFilter(kNetFilter);
    m_saveDialog->setDefaultSuffix("vgn");
    m_saveDialog->setAcceptMode(QFileDialog::AcceptSave);
    m_saveDialog->setOption(QFileDialog::DontUseNativeDialog);

    CreateMenus();
    CreateToolbars();
    CreateStatusBar();

    // Activation: a net window that becomes the active one (not one that merely gets the focus
    // back when the program does).
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *sub) {
        TNet *net = NetIn(sub);
        if (!net || net == m_lastActive)
            return;
        m_lastActive = net;
        net->Activate();
    });
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &TGN::ShowCaption);
    connect(m_messages, &QListWidget::itemDoubleClicked, this, [this] { NavigateToMessage(); });

    MenuStatus(false);
    const TFontSpec labelFont { "Courier New", 8 };
    Globals().PositionFont = labelFont;
    Globals().TransitionFont = labelFont;
}

TGN::~TGN()
{
    // Net windows first, while the message list their documents write to still exists. A window
    // that was closed and waits for its deferred deletion is no longer listed by the area but is
    // still its child: it goes now too.
    m_closing = true;
    qDeleteAll(m_mdi->findChildren<QMdiSubWindow *>());
    m_clipObjects->Clear();
}

// ---------------------------------------------------------------------------------------------
// Status bar

void TGN::CreateStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName("StatusBar");
    // The longest mode name fits its 104 pixel panel beside the glyph.
    QFont panelFont("Liberation Sans");
    panelFont.setPixelSize(11);
    bar->setFont(panelFont);
    bar->setSizeGripEnabled(true);
    m_modePanel = new TModePanel(*this, bar);
    bar->addWidget(m_modePanel);
    const int widths[] = { 0, 60, 60, 124, 60 };
    for (int i = 1; i < 5; ++i) {
        m_panels[i] = new QLabel(bar);
        m_panels[i]->setObjectName(QString("StatusPanel%1").arg(i));
        m_panels[i]->setFixedWidth(widths[i]);
        if (i == 3)
            m_panels[i]->setAlignment(Qt::AlignCenter);
        if (i >= 3)
            m_panels[i]->setFrameShape(QFrame::NoFrame);
        bar->addWidget(m_panels[i]);
    }
}

// ---------------------------------------------------------------------------------------------
// Modes, menus, status bar

void TGN::SetMode(std::uint16_t mode)
{
    TNet *net = ActiveNet();
    if (!net || (mode == mdDelete && !ConfirmDelete(*this, *net)))
        return;
    try {
        net->LeaveMode();
    } catch (const std::exception &e) {
        // The mode changes all the same; the failed action is reported below.
        m_editorMode = mode;
        ReportFailure(QString::fromStdString(e.what()));
    }
    m_editorMode = mode;
    for (const TModeLook &look : kModeLooks) {
        if (look.Mode != mode)
            continue;
        QImage fresh(resources::kGlyphSize, resources::kGlyphSize, QImage::Format_ARGB32);
        fresh.fill(Qt::transparent);
        {
            QPainter p(&fresh);
            p.drawImage(0, 0, resources::Glyph(look.Glyph));
        }
        // The colour at (0, 0) is the glyph's background: it takes the button face.
        const QRgb background = fresh.pixel(0, 0);
        for (int y = 0; y < fresh.height(); ++y)
            for (int x = 0; x < fresh.width(); ++x)
                if (fresh.pixel(x, y) == background)
                    fresh.setPixel(x, y, qRgba(0, 0, 0, 0));
        m_modeGlyph.fill(palette().color(QPalette::Button));
        QPainter(&m_modeGlyph).drawImage(0, 0, fresh);
        m_modeName = look.Name;
        break;
    }
    m_modePanel->update();
    net->EnterMode();
}

void TGN::DrawModePanel(QPainter &p, const QRect &r) const
{
    p.fillRect(r, palette().color(QPalette::Window));
    p.drawImage(r.left(), r.top(), m_modeGlyph);
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(statusBar()->font());
    p.drawText(
        QPoint(r.left() + m_modeGlyph.width(), r.top() + 1 + p.fontMetrics().ascent()), m_modeName);
}

void TGN::MenuStatus(bool on)
{
    for (QMenu *menu : { m_editMenu, m_viewMenu, m_placeMenu, m_windowMenu })
        menu->menuAction()->setVisible(on);
    m_fileToolbar->setVisible(true);
    m_editToolbar->setEnabled(on);
    for (QAction *a : m_editToolbar->actions())
        a->setEnabled(on);
    // Import opens a window of its own, so it is offered with no net open too.
    for (const char *name : { "miPrintPreview", "tbPrintPreview", "miPrint", "tbPrint", "miSave",
             "tbSave", "miClose", "tbClose", "miExport", "tbExport" })
        if (QAction *a = Action(name))
            a->setEnabled(on);
    // Enabling every button above must not offer an undo the net cannot do.
    if (on)
        UpdateUndoButtons();
    else
        m_inspector->Follow(nullptr);
}

void TGN::UpdateUndoButtons()
{
    TNet *net = ActiveNet();
    const bool undo = net && net->Net().CanUndo();
    const bool redo = net && net->Net().CanRedo();
    m_editMenu->findChild<QAction *>("miUndo")->setEnabled(undo);
    m_editMenu->findChild<QAction *>("miRedo")->setEnabled(redo);
    m_editToolbar->findChild<QAction *>("tbUnDo")->setEnabled(undo);
    m_editToolbar->findChild<QAction *>("tbReDo")->setEnabled(redo);
    // Every moment the history may have moved, what the inspector shows may have changed too.
    m_inspector->Follow(net);
}

void TGN::SetStatusPanel(int index, const QString &text)
{
    if (index >= 1 && index < 5)
        m_panels[index]->setText(text);
    else if (index == 0)
        m_modePanel->update();
}

QString TGN::StatusPanel(int index) const
{
    if (index >= 1 && index < 5)
        return m_panels[index]->text();
    return m_modeName;
}

QAction *TGN::Action(const QString &name) const
{
    return findChild<QAction *>(name);
}

QWidget *TGN::MessagePanel() const
{
    return m_messageSplitter->widget(1);
}

TMessageList &TGN::Messages()
{
    return m_messages->Messages();
}

void TGN::ShowMessagePanel()
{
    m_messages->Sync();
    QWidget *panel = MessagePanel();
    if (!panel->isVisible()) {
        panel->show();
        // The panel opens three whole lines high, the net windows keep the rest.
        const int height = m_messages->HeightForLines(3);
        const int total = m_messageSplitter->height();
        m_messageSplitter->setSizes({ std::max(0, total - height - 3), height });
    }
    Action("miMessages")->setChecked(true);
}

// ---------------------------------------------------------------------------------------------
// Net windows

TNet *TGN::ActiveNet() const
{
    if (TNet *net = NetIn(m_mdi->currentSubWindow()))
        return net;
    // Without an active application the current window is not reported: take the topmost.
    const auto list = m_mdi->subWindowList(QMdiArea::StackingOrder);
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (TNet *net = NetIn(*it))
            return net;
    return nullptr;
}

std::vector<TNet *> TGN::NetWindows() const
{
    std::vector<TNet *> nets;
    for (QMdiSubWindow *sub : m_mdi->subWindowList())
        if (TNet *net = NetIn(sub))
            nets.push_back(net);
    return nets;
}

TNet *TGN::NetOf(const TDrawingObject *obj) const
{
    if (!obj)
        return nullptr;
    for (TNet *net : NetWindows())
        if (net->Net().Owns(obj))
            return net;
    return nullptr;
}

TNet *TGN::CreateNetWindow()
{
    auto *net = new TNet(*this);
    QMdiSubWindow *sub = m_mdi->addSubWindow(net);
    connect(net, &TNet::ModifiedChanged, this, &TGN::ShowCaption);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(resources::GlyphPixmap(resources::giPlaceTransition));
    // The child's own menu closes it with the platform's close keys, Ctrl+W among them, which
    // belongs to Rewire: the child keeps the keys that no command of the menus uses.
    const QList<QAction *> commands = menuBar()->findChildren<QAction *>();
    for (QAction *own : sub->systemMenu()->actions()) {
        QList<QKeySequence> keys = own->shortcuts();
        keys.removeIf([&commands](const QKeySequence &key) {
            return std::any_of(commands.begin(), commands.end(),
                [&key](const QAction *command) { return command->shortcut() == key; });
        });
        own->setShortcuts(keys);
    }
    sub->showMaximized();
    m_mdi->setActiveSubWindow(sub);
    net->setFocus();
    return net;
}

void TGN::NetWindowClosing(TNet *net)
{
    // The clipboard borrows a window's surface while it pastes.
    if (m_clipObjects->GetCanvas() == &net->Surface())
        m_clipObjects->SetCanvas(nullptr);
    m_messages->Clear();
    if (NetWindows().size() == 1) {
        MenuStatus(false);
        SetMode(mdNone);
        SetStatusPanel(1, {});
        SetStatusPanel(2, {});
        statusBar()->update();
    }
    if (m_lastActive == net)
        m_lastActive = nullptr;
    if (TAutosave *autosave = Program().Autosave)
        autosave->Forget(*net);
}

void TGN::ShowCaption()
{
    const TNet *net = ActiveNet();
    setWindowTitle(net && net->IsModified() ? "*MORVANE" : "MORVANE");
}

TNet *TGN::NewNet()
{
    TNet *net = CreateNetWindow();
    net->SetxPgSize(Globals().xPageSize);
    net->SetyPgSize(Globals().yPageSize);
    net->SetFileName({});
    net->SetCaption(QString("Noname%1.vgn").arg(NetWindows().size()));
    MenuStatus(true);
    return net;
}

TNet *TGN::OpenNet(const QString &path)
{
    TNet *net = CreateNetWindow();
    net->SetxPgSize(Globals().xPageSize);
    net->SetyPgSize(Globals().yPageSize);
    net->SetFileName(FileNameOf(path));
    m_messages->Clear();
    TReadResult result;
    try {
        result = ReadNetFile(
            path.toStdString(), net->Net(), [this](const std::string &text, std::size_t offset) {
                Messages().Add(FormatRootError(text, offset));
            });
        if (result.Status != TReadStatus::OpenFailed)
            RunPostReadSteps(net->Net());
    } catch (const std::exception &e) {
        // Memory ran out half-way, say: the half net is dropped and the other windows live on.
        net->Net().Clear();
        m_messages->Clear();
        result = { TReadStatus::OpenFailed, e.what(), 0 };
    }
    if (result.Status == TReadStatus::OpenFailed) {
        // The window stays, empty; it can be saved or closed like a new one.
        MenuStatus(true);
        ReportFailure(QString("Cannot open file \"%1\". %2")
                          .arg(path, QString::fromStdString(result.Reason)));
        net->MarkSaved();
        return net;
    }
    if (result.Status == TReadStatus::Fatal && Program().ErrorMessage)
        Program().ErrorMessage->ShowError("Corrupted file", {});
    if (!Messages().Empty())
        ShowMessagePanel();
    net->Zoom(0, true);
    MenuStatus(true);
    SetMode(mdEdit);
    net->SetFilePath(path);
    net->MarkSaved();
    return net;
}

bool TGN::SaveNetAs(TNet &net, const QString &path)
{
    // Both files are written in full before either is put in place, and the window takes the
    // new name only once both are there: a failure leaves the folder and the window as they were.
    // The description goes beside the path chosen, even when that is a link to a net elsewhere.
    const QString name = FileNameOf(path);
    // The description recomputes the connections, so it is made before the net's bytes.
    const std::string xmlPath = (name + ".xml").toStdString();
    const std::string xml = TXMLExport(net.Net(), xmlPath).GetFileText();
    TAtomicFile netFile, xmlFile;
    TWriteResult written = netFile.Prepare(path.toStdString(), WriteNetToString(net.Net()));
    if (written)
        written = xmlFile.Prepare(xmlPath, xml);
    // The net first: with both prepared a rename fails only if the folder changes meanwhile,
    // and then an old description beside the new net is the lesser loss.
    if (written)
        written = netFile.Commit();
    if (written)
        written = xmlFile.Commit();
    if (!written) {
        ReportFailure(QString::fromStdString(written.Reason));
        return false;
    }
    net.SetFileName(name);
    net.SetFilePath(path);
    net.MarkSaved();
    AddToReopen(path);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Reopen history

void TGN::AddToReopen(const QString &path)
{
    // Most recent first, each file once, at most HistoryDepth files: a file opened again moves
    // to the top, and a new file pushes the oldest out.
    for (int i = 0; i < m_reopenList.size(); ++i)
        if (m_reopenList[i].compare(path, Qt::CaseInsensitive) == 0) {
            m_reopenList.removeAt(i);
            break;
        }
    m_reopenList.prepend(path);
    while (m_reopenList.size() > Globals().HistoryDepth)
        m_reopenList.removeLast();
    RebuildReopenMenu();
}

void TGN::AddToReopen(const std::string &path)
{
    AddToReopen(QString::fromStdString(path));
}

std::optional<TOptionSet> TGN::OptionSet() const
{
    if (TOptions *options = Program().Options)
        return options->Settings();
    return std::nullopt;
}

void TGN::SetOptionSet(const TOptionSet &options)
{
    if (TOptions *dialog = Program().Options)
        dialog->ApplySettings(options);
}

void TGN::KeepHistoryDepth()
{
    if (m_reopenList.size() <= Globals().HistoryDepth)
        return;
    while (m_reopenList.size() > Globals().HistoryDepth)
        m_reopenList.removeLast();
    RebuildReopenMenu();
}

void TGN::RebuildReopenMenu()
{
    m_reopenMenu->clear();
    for (int i = 0; i < m_reopenList.size(); ++i) {
        QAction *item = m_reopenMenu->addAction(QString("&%1 %2").arg(i + 1).arg(m_reopenList[i]));
        item->setObjectName(QString("miReopen%1").arg(i));
        connect(item, &QAction::triggered, this, [this, i] {
            if (i < m_reopenList.size())
                OpenNet(m_reopenList[i]);
        });
    }
}

std::vector<std::string> TGN::ReopenEntries() const
{
    std::vector<std::string> entries;
    for (const QString &path : m_reopenList)
        entries.push_back(path.toStdString());
    return entries;
}

// ---------------------------------------------------------------------------------------------
// Topology messages

void TGN::CheckTopology()
{
    TNet *net = ActiveNet();
    if (!net)
        return;
    SetMode(mdNone);
    net->SetEditState(esNone);
    net->Net().CheckTopology();
    // The splitter's handle sits right above the panel.
    ShowMessagePanel();
}

void TGN::NavigateToMessage()
{
    bool recheck = false;
    std::shared_ptr<TDrawingObject> obj;
    TNet *target = nullptr;
    // The closing "more messages" line past the listed ones leads nowhere.
    const std::size_t listed = std::min(Messages().Count(), TMessageListBox::kMaxShownLines);
    for (int row = 0; row < m_messages->count() && std::size_t(row) < listed; ++row) {
        if (!m_messages->item(row)->isSelected())
            continue;
        auto o = Messages()[std::size_t(row)].Object.lock();
        // A line about a deleted object, or one of a closed window, leads nowhere.
        if (TNet *net = NetOf(o.get())) {
            obj = std::move(o);
            target = net;
            break;
        }
        recheck = true;
    }
    if (!obj) {
        if (recheck)
            CheckTopology();
        return;
    }
    if (target != ActiveNet()) {
        for (QMdiSubWindow *sub : m_mdi->subWindowList())
            if (NetIn(sub) == target)
                m_mdi->setActiveSubWindow(sub);
    }
    target->Locate(*obj);
}

// ---------------------------------------------------------------------------------------------
// Registry client

std::int32_t TGN::WindowStateValue() const
{
    if (isMinimized())
        return 1;
    if (isMaximized())
        return 2;
    return 0;
}

// A maximised or minimised window reports where it goes back to.
std::int32_t TGN::WindowLeft() const
{
    return windowState() & (Qt::WindowMaximized | Qt::WindowMinimized) ? normalGeometry().x()
                                                                       : frameGeometry().x();
}

std::int32_t TGN::WindowTop() const
{
    return windowState() & (Qt::WindowMaximized | Qt::WindowMinimized) ? normalGeometry().y()
                                                                       : frameGeometry().y();
}

std::int32_t TGN::WindowWidth() const
{
    return windowState() & (Qt::WindowMaximized | Qt::WindowMinimized) ? normalGeometry().width()
                                                                       : width();
}

std::int32_t TGN::WindowHeight() const
{
    return windowState() & (Qt::WindowMaximized | Qt::WindowMinimized) ? normalGeometry().height()
                                                                       : height();
}

void TGN::SetWindowStateValue(std::int32_t state)
{
    setWindowState(state == 2 ? Qt::WindowMaximized
            : state == 1      ? Qt::WindowMinimized
                              : Qt::WindowNoState);
}

// The placement from the store is taken only as a whole, and only if the window can then be
// seen; otherwise the window gets the placement it is designed with. Nothing strange reaches Qt,
// and so nothing strange is saved back at exit.
TWindowPlacement &TGN::LoadedPlacement()
{
    if (!m_loadedPlacement)
        m_loadedPlacement
            = TWindowPlacement { WindowLeft(), WindowTop(), WindowWidth(), WindowHeight() };
    return *m_loadedPlacement;
}

void TGN::SetWindowLeft(std::int32_t v)
{
    LoadedPlacement().Left = v;
}

void TGN::SetWindowTop(std::int32_t v)
{
    LoadedPlacement().Top = v;
}

void TGN::SetWindowWidth(std::int32_t v)
{
    LoadedPlacement().Width = v;
}

void TGN::SetWindowHeight(std::int32_t v)
{
    LoadedPlacement().Height = v;
}

void TGN::PlacementLoaded()
{
    if (!m_loadedPlacement)
        return;
    const TWindowPlacement p = *m_loadedPlacement;
    m_loadedPlacement.reset();
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    if (!PlacementFits(p, screens)) {
        PlaceAsDesigned();
        return;
    }
    move(int(p.Left), int(p.Top));
    resize(int(p.Width), int(p.Height));
}

void TGN::PlaceAsDesigned()
{
    resize(593, 424);
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

// ---------------------------------------------------------------------------------------------
// Events

bool TGN::CloseConfirmed()
{
    m_exitConfirmed = true;
    const bool closed = close();
    m_exitConfirmed = false;
    return closed;
}

void TGN::closeEvent(QCloseEvent *event)
{
    if (!m_closing) {
        if (!m_exitConfirmed && !ConfirmExit(*this, true)) {
            event->ignore();
            return;
        }
        m_closing = true;
        SaveDesktop(*this);
        TOptions *options = Program().Options;
        if (options && options->cbAutosaveRegistry->isChecked()) {
            try {
                SaveToRegistry(options->cbLazy->isChecked(), *this);
            } catch (const std::exception &e) {
                ReportFailure(QString::fromStdString(e.what()));
            }
        }
        m_mdi->closeAllSubWindows();
    }
    event->accept();
}

bool TGN::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Close:
        if (auto *sub = qobject_cast<QMdiSubWindow *>(watched))
            if (TNet *net = NetIn(sub)) {
                if (!m_closing && !ConfirmClose(*this, *net)) {
                    event->ignore();
                    return true;
                }
                NetWindowClosing(net);
            }
        break;
    case QEvent::ToolTip:
        // Over a net window the hint is the description of the node under the pointer.
        if (auto *widget = qobject_cast<QWidget *>(watched))
            if (auto *net = qobject_cast<TNet *>(widget->parentWidget());
                net && widget == net->viewport()) {
                auto *help = static_cast<QHelpEvent *>(event);
                const QString hint = net->ObjectHint(help->pos());
                if (hint.isEmpty())
                    QToolTip::hideText();
                else
                    QToolTip::showText(help->globalPos(), hint, widget);
                return true;
            }
        break;
    case QEvent::MouseMove:
        if (watched == m_mdi->viewport())
            SetStatusPanel(0, {});
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TGN::ReportFailure(const QString &text)
{
    QMessageBox::critical(this, "Morvane", text);
}

} // namespace morvane
