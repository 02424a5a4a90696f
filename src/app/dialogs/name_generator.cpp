// SPDX-License-Identifier: MIT
#include "name_generator.h"

#include "export/name_mask.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace morvane {

namespace {

QToolButton *SpeedButton(const QString &prefix, const QString &caption, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(caption);
    button->setObjectName(prefix + caption);
    return button;
}

// The three speed buttons of the mask ("sb") and constant ("sbc") panels: "delete", "short",
// "long".
void AddSpeedButtons(QHBoxLayout *row, QWidget *parent, const QString &prefix,
    const std::function<void()> &erase, const std::function<void()> &shortForm,
    const std::function<void()> &longForm)
{
    const std::pair<const char *, std::function<void()>> buttons[]
        = { { "delete", erase }, { "short", shortForm }, { "long", longForm } };
    for (const auto &[caption, action] : buttons) {
        QToolButton *b = SpeedButton(prefix, caption, parent);
        QObject::connect(b, &QToolButton::clicked, parent, action);
        row->addWidget(b);
    }
}

} // namespace

TNameGenerator::TNameGenerator(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("NameGenerator");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    auto *layout = new QVBoxLayout(this);
    pNameGen = MakeNamePanel();
    pPredicateName = MakeMaskPanel();
    pConstants = MakeConstantPanel();
    for (QWidget *panel : { pNameGen, pPredicateName, pConstants })
        layout->addWidget(panel);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("bbOk");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    SetKind(0);
}

QWidget *TNameGenerator::MakeNamePanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName("pNameGen");
    auto *grid = new QGridLayout(panel);
    seSubCount = new QSpinBox(panel);
    seSubCount->setObjectName("seSubCount");
    seSubCount->setRange(0, 99);
    auto *cut = new QLabel("&Cut", panel);
    cut->setBuddy(seSubCount);
    grid->addWidget(cut, 0, 0);
    grid->addWidget(seSubCount, 0, 1);
    grid->addWidget(new QLabel("simbols from filename's end", panel), 0, 2);
    eAddToName = new QLineEdit(panel);
    eAddToName->setObjectName("eAddToName");
    grid->addWidget(new QLabel("Add to name", panel), 1, 0);
    grid->addWidget(eAddToName, 1, 1, 1, 2);
    eExtention = new QLineEdit(panel);
    eExtention->setObjectName("eExtention");
    grid->addWidget(new QLabel("Extention", panel), 2, 0);
    grid->addWidget(eExtention, 2, 1, 1, 2);
    return panel;
}

QWidget *TNameGenerator::MakeMaskPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName("pPredicateName");
    auto *layout = new QVBoxLayout(panel);
    auto *maskRow = new QHBoxLayout;
    eMask = new QLineEdit(QString::fromUtf8(kLongMask.data(), kLongMask.size()), panel);
    eMask->setObjectName("eMask");
    auto *mask = new QLabel("&Mask", panel);
    mask->setBuddy(eMask);
    maskRow->addWidget(mask);
    maskRow->addWidget(eMask, 1);
    const auto setMask = [this](std::string_view text) {
        eMask->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
    };
    AddSpeedButtons(
        maskRow, panel, "sb", [setMask] { setMask(""); }, [setMask] { setMask(kShortMask); },
        [setMask] { setMask(kLongMask); });
    layout->addLayout(maskRow);

    // The del/ins pairs carry tags 0..3: input name, input index, output name, output index.
    auto *groups = new QHBoxLayout;
    const char *titles[] = { "&In Position", "&Out Position" };
    for (int side = 0; side < 2; ++side) {
        auto *group = new QGroupBox(titles[side], panel);
        auto *grid = new QGridLayout(group);
        const char *rows[] = { "Name", "Index" };
        for (int row = 0; row < 2; ++row) {
            const int tag = side * 2 + row;
            grid->addWidget(new QLabel(rows[row], group), row, 0);
            auto *del = new QPushButton("del", group);
            auto *ins = new QPushButton("ins", group);
            del->setObjectName(QString("bDel%1").arg(tag));
            ins->setObjectName(QString("bIns%1").arg(tag));
            connect(del, &QPushButton::clicked, this, [this, tag] {
                eMask->setText(
                    QString::fromStdString(DeleteMaskToken(eMask->text().toStdString(), tag)));
            });
            connect(ins, &QPushButton::clicked, this, [this, tag] {
                eMask->setText(
                    QString::fromStdString(InsertMaskToken(eMask->text().toStdString(), tag)));
            });
            grid->addWidget(del, row, 1);
            grid->addWidget(ins, row, 2);
        }
        groups->addWidget(group);
    }
    layout->addLayout(groups);
    return panel;
}

QWidget *TNameGenerator::MakeConstantPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName("pConstants");
    auto *row = new QHBoxLayout(panel);
    eConstant = new QLineEdit(panel);
    eConstant->setObjectName("eConstant");
    auto *label = new QLabel("&Constant", panel);
    label->setBuddy(eConstant);
    row->addWidget(label);
    row->addWidget(eConstant, 1);
    const auto set = [this](bool longForm) {
        const std::string_view text = ConstantText(m_kind, longForm);
        eConstant->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
    };
    AddSpeedButtons(
        row, panel, "sbc", [this] { eConstant->clear(); }, [set] { set(false); },
        [set] { set(true); });
    return panel;
}

void TNameGenerator::SetKind(int kind)
{
    static const char *captions[]
        = { "File Name Generator", "Predicate Name Generator", "Constant True", "Constant False" };
    m_kind = std::clamp(kind, 0, 3);
    setWindowTitle(captions[m_kind]);
    pNameGen->setVisible(m_kind == 0);
    pPredicateName->setVisible(m_kind == 1);
    pConstants->setVisible(m_kind >= 2);
}

bool TNameGenerator::EditText(int kind, std::string &text)
{
    if (kind < 1 || kind > 3)
        return false;
    QLineEdit *edit = kind == 1 ? eMask : eConstant;
    edit->setText(QString::fromStdString(text));
    if (!Execute(kind))
        return false;
    text = edit->text().toStdString();
    return true;
}

bool TNameGenerator::Execute(int kind)
{
    SetKind(kind);
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    return exec() == QDialog::Accepted;
}

} // namespace morvane
