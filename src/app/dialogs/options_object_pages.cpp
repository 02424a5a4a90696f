// SPDX-License-Identifier: MIT
// The options dialog's pages for positions, transitions, arcs and confirmations.
#include "options_controls.h"
#include "options_dialog.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace morvane {

using namespace options_controls;

namespace {

// A preview image: for now only its sunken frame.
QFrame *Preview(const char *name, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(2);
    frame->setMinimumSize(120, 120);
    return frame;
}

QGroupBox *EmptyGroup(const QString &caption, QWidget *parent)
{
    auto *group = new QGroupBox(caption, parent);
    group->setMinimumHeight(group->fontMetrics().height() * 3);
    return group;
}

} // namespace

QWidget *TOptions::MakeLabelPage(bool transitions)
{
    auto *page = new QWidget;
    page->setObjectName(transitions ? "Transitions" : "Positions");
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(4, 4, 4, 4);
    row->addWidget(Preview(transitions ? "TransPreview" : "PosPreview", page), 1);

    auto *column = new QVBoxLayout;
    auto *label = new QGroupBox("&Label", page);
    TEditInt *&x = transitions ? exOffsetT : exOffset;
    TEditInt *&y = transitions ? eyOffsetT : eyOffset;
    QCheckBox *&outlined = transitions ? cbOutlinedT : cbOutlinedP;
    {
        auto *l = new QGridLayout(label);
        l->setVerticalSpacing(2);
        x = IntEdit(transitions ? "exOffsetT" : "exOffset", label);
        y = IntEdit(transitions ? "eyOffsetT" : "eyOffset", label);
        auto *offset = new QLabel("&Offset", label);
        offset->setBuddy(x);
        l->addWidget(offset, 0, 0, 1, 3);
        auto *edits = new QGridLayout;
        EditRow(edits, 0, "X : ", x, "p", label);
        EditRow(edits, 1, "Y : ", y, "p", label);
        l->addLayout(edits, 1, 0, 2, 1);
        auto *font = Button(transitions ? "bFontT" : "bFontP", "&Font", label);
        l->addWidget(font, 1, 1);
        outlined = CheckBox(
            transitions ? "cbOutlinedT" : "cbOutlinedP", "&Outlined", transitions, label);
        l->addWidget(outlined, 2, 1);
        connect(
            font, &QPushButton::clicked, this, [this, transitions] { bFontClick(transitions); });
    }
    column->addWidget(label);
    column->addWidget(EmptyGroup("Si&ze", page));
    QCheckBox *&show = transitions ? cbShowLabelT : cbShowLabelP;
    QCheckBox *&print = transitions ? cbPrintLabelT : cbPrintLabelP;
    show = CheckBox(transitions ? "cbShowLabelT" : "cbShowLabelP", "&Show Label", true, page);
    print = CheckBox(transitions ? "cbPrintLabelT" : "cbPrintLabelP", "&Print Label", true, page);
    auto *boxes = new QHBoxLayout;
    boxes->addWidget(show);
    boxes->addWidget(print);
    column->addLayout(boxes);
    if (transitions)
        column->addWidget(EmptyGroup("&Wizard", page));
    column->addStretch(1);
    row->addLayout(column, 2);
    return page;
}

QWidget *TOptions::MakeArcsPage()
{
    auto *page = new QWidget;
    page->setObjectName("Arcs");
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(4, 4, 4, 4);
    auto *wizard = new QGroupBox("&Wizard", page);
    {
        auto *l = new QGridLayout(wizard);
        l->setVerticalSpacing(2);
        cbShowPathMarker = CheckBox("cbShowPathMarker", "Show Path Marker", true, wizard);
        l->addWidget(cbShowPathMarker, 0, 0, 1, 3);
        emWidth = IntEdit("emWidth", wizard);
        emHeight = IntEdit("emHeight", wizard);
        emWidth->SetValue(0);
        emHeight->SetValue(0);
        EditRow(l, 1, "Marker &width: ", emWidth, "p", wizard);
        EditRow(l, 2, "Marker &height: ", emHeight, "p", wizard);
        l->setColumnStretch(3, 1);
    }
    column->addWidget(wizard);
    cbOutlinedA = CheckBox("cbOutlinedA", "&Outlined", false, page);
    column->addWidget(cbOutlinedA);
    column->addStretch(1);
    return page;
}

QWidget *TOptions::MakeConfirmationsPage()
{
    auto *page = new QWidget;
    page->setObjectName("Confirmations");
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(4, 4, 4, 4);
    const auto group = [page](const char *caption, std::initializer_list<QCheckBox *> boxes) {
        auto *box = new QGroupBox(caption, page);
        auto *l = new QVBoxLayout(box);
        l->setSpacing(2);
        for (QCheckBox *b : boxes) {
            b->setParent(box);
            l->addWidget(b);
        }
        l->addStretch(1);
        return box;
    };
    cbExitConf = CheckBox("cbExitConf", "&Exit", false, page);
    cbOverrideConf = CheckBox("cbOverrideConf", "&Save override", true, page);
    cbSaveConf = CheckBox("cbSaveConf", "&Ask for saving", true, page);
    cbAskForStopSimulation = CheckBox("cbAskForStopSimulation", "Stop simulation", false, page);
    cbDeleteObjConf = CheckBox("cbDeleteObjConf", "&Delete object", false, page);
    row->addWidget(group("General", { cbExitConf, cbOverrideConf, cbSaveConf }));
    auto *right = new QVBoxLayout;
    right->addWidget(group("Simulator", { cbAskForStopSimulation }));
    right->addWidget(group("Editor", { cbDeleteObjConf }));
    row->addLayout(right);
    return page;
}

} // namespace morvane
