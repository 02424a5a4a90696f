// SPDX-License-Identifier: MIT
#include "net_properties.h"

#include "color_sample.h"
#include "edit_int.h"
#include "editor/gn_main.h"
#include "editor/net_window.h"
#include "editor/program.h"
#include "error_message.h"
#include "render/qt_canvas.h"

#include "common/text.h"
#include "model/bulk_attributes.h"
#include "model/drawing_objects.h"
#include "model/labelling.h"
#include "model/transition_matrices.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>

namespace morvane {

namespace {

// The two images of an "Insert Number" button: numbers along a row (0) or down a column (1).
QIcon NumberOrderImage(int index)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    QFont f = p.font();
    f.setPixelSize(8);
    p.setFont(f);
    const QPoint at[2][3]
        = { { { 0, 10 }, { 5, 10 }, { 10, 10 } }, { { 5, 5 }, { 5, 10 }, { 5, 15 } } };
    for (int i = 0; i < 3; ++i)
        p.drawText(at[index][i], QString::number(i + 1));
    return QIcon(pm);
}

QLineEdit *Edit(const char *name, const QString &text = {})
{
    auto *e = new QLineEdit(text);
    e->setObjectName(name);
    return e;
}

QCheckBox *Box(const char *name, const char *caption)
{
    auto *b = new QCheckBox(caption);
    b->setObjectName(name);
    return b;
}

QPushButton *Button(const char *name, const char *caption)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

TEditInt *IntEdit(const char *name, const char *text)
{
    auto *e = new TEditInt;
    e->setObjectName(name);
    e->setText(text);
    return e;
}

QSpinBox *StartAt(const char *name)
{
    auto *s = new QSpinBox;
    s->setObjectName(name);
    s->setRange(-999999, 999999);
    s->setValue(1);
    return s;
}

std::string Std(const QString &text)
{
    return text.toStdString();
}

} // namespace

TNetProperties::TNetProperties(QWidget *parent)
    : TPropertyForm(parent)
{
    setObjectName("NetProperties");
    setWindowTitle("Generalized Net Properties");

    auto *layout = new QVBoxLayout(this);
    auto *nameRow = new QHBoxLayout;
    eNetName = Edit("eNetName");
    auto *nameLabel = new QLabel("&Net Name");
    nameLabel->setBuddy(eNetName);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(eNetName, 1);
    layout->addLayout(nameRow);

    auto *top = new QHBoxLayout;
    BuildTimeGroup(top);
    BuildPredicateGroup(top);
    layout->addLayout(top);
    auto *middle = new QHBoxLayout;
    BuildTransitionGroup(middle);
    BuildPositionGroup(middle);
    layout->addLayout(middle);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    bbOk = Button("bbOk", "OK");
    bbOk->setDefault(true);
    auto *cancel = Button("bbCancel", "Cancel");
    buttons->addWidget(bbOk);
    buttons->addWidget(cancel);
    buttons->addWidget(Button("bbHelp", "Help"));
    layout->addLayout(buttons);
    StatusBar = new QStatusBar;
    StatusBar->setObjectName("StatusBar");
    StatusBar->setSizeGripEnabled(false);
    StatusBar->addWidget(new QLabel(" Pos : "));
    layout->addWidget(StatusBar);
    layout->setContentsMargins(8, 8, 8, 0);

    connect(bbOk, &QPushButton::clicked, this, &TNetProperties::bbOkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    adjustSize();
    StoreHeight();
}

void TNetProperties::BuildTimeGroup(QBoxLayout *into)
{
    auto *group = new QGroupBox("&Time");
    auto *grid = new QGridLayout(group);
    eStart = IntEdit("eStart", "0");
    eTimeStep = IntEdit("eTimeStep", "1");
    eDuration = IntEdit("eDuration", "0");
    eiLoopAt = IntEdit("eiLoopAt", "0");
    cbLoopAt = Box("cbLoopAt", "Loop At");
    const struct
    {
        const char *Caption;
        QWidget *Edit;
    } rows[] = { { "&Start functioning", eStart }, { "T&ime Step", eTimeStep },
        { "&Duration", eDuration }, { "&Moment", eiLoopAt } };
    int r = 0;
    for (const auto &row : rows) {
        auto *label = new QLabel(row.Caption);
        label->setBuddy(row.Edit);
        grid->addWidget(label, r, 0);
        grid->addWidget(row.Edit, r++, 1);
    }
    grid->addWidget(cbLoopAt, r - 1, 2);
    into->addWidget(group);
}

void TNetProperties::BuildPredicateGroup(QBoxLayout *into)
{
    auto *group = new QGroupBox("&Predicates");
    group->setObjectName("gbPredicates");
    auto *grid = new QGridLayout(group);
    lbPredicates = new QListWidget;
    lbPredicates->setObjectName("lbPredicates");
    lbPredicates->setSelectionMode(QAbstractItemView::MultiSelection);
    lbPredicates->setMaximumHeight(80);
    eprName = Edit("eprName");
    mPredicateDef = new QPlainTextEdit;
    mPredicateDef->setObjectName("mPredicateDef");
    ecfName = Edit("ecfName");
    mcfDescription = new QPlainTextEdit;
    mcfDescription->setObjectName("mcfDescription");
    for (QPlainTextEdit *m : { mPredicateDef, mcfDescription })
        m->setMaximumHeight(36);
    eprName->setToolTip("Predicate name");
    ecfName->setToolTip("Characteristic function of the output position");
    for (QLineEdit *e : { eprName, ecfName })
        e->setMinimumWidth(72);
    grid->addWidget(lbPredicates, 0, 0, 4, 1);
    grid->addWidget(new QLabel("Description"), 0, 3);
    grid->addWidget(eprName, 1, 1);
    grid->addWidget(new QLabel("="), 1, 2);
    grid->addWidget(mPredicateDef, 1, 3);
    grid->addWidget(ecfName, 2, 1);
    grid->addWidget(new QLabel("="), 2, 2);
    grid->addWidget(mcfDescription, 2, 3);
    auto *speed = new QHBoxLayout;
    const struct
    {
        const char *Name, *Hint;
        Qt::ArrowType Arrow;
        void (TNetProperties::*Click)();
    } buttons[] = { { "sbPredicateApply", "Apply to the picked predicates", Qt::LeftArrow,
                        &TNetProperties::sbPredicateApplyClick },
        { "sbPredicateClear", "Clear the picked predicates", Qt::RightArrow,
            &TNetProperties::sbPredicateClearClick } };
    for (const auto &button : buttons) {
        auto *b = new QToolButton;
        b->setObjectName(button.Name);
        b->setToolTip(button.Hint);
        b->setArrowType(button.Arrow);
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, button.Click);
        speed->addWidget(b);
    }
    speed->addStretch();
    connect(
        lbPredicates, &QListWidget::itemSelectionChanged, this, &TNetProperties::lbPredicatesClick);
    grid->addLayout(speed, 3, 1, 1, 3);
    for (QWidget *w : { static_cast<QWidget *>(eprName), static_cast<QWidget *>(ecfName) })
        w->installEventFilter(this);
    into->addWidget(group, 1);
}

void TNetProperties::BuildTransitionGroup(QBoxLayout *into)
{
    auto *group = new QGroupBox("Transitions");
    auto *grid = new QGridLayout(group);

    auto *typeBox = new QGroupBox("&Type");
    typeBox->setObjectName("rgType");
    auto *typeRow = new QHBoxLayout(typeBox);
    rgType = new QButtonGroup(this);
    int id = 0;
    for (const char *item : { "and", "or", "custom" }) {
        auto *b = new QRadioButton(item);
        rgType->addButton(b, id++);
        typeRow->addWidget(b);
    }
    rgType->button(2)->setChecked(true);
    connect(rgType, &QButtonGroup::idClicked, this, &TNetProperties::rgTypeClick);
    cbType = Box("cbType", "&Type");
    grid->addWidget(cbType, 0, 0);
    grid->addWidget(typeBox, 0, 1, 1, 2);

    etPriority = Edit("etPriority");
    etTruthValues = Edit("etTruthValues");
    etActivationMoment = Edit("etActivationMoment");
    etActivationDuration = Edit("etActivationDuration");
    eNotes = Edit("eNotes");
    cbtPriority = Box("cbtPriority", "&Priority");
    cbTruthValues = Box("cbTruthValues", "&Truth Values");
    cbActivationMoment = Box("cbActivationMoment", "A&ctivation moment");
    cbActivationDuration = Box("cbActivationDuration", "Activation d&uration");
    cbtDescription = Box("cbtDescription", "&Description");
    const std::pair<QCheckBox *, QLineEdit *> rows[] = { { cbtPriority, etPriority },
        { cbTruthValues, etTruthValues }, { cbActivationMoment, etActivationMoment },
        { cbActivationDuration, etActivationDuration }, { cbtDescription, eNotes } };
    int r = 1;
    for (const auto &[box, edit] : rows) {
        grid->addWidget(box, r, 0);
        grid->addWidget(edit, r++, 1);
    }
    btInfinity = InfinityButton("btInfinity", etPriority, cbtPriority);
    grid->addWidget(btInfinity, 1, 2);

    cbtColor = Box("cbtColor", "Color");
    cbtFillColor = Box("cbtFillColor", "Fill");
    cbtActive = Box("cbtActive", "Active");
    cbtActive->setToolTip("Active color and fill ");
    auto *colors = new QHBoxLayout;
    for (QCheckBox *b : { cbtColor, cbtFillColor, cbtActive })
        colors->addWidget(b);
    colors->addStretch();
    grid->addLayout(colors, r++, 0, 1, 3);

    const TLabelGroup label = LabelGroup("t", "Z", 0);
    setAutoBegin = label.StartAt;
    mtLabel = label.Label;
    mtLabel->setAlignment(Qt::AlignRight);
    mtIndex = label.Index;
    tbtInsertNumber = label.InsertNumber;
    cbtLabel = label.Box;
    grid->addWidget(label.Group, r++, 0, 1, 3);
    const TApplyGroup apply = ApplyGroup("t", "&Apply", "&Clear", "Selected");
    btAll = apply.Apply;
    btClear = apply.Clear;
    rbtAll = apply.All;
    rbtSelected = apply.Selected;
    connect(btAll, &QPushButton::clicked, this, &TNetProperties::Fill);
    connect(btClear, &QPushButton::clicked, this, &TNetProperties::btClearClick);
    grid->addWidget(apply.Group, r, 0, 1, 3);
    into->addWidget(group);
}

void TNetProperties::BuildPositionGroup(QBoxLayout *into)
{
    auto *group = new QGroupBox("P&ositions");
    auto *grid = new QGridLayout(group);

    sColor = new TColorSample;
    sColor->setObjectName("sColor");
    connect(sColor, &TColorSample::released, this, &TNetProperties::sColorMouseUp);
    cbpColor = Box("cbpColor", "Color");
    cbpFillColor = Box("cbpFillColor", "Fill");
    cbpActive = Box("cbpActive", "Active");
    cbpActive->setToolTip("Active color and fill ");
    auto *colors = new QHBoxLayout;
    colors->addWidget(sColor);
    for (QCheckBox *b : { cbpColor, cbpFillColor, cbpActive })
        colors->addWidget(b);
    colors->addStretch();
    grid->addLayout(colors, 0, 0, 1, 3);

    epPriority = Edit("epPriority");
    epCapacity = Edit("epCapacity");
    epNotes = Edit("epNotes");
    cbpPriority = Box("cbpPriority", "&Priority");
    cbCapacity = Box("cbCapacity", "&Capacity");
    cbpDescription = Box("cbpDescription", "&Description");
    const std::pair<QCheckBox *, QLineEdit *> rows[]
        = { { cbpPriority, epPriority }, { cbCapacity, epCapacity }, { cbpDescription, epNotes } };
    int r = 1;
    for (const auto &[box, edit] : rows) {
        grid->addWidget(box, r, 0);
        grid->addWidget(edit, r++, 1);
    }
    bppInfinity = InfinityButton("bppInfinity", epPriority, cbpPriority);
    bpcInfinity = InfinityButton("bpcInfinity", epCapacity, cbCapacity);
    grid->addWidget(bppInfinity, 1, 2);
    grid->addWidget(bpcInfinity, 2, 2);

    const TLabelGroup label = LabelGroup("p", "L", 1);
    sepAutoBegin = label.StartAt;
    mpLabel = label.Label;
    mpIndex = label.Index;
    tbpInsertNumber = label.InsertNumber;
    cbpLabel = label.Box;
    grid->addWidget(label.Group, r++, 0, 1, 3);
    const TApplyGroup apply = ApplyGroup("p", "Apply", "Clear", "Sel.");
    bpAll = apply.Apply;
    bpClear = apply.Clear;
    rbpAll = apply.All;
    rbpSelected = apply.Selected;
    connect(bpAll, &QPushButton::clicked, this, &TNetProperties::bpAllClick);
    connect(bpClear, &QPushButton::clicked, this, &TNetProperties::bpClearClick);
    grid->addWidget(apply.Group, r, 0, 1, 3);
    into->addWidget(group);
}

// The "Label" sub-group of the transitions ("t") or the positions ("p").
TNetProperties::TLabelGroup TNetProperties::LabelGroup(
    const QString &kind, const QString &initial, int imageIndex)
{
    TLabelGroup g;
    g.Group = new QGroupBox("Label");
    auto *grid = new QGridLayout(g.Group);
    g.StartAt = StartAt(qPrintable("se" + kind + "AutoBegin"));
    g.Label = Edit(qPrintable("m" + kind + "Label"), initial);
    g.Label->setToolTip("Label itself");
    g.Index = Edit(qPrintable("m" + kind + "Index"));
    g.Index->setToolTip("Label index");
    g.InsertNumber = InsertNumberButton(qPrintable("tb" + kind + "InsertNumber"), imageIndex);
    g.Box = Box(qPrintable("cb" + kind + "Label"), "Label");
    grid->addWidget(new QLabel("Start At"), 0, 0);
    grid->addWidget(g.StartAt, 0, 1);
    grid->addWidget(g.Box, 0, 2, 1, 2);
    grid->addWidget(g.Label, 1, 0);
    grid->addWidget(g.Index, 1, 1, 1, 2);
    grid->addWidget(g.InsertNumber, 1, 3);
    for (QLineEdit *e : { g.Label, g.Index })
        e->installEventFilter(this);
    connect(g.InsertNumber, &QToolButton::clicked, this,
        [this, g] { MoveNumberMark(g.Index, g.Box, g.Label); });
    return g;
}

// The "Apply to" sub-group: the two buttons and the scope.
TNetProperties::TApplyGroup TNetProperties::ApplyGroup(
    const QString &kind, const char *apply, const char *clear, const char *selected)
{
    TApplyGroup g;
    g.Group = new QGroupBox("Apply to");
    auto *row = new QHBoxLayout(g.Group);
    g.Apply = Button(qPrintable("b" + kind + "All"), apply);
    g.Clear = Button(qPrintable("b" + kind + "Clear"), clear);
    g.All = new QRadioButton("All");
    g.All->setObjectName("rb" + kind + "All");
    g.All->setChecked(true);
    g.Selected = new QRadioButton(selected);
    g.Selected->setObjectName("rb" + kind + "Selected");
    for (QWidget *w : std::initializer_list<QWidget *> { g.Apply, g.Clear, g.All, g.Selected })
        row->addWidget(w);
    return g;
}

QPushButton *TNetProperties::InfinityButton(const char *name, QLineEdit *edit, QCheckBox *box)
{
    QPushButton *b = Button(name, "inf");
    b->setFixedWidth(36);
    b->installEventFilter(this);
    connect(b, &QPushButton::clicked, this, [b, edit, box] {
        edit->setText(b->text());
        box->setChecked(true);
    });
    return b;
}

QToolButton *TNetProperties::InsertNumberButton(const char *name, int imageIndex)
{
    auto *b = new QToolButton;
    b->setObjectName(name);
    b->setToolTip("Insert Number");
    b->setProperty("ImageIndex", imageIndex);
    b->setIcon(NumberOrderImage(imageIndex));
    b->installEventFilter(this);
    return b;
}

void TNetProperties::ToggleImage(QToolButton *button)
{
    const int index = 1 - button->property("ImageIndex").toInt();
    button->setProperty("ImageIndex", index);
    button->setIcon(NumberOrderImage(index));
}

void TNetProperties::CheckLabelBox(QCheckBox *box, QLineEdit *label, QLineEdit *index)
{
    box->setChecked(!(label->text() + index->text()).isEmpty());
}

void TNetProperties::MoveNumberMark(QLineEdit *index, QCheckBox *labelBox, QLineEdit *label)
{
    index->setText(index->text().remove('#') + '#');
    CheckLabelBox(labelBox, label, index);
}

bool TNetProperties::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
        if (auto *b = qobject_cast<QPushButton *>(watched))
            b->setText(b->text() == "0" ? "inf" : "0");
        else if (auto *t = qobject_cast<QToolButton *>(watched))
            ToggleImage(t);
    } else if (type == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool altEnter = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && (key->modifiers() & Qt::AltModifier);
        if (altEnter && watched == mtIndex)
            ToggleImage(tbtInsertNumber);
        else if (altEnter && watched == mpIndex)
            ToggleImage(tbpInsertNumber);
    } else if (type == QEvent::FocusOut) {
        if (watched == mpLabel || watched == mpIndex)
            CheckLabelBox(cbpLabel, mpLabel, mpIndex);
        else if (qobject_cast<QLineEdit *>(watched))
            CheckLabelBox(cbtLabel, mtLabel, mtIndex);
    }
    return TPropertyForm::eventFilter(watched, event);
}

bool TNetProperties::Execute(TDrawingObjects &net)
{
    Net = &net;
    LoadFromNet();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    return exec() == QDialog::Accepted;
}

void TNetProperties::LoadFromNet()
{
    eNetName->setText(QString::fromStdString(Net->NetName));
    eStart->SetValue(Net->NetStart);
    eTimeStep->SetValue(Net->NetTimeStep);
    eDuration->SetValue(Net->NetDuration);
    FillPredicateList();
}

void TNetProperties::StoreToNet()
{
    const TTimeRefusal r = StoreNetAttributes(*Net, Std(eNetName->text()), Std(eStart->text()),
        Std(eTimeStep->text()), Std(eDuration->text()));
    ErrorText = r.Field == TTimeField::None ? "NoError" : QString::fromStdString(r.Error);
    HintText = QString::fromStdString(r.Hint);
    ErrorControl = r.Field == TTimeField::Start ? eStart
        : r.Field == TTimeField::TimeStep       ? eTimeStep
        : r.Field == TTimeField::Duration       ? eDuration
                                                : nullptr;
}

void TNetProperties::bbOkClick()
{
    StoreToNet();
    if (ErrorText == "NoError") {
        accept();
        return;
    }
    if (TErrorMessage *error = Program().ErrorMessage)
        error->ShowError(ErrorText, HintText, ErrorControl);
    else if (ErrorControl)
        ErrorControl->setFocus();
}

void TNetProperties::LabelTransitions(
    const QString &label, const QString &index, bool all, bool order)
{
    const std::int32_t next = morvane::LabelTransitions(
        *Net, { Std(label), Std(index), setAutoBegin->value(), all, order });
    if (rbtAll->isChecked())
        Net->SetTrCounter(next - 1);
}

void TNetProperties::LabelPositions(
    const QString &label, const QString &index, bool all, bool plain, bool order)
{
    const bool scope = plain ? rbpAll->isChecked() : all;
    const std::int32_t next = morvane::LabelPositions(
        *Net, { Std(label), Std(index), sepAutoBegin->value(), scope, order }, plain);
    if (rbpAll->isChecked())
        Net->SetPosCounter(next - 1);
}

void TNetProperties::Fill()
{
    if (!Net)
        return;
    Net->BeginStep();
    if (cbtLabel->isChecked())
        LabelTransitions(mtLabel->text(), mtIndex->text(), rbtAll->isChecked(),
            tbtInsertNumber->property("ImageIndex").toInt() == 1);
    TAttributeFill fill;
    fill.All = rbtAll->isChecked();
    if (rbtAll->isChecked() || rbtSelected->isChecked()) {
        if (cbtDescription->isChecked())
            fill.Description = Std(eNotes->text());
        // A priority that is no number leaves each transition's own.
        if (cbtPriority->isChecked())
            fill.Priority = StrToIntInf(Std(etPriority->text()));
        if (cbType->isChecked() && rgType->checkedId() < 2)
            fill.Type = rgType->checkedId() == 0 ? TTypeJoin::And : TTypeJoin::Or;
        if (cbtColor->isChecked())
            fill.Color = sColor->Outline;
        if (cbtFillColor->isChecked())
            fill.FillColor = sColor->FillColor;
        FillTransitions(*Net, fill);
    }
    RefreshNet();
}

void TNetProperties::btClearClick()
{
    if (!Net)
        return;
    Net->BeginStep();
    TAttributeClear clear;
    clear.All = rbtAll->isChecked();
    clear.Description = cbtDescription->isChecked();
    clear.Priority = cbtPriority->isChecked();
    clear.Label = cbtLabel->isChecked();
    clear.Type = cbType->isChecked();
    clear.Color = cbtColor->isChecked();
    clear.FillColor = cbtFillColor->isChecked();
    ClearTransitions(*Net, clear);
    RefreshNet();
}

void TNetProperties::bpAllClick()
{
    if (!Net)
        return;
    Net->BeginStep();
    if (cbpLabel->isChecked())
        LabelPositions(mpLabel->text(), mpIndex->text(), rbpAll->isChecked(), true,
            tbpInsertNumber->property("ImageIndex").toInt() == 1);
    TAttributeFill fill;
    fill.All = rbpAll->isChecked();
    if (cbpColor->isChecked())
        fill.Color = sColor->Outline;
    if (cbpFillColor->isChecked())
        fill.FillColor = sColor->FillColor;
    if (cbpDescription->isChecked())
        fill.Description = Std(epNotes->text());
    if (cbpPriority->isChecked())
        fill.Priority = StrToIntInf(Std(epPriority->text())).value_or(0);
    if (cbCapacity->isChecked())
        fill.Capacity = StrToIntInf(Std(epCapacity->text())).value_or(0);
    FillPositions(*Net, fill);
    RefreshNet();
}

void TNetProperties::bpClearClick()
{
    if (!Net)
        return;
    Net->BeginStep();
    TAttributeClear clear;
    clear.All = rbpAll->isChecked();
    clear.Color = cbpColor->isChecked();
    clear.FillColor = cbpFillColor->isChecked();
    clear.Description = cbpDescription->isChecked();
    clear.Priority = cbpPriority->isChecked();
    clear.Capacity = cbCapacity->isChecked();
    clear.Label = cbpLabel->isChecked();
    ClearPositions(*Net, clear);
    RefreshNet();
}

void TNetProperties::rgTypeClick()
{
    cbType->setChecked(true);
}

void TNetProperties::sColorMouseUp(Qt::MouseButton button)
{
    const QColor picked = QColorDialog::getColor(
        QtCanvas::ToQColor(
            button == Qt::RightButton ? sColor->FillColor : sColor->Outline, palette()),
        this, {});
    if (!picked.isValid())
        return;
    if (button == Qt::RightButton) {
        sColor->FillColor = FromQColor(picked);
        cbpFillColor->setChecked(true);
    } else {
        sColor->Outline = FromQColor(picked);
        cbpColor->setChecked(true);
    }
    sColor->update();
}

void TNetProperties::RefreshNet()
{
    if (auto *window = dynamic_cast<TNet *>(Net->Host()))
        window->Redraw();
    FillPredicateList();
}

void TNetProperties::FillPredicateList()
{
    lbPredicates->clear();
    m_predicates.clear();
    if (!Net)
        return;
    std::vector<TTransition *> shown;
    for (TTransition *t : Net->Transitions())
        if (t->Mode == omSelected)
            shown.push_back(t);
    if (shown.empty())
        shown = Net->Transitions();
    const TMatrixSettings &settings = MatrixSettings();
    for (TTransition *t : shown) {
        const TTransitionMatrices m = DecodeMatrices(*t, settings);
        for (std::size_t r = 0; r < m.Inputs.size(); ++r)
            for (std::size_t c = 0; c < m.Outputs.size(); ++c) {
                lbPredicates->addItem(
                    QString("%1: %2 \u2192 %3   %4")
                        .arg(QString::fromStdString(t->selfLabel()),
                            QString::fromStdString(m.Inputs[r]),
                            QString::fromStdString(m.Outputs[c]),
                            QString::fromStdString(PredicateText(m.Predicate(r, c), settings))));
                m_predicates.push_back({ WeakOf(t), r, c });
            }
    }
}

std::vector<std::pair<TTransition *, TNetProperties::TPredicateEntry>>
TNetProperties::PickedPredicates() const
{
    std::vector<std::pair<TTransition *, TPredicateEntry>> picked;
    for (int i = 0; i < lbPredicates->count() && std::size_t(i) < m_predicates.size(); ++i) {
        const TPredicateEntry &e = m_predicates[std::size_t(i)];
        auto *t = dynamic_cast<TTransition *>(e.Transition.lock().get());
        if (lbPredicates->item(i)->isSelected() && t && Net && Net->Owns(t)
            && e.Row < t->InIndex.size() && e.Column < t->OutIndex.size())
            picked.emplace_back(t, e);
    }
    return picked;
}

void TNetProperties::lbPredicatesClick()
{
    const auto picked = PickedPredicates();
    if (picked.empty())
        return;
    // The first picked predicate speaks for all.
    const auto &[t, e] = picked.front();
    const TMatrixSettings &settings = MatrixSettings();
    const TTransitionMatrices m = DecodeMatrices(*t, settings);
    const TPredicateCell &cell = m.Predicate(e.Row, e.Column);
    eprName->setText(QString::fromStdString(PredicateText(cell, settings)));
    mPredicateDef->setPlainText(QString::fromStdString(cell.Definition));
    const TCharFn &fn = m.CharFns[e.Column];
    ecfName->setText(QString::fromStdString(fn.Name));
    mcfDescription->setPlainText(QString::fromStdString(fn.Description));
}

void TNetProperties::sbPredicateApplyClick()
{
    const auto picked = PickedPredicates();
    if (picked.empty())
        return;
    const TMatrixSettings &settings = MatrixSettings();
    const std::string name = Std(eprName->text().trimmed());
    const std::string definition = Std(mPredicateDef->toPlainText());
    const std::string fnName = Std(ecfName->text().trimmed());
    const std::string fnDescription = Std(mcfDescription->toPlainText());
    Net->BeginStep();
    for (const auto &[t, e] : picked) {
        t->Record(ukChanged);
        // Without a name of its own the predicate keeps the one it shows.
        TPredicateCell cell = ParsePredicateText(name.empty()
                ? PredicateText(DecodeMatrices(*t, settings).Predicate(e.Row, e.Column), settings)
                : name,
            settings);
        if (cell.Value == TPredicateValue::Named)
            cell.Definition = definition;
        SetPredicate(*t, e.Row, e.Column, cell);
        if (fnName.empty() && fnDescription.empty())
            ClearCharFn(*t, e.Column);
        else
            SetCharFn(*t, e.Column, fnName, fnDescription);
    }
    ShowPredicateTexts();
}

void TNetProperties::sbPredicateClearClick()
{
    const auto picked = PickedPredicates();
    if (picked.empty())
        return;
    Net->BeginStep();
    for (const auto &[t, e] : picked) {
        t->Record(ukChanged);
        ClearPredicate(*t, e.Row, e.Column);
        ClearCharFn(*t, e.Column);
    }
    ShowPredicateTexts();
    lbPredicatesClick();
}

// The list's texts after an edit; what is picked stays picked.
void TNetProperties::ShowPredicateTexts()
{
    std::vector<int> picked;
    for (int i = 0; i < lbPredicates->count(); ++i)
        if (lbPredicates->item(i)->isSelected())
            picked.push_back(i);
    const QSignalBlocker quiet(lbPredicates);
    FillPredicateList();
    for (int i : picked)
        if (i < lbPredicates->count())
            lbPredicates->item(i)->setSelected(true);
    if (auto *window = dynamic_cast<TNet *>(Net->Host()))
        window->Main().UpdateUndoButtons();
}

} // namespace morvane
