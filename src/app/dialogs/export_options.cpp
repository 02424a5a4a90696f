// SPDX-License-Identifier: MIT
// The export options dialog's pages and controls; what "Export" does is in export_run.cpp.
#include "export_options.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cctype>

namespace morvane {

namespace {

// The picture between the margin edits: a black rectangle for the net, an arrow on each side
// from the picture's edge to it.
class TMarginPicture : public QWidget
{
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return { 72, 48 }; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window));
        const QRect net = rect().adjusted(width() / 4, height() / 4, -width() / 4, -height() / 4);
        p.setPen(Qt::black);
        p.drawRect(net);
        const auto arrow = [&p](QPoint from, QPoint to) {
            p.drawLine(from, to);
            const QPoint d = to - from;
            const QPoint unit(d.x() > 0 ? 1
                    : d.x() < 0         ? -1
                                        : 0,
                d.y() > 0       ? 1
                    : d.y() < 0 ? -1
                                : 0);
            const QPoint side(unit.y(), unit.x());
            p.drawLine(to, to - unit * 4 + side * 3);
            p.drawLine(to, to - unit * 4 - side * 3);
        };
        const QPoint c = net.center();
        arrow({ 0, c.y() }, { net.left() - 1, c.y() });
        arrow({ width() - 1, c.y() }, { net.right() + 1, c.y() });
        arrow({ c.x(), 0 }, { c.x(), net.top() - 1 });
        arrow({ c.x(), height() - 1 }, { c.x(), net.bottom() + 1 });
    }
};

QLineEdit *Edit(const char *name, const QString &text, QWidget *parent)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

QSpinBox *Spin(const char *name, int low, int high, int value, QWidget *parent)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(low, high);
    spin->setValue(value);
    return spin;
}

// A labelled edit with a unit after it, as a form row.
void AddRow(QFormLayout *form, const QString &caption, QWidget *field, const QString &unit)
{
    auto *row = new QHBoxLayout;
    row->addWidget(field, 1);
    if (!unit.isEmpty())
        row->addWidget(new QLabel(unit, field->parentWidget()));
    auto *label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    form->addRow(label, row);
}

} // namespace

TExportOptions::TExportOptions(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("ExportOptions");
    setWindowTitle("Export Options");
    const char *extensions[] = { "BMP", "JPG", "WMF", "TeX", "pnml" };
    for (std::size_t i = 0; i < Generators.size(); ++i)
        Generators[i] = { 0, "", extensions[i],
            std::string("NoName") + char(std::toupper(extensions[i][0])) };
    CurrentGenerator = &Generators[3];

    auto *layout = new QVBoxLayout(this);
    pcPages = new QTabWidget(this);
    pcPages->setObjectName("pcPages");
    pcPages->addTab(MakeGraphicPage(), "&Graphic structure");
    pcPages->addTab(MakeFormalPage(), "&Formal description");
    layout->addWidget(pcPages);

    auto *buttons = new QDialogButtonBox(this);
    bExport = buttons->addButton("Export", QDialogButtonBox::AcceptRole);
    bExport->setObjectName("bExport");
    bExport->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    QPushButton *help = buttons->addButton(QDialogButtonBox::Help);
    help->setEnabled(false);
    help->setToolTip("No help is installed");
    connect(bExport, &QPushButton::clicked, this, [this] {
        if (ExportClick())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    ChooseFile = [this](const QString &suggested, const QString &filters, const QString &filter) {
        QFileDialog dialog(this, "Export", suggested, filters);
        dialog.setObjectName("ExportSaveDialog");
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.selectNameFilter(filter);
        dialog.selectFile(suggested);
        const int open = filter.indexOf("(*.");
        if (open >= 0)
            dialog.setDefaultSuffix(filter.mid(open + 3, filter.indexOf(')', open) - open - 3));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().first();
    };
}

QWidget *TExportOptions::MakeGraphicPage()
{
    auto *page = new QWidget;
    auto *row = new QHBoxLayout(page);
    pcGraphic = new QTabWidget(page);
    pcGraphic->setObjectName("pcGraphic");

    auto *bmp = new QWidget;
    auto *bmpForm = new QFormLayout(bmp);
    cbBmpColors = new QComboBox(bmp);
    cbBmpColors->setObjectName("cbBmpColors");
    cbBmpColors->addItems({ "2     Colors", "16   Colors", "256 Colors", "32K Colors", "65K Colors",
        "16 Million Colors" });
    cbBmpColors->setCurrentIndex(-1); // the device's format
    AddRow(bmpForm, "&Colors count", cbBmpColors, {});
    eBmpThickness = Edit("eBmpThickness", "1", bmp);
    AddRow(bmpForm, "&Thicness", eBmpThickness, "p");
    auto *transparent = new QComboBox(bmp);
    transparent->addItem("None");
    transparent->setEnabled(false);
    transparent->setToolTip("Bitmaps are written without a transparent colour");
    AddRow(bmpForm, "Trans&perent color", transparent, {});
    pcGraphic->addTab(bmp, "&BMP");

    auto *jpeg = new QWidget;
    auto *jpegForm = new QFormLayout(jpeg);
    cbJpegColors = new QComboBox(jpeg);
    cbJpegColors->setObjectName("cbJpegColors");
    cbJpegColors->addItems({ "16 Million Colors", "256 Colors" });
    AddRow(jpegForm, "&Colors count", cbJpegColors, {});
    eJpegThickness = Edit("eJpegThickness", "1", jpeg);
    AddRow(jpegForm, "&Thicness", eJpegThickness, "p");
    seCompression = Spin("seCompression", 1, 100, 40, jpeg);
    AddRow(jpegForm, "Co&mpression", seCompression, {});
    pcGraphic->addTab(jpeg, "&JPEG");

    // Metafiles belong to another platform; vector pictures here are SVG and PDF.
    auto *vector = new QWidget;
    auto *vectorBox = new QVBoxLayout(vector);
    rbSvg = new QRadioButton("&SVG picture", vector);
    rbSvg->setObjectName("rbSvg");
    rbPdf = new QRadioButton("P&DF document", vector);
    rbPdf->setObjectName("rbPdf");
    rbSvg->setChecked(true);
    auto *vectorGroup = new QButtonGroup(vector);
    vectorGroup->addButton(rbSvg);
    vectorGroup->addButton(rbPdf);
    connect(rbSvg, &QRadioButton::toggled, this, [this] { ChooseVectorFormat(); });
    vectorBox->addWidget(new QLabel("A vector picture with text as text:", vector));
    vectorBox->addWidget(rbSvg);
    vectorBox->addWidget(rbPdf);
    vectorBox->addStretch();
    pcGraphic->addTab(vector, "&WMF");
    ChooseVectorFormat();

    auto *latex = new QWidget;
    auto *latexBox = new QVBoxLayout(latex);
    auto *scheme = new QGroupBox("&Scheme properties", latex);
    auto *schemeForm = new QFormLayout(scheme);
    eUnitSize = Edit("eUnitSize", "0.25", scheme);
    AddRow(schemeForm, "&Unit size", eUnitSize, "mm");
    eFontSize = Edit("eFontSize", "12", scheme);
    AddRow(schemeForm, "&Font size", eFontSize, "pt");
    eLaTeXThickness = Edit("eLaTeXThickness", "0.04", scheme);
    AddRow(schemeForm, "&Thicness", eLaTeXThickness, "pt");
    cbTriangle = new QCheckBox("Triangle arrow heads", scheme);
    cbTriangle->setObjectName("cbTriangle");
    schemeForm->addRow(cbTriangle);
    latexBox->addWidget(scheme);
    auto *exportScheme = new QCheckBox("E&xport scheme", latex);
    exportScheme->setChecked(true);
    exportScheme->setEnabled(false);
    exportScheme->setToolTip("The picture is always exported from this page");
    latexBox->addWidget(exportScheme);
    pcGraphic->addTab(latex, "&LaTeX");

    // Not a picture but the net itself, with its drawing, for other net tools.
    auto *pnml = new QLabel("A PNML P/T net: positions as places, transitions as transitions,\n"
                            "arcs through their joints, with the geometry of the drawing.");
    pnml->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pnml->setMargin(8);
    pcGraphic->addTab(pnml, "&PNML");

    row->addWidget(pcGraphic, 1);
    row->addWidget(MakeSidePanel(page));
    return page;
}

QWidget *TExportOptions::MakeSidePanel(QWidget *parent)
{
    auto *side = new QWidget(parent);
    auto *box = new QVBoxLayout(side);
    auto *naming = new QPushButton("&Name creation", side);
    naming->setObjectName("bNameCreation");
    connect(naming, &QPushButton::clicked, this, [this] { NameCreationClick(); });
    box->addWidget(naming);

    auto *margins = new QGridLayout;
    eLeft = Edit("eLeft", "0", side);
    eTop = Edit("eTop", "0", side);
    eRight = Edit("eRight", "0", side);
    eBottom = Edit("eBottom", "0", side);
    const std::pair<QLineEdit *, const char *> edits[]
        = { { eLeft, "&Left" }, { eTop, "&Top" }, { eRight, "&Right" }, { eBottom, "&Bottom" } };
    for (const auto &[edit, caption] : edits) {
        edit->setMaximumWidth(48);
        auto *label = new QLabel(caption, side);
        label->setBuddy(edit);
        label->setAutoFillBackground(true);
        label->setBackgroundRole(QPalette::Window);
        auto *cell = new QVBoxLayout;
        cell->addWidget(label, 0, Qt::AlignHCenter);
        cell->addWidget(edit, 0, Qt::AlignHCenter);
        const int r = edit == eTop ? 0 : edit == eBottom ? 2 : 1;
        const int c = edit == eLeft ? 0 : edit == eRight ? 2 : 1;
        margins->addLayout(cell, r, c);
    }
    margins->addWidget(new TMarginPicture(side), 1, 1);
    box->addLayout(margins);

    auto *useRow = new QHBoxLayout;
    auto *useForAll = new QPushButton("&Use for all", side);
    useForAll->setObjectName("bUseForAll");
    connect(useForAll, &QPushButton::clicked, this, [this] { UseForAllClick(); });
    eUseForAll = Edit("eUseForAll", "0", side);
    eUseForAll->setMaximumWidth(48);
    useRow->addWidget(useForAll);
    useRow->addWidget(eUseForAll);
    useRow->addWidget(new QLabel("p", side));
    box->addLayout(useRow);

    auto *factors = new QFormLayout;
    seMul = Spin("seMul", 1, 99, 1, side);
    AddRow(factors, "&Mul", seMul, {});
    seDiv = Spin("seDiv", 1, 99, 1, side);
    AddRow(factors, "&Div", seDiv, {});
    seScale = Spin("seScale", 1, 99, 8, side);
    AddRow(factors, "S&cale", seScale, ":8");
    box->addLayout(factors);
    box->addStretch();
    return side;
}

QWidget *TExportOptions::MakeFormalPage()
{
    auto *page = new QWidget;
    auto *row = new QHBoxLayout(page);
    pcFormal = new QTabWidget(page);
    pcFormal->setObjectName("pcFormal");
    auto *text = new QLabel("Plain UTF-8 text: each transition with its input and output\n"
                            "positions and its index matrix as a table.");
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setMargin(8);
    pcFormal->addTab(text, "TXT");
    auto *latex = new QLabel("A LaTeX document with the formal description\nof every transition.");
    latex->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    latex->setMargin(8);
    pcFormal->addTab(latex, "&LaTeX");
    row->addWidget(pcFormal, 1);

    // Which parts of each transition the formal description writes; a box's tag is its bit.
    auto *parts = new QGroupBox("Transition Components", page);
    auto *partsBox = new QVBoxLayout(parts);
    const std::pair<const char *, std::int32_t> boxes[] = { { "Set of In arcs", tcInputs },
        { "Set of out arcs", tcOutputs }, { "Actvation Time", tcActivation },
        { "Activation duration", tcDuration }, { "IM Predicates", tcPredicates },
        { "IM Capacities", tcCapacities }, { "Type", tcType } };
    for (const auto &[caption, tag] : boxes) {
        auto *check = new QCheckBox(caption, parts);
        check->setChecked(kDefaultComponents & tag);
        partsBox->addWidget(check);
        m_componentBoxes.emplace_back(check, tag);
    }
    row->addWidget(parts);
    return page;
}

void TExportOptions::ChooseVectorFormat()
{
    Generators[2].Extension = rbPdf->isChecked() ? "pdf" : "svg";
}

void TExportOptions::UseForAllClick()
{
    for (QLineEdit *edit : { eLeft, eTop, eRight, eBottom })
        edit->setText(eUseForAll->text());
}

} // namespace morvane
