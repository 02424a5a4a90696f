// SPDX-License-Identifier: MIT
#include "color_page.h"

#include "options_controls.h"
#include "render/qt_canvas.h"

#include "options/color_grid.h"
#include "options/option_set.h"

#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTreeWidget>

namespace morvane {

namespace {

constexpr int kCell = 16;
constexpr int kPaletteCells = 9;
constexpr int kShadeCells = 4;

TColor ToColorRef(QRgb rgb)
{
    return RGB(std::uint8_t(qRed(rgb)), std::uint8_t(qGreen(rgb)), std::uint8_t(qBlue(rgb)));
}

// The picker's 3-D lattice of n x n sunken cells.
QImage Lattice(int n, const QPalette &palette)
{
    const int size = kCell * n + 2;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(palette.color(QPalette::Button));
    QPainter p(&image);
    const auto lines = [&](int at, const QColor &color) {
        p.setPen(color);
        p.drawLine(at, 0, at, size - 1);
        p.drawLine(0, at, size - 1, at);
    };
    for (int k = 0; k <= n + 1; ++k) {
        lines(kCell * k + 1, palette.color(QPalette::Dark));
        lines(kCell * k - 1, palette.color(QPalette::Light));
    }
    for (int k = 0; k <= n; ++k)
        lines(kCell * k, palette.color(QPalette::Button));
    return image;
}

void PaintCell(QImage &image, int i, int j, TColor color)
{
    QPainter p(&image);
    p.fillRect(QRect(kCell * i + 2, kCell * j + 2, kCell - 4, kCell - 4),
        QColor(GetRValue(color), GetGValue(color), GetBValue(color)));
}

QTreeWidgetItem *Node(QTreeWidgetItem *parent, const char *caption, int index)
{
    auto *item = new QTreeWidgetItem(parent, QStringList { caption });
    item->setData(0, Qt::UserRole, index);
    return item;
}

} // namespace

// An image the pointer picks from: reports moves over it and button releases on it.
class TPickImage : public QWidget
{
public:
    TPickImage(const char *name, QImage image, QWidget *parent)
        : QWidget(parent)
        , Image(std::move(image))
    {
        setObjectName(name);
        setFixedSize(Image.size());
        setMouseTracking(true);
    }
    QImage Image;
    std::function<void(QPoint)> Moved;
    std::function<void(QPoint)> Released;

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, Image); }
    void mouseMoveEvent(QMouseEvent *e) override
    {
        if (Moved && rect().contains(e->position().toPoint()))
            Moved(e->position().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (Released && rect().contains(e->position().toPoint()))
            Released(e->position().toPoint());
    }
};

// The colour sample: a rounded rectangle in the picked colour.
class TColorSample : public QWidget
{
public:
    explicit TColorSample(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName("dColor");
        setFixedSize(66, 33);
    }
    TColor Color = clBlack;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::black);
        p.setBrush(QtCanvas::ToQColor(Color, palette()));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    }
};

TColorPage::TColorPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("Colors");
    using namespace options_controls;

    m_schemeBox = new QComboBox(this);
    m_schemeBox->setObjectName("cbScheme");
    for (const char *name : kSchemeNames)
        m_schemeBox->addItem(name);
    m_schemeBox->setCurrentText("Classic");
    auto *schemeLabel = new QLabel("&Scheme", this);
    schemeLabel->setBuddy(m_schemeBox);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName("tvColorScheme");
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setIndentation(12);
    struct Group
    {
        const char *caption;
        int index;
        std::vector<std::pair<const char *, int>> children;
    };
    const Group groups[] = {
        { "Background", 0, { { "Print", 1 } } },
        { "Grid", 2, { { "Print", 3 } } },
        { "Transitions", 4,
            { { "Label", 5 }, { "Fill", 6 }, { "Selected", 7 }, { "Wizard", 8 }, { "Active", 9 },
                { "Print", 10 } } },
        { "Positions", 11,
            { { "Label", 12 }, { "Selected", 13 }, { "Wizard", 14 }, { "Active Border", 15 },
                { "Fill", 16 }, { "Active Fill", 17 }, { "Print", 18 } } },
        { "Arcs", 19, { { "Selected", 20 }, { "Wizard", 21 }, { "Print", 22 } } },
        { "Static Texts", 23, { { "Print", 24 } } },
    };
    for (const auto &group : groups) {
        auto *top = new QTreeWidgetItem(m_tree, QStringList { group.caption });
        top->setData(0, Qt::UserRole, group.index);
        m_nodes[std::size_t(group.index)] = top;
        for (auto [caption, index] : group.children)
            m_nodes[std::size_t(index)] = Node(top, caption, index);
    }
    m_tree->setMinimumWidth(m_tree->fontMetrics().horizontalAdvance("Active Border") + 60);

    m_palette = new TPickImage("iColors", Lattice(kPaletteCells, palette()), this);
    for (int j = 0; j < kPaletteCells; ++j)
        for (int i = 0; i < kPaletteCells; ++i)
            PaintCell(m_palette->Image, i, j, PaletteColor(i, j));
    m_shades = new TPickImage("ModifyedColors", Lattice(kShadeCells, palette()), this);
    DrawShades(clBlack);
    m_sample = new TColorSample(this);
    m_customButton = Button("bbCustomColor", "Custom", this);

    m_palette->Moved = [this](QPoint p) {
        const int i = p.x() / kCell, j = p.y() / kCell;
        if (m_pickState == 0 && i < kPaletteCells && j < kPaletteCells) {
            SetSample(PaletteColor(i, j));
            DrawShades(PaletteColor(i, j));
        }
    };
    m_palette->Released = [this](QPoint p) {
        const int i = p.x() / kCell, j = p.y() / kCell;
        if (i < kPaletteCells && j < kPaletteCells)
            Select(i + 1, j + 1);
    };
    m_shades->Moved = [this](QPoint p) {
        const int x = (p.x() & ~15) + 4, y = (p.y() & ~15) + 4;
        if (m_pickState < 2 && p.x() / kCell < kShadeCells && p.y() / kCell < kShadeCells)
            SetSample(ToColorRef(m_shades->Image.pixel(x, y)));
    };
    m_shades->Released = [this](QPoint p) {
        const int i = p.x() / kCell, j = p.y() / kCell;
        if (i < kShadeCells && j < kShadeCells)
            Select(-i - 1, -j - 1);
    };
    connect(m_tree, &QTreeWidget::itemClicked, this,
        [this](QTreeWidgetItem *item) { TreeClicked(item); });
    connect(m_schemeBox, &QComboBox::activated, this, [this](int index) { SchemeChosen(index); });
    connect(m_customButton, &QPushButton::clicked, this, [this] {
        const QColor chosen
            = QColorDialog::getColor(QtCanvas::ToQColor(SampleColor(), palette()), this, {}, {});
        if (chosen.isValid())
            SetSample(ToColorRef(chosen.rgb()));
    });

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(schemeLabel, 0, 0);
    layout->addWidget(m_schemeBox, 0, 1);
    layout->addWidget(m_tree, 1, 0, 3, 2);
    layout->addWidget(m_palette, 0, 2, 4, 1, Qt::AlignTop);
    layout->addWidget(m_shades, 0, 3, Qt::AlignTop | Qt::AlignHCenter);
    layout->addWidget(m_sample, 1, 3, Qt::AlignHCenter);
    layout->addWidget(m_customButton, 2, 3, Qt::AlignTop);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(1, 1);
}

TColorPage::~TColorPage() = default;

void TColorPage::Activate()
{
    m_pickState = 0;
    Select(0, 0);
    RedrawSwatches();
}

void TColorPage::SetScheme(const QString &scheme, const TTable &custom)
{
    // A mark left from before would hand its colour to a node of the new table at the next
    // opening of the dialog: it goes without giving its colour.
    Unmark();
    m_custom = custom;
    m_scheme = scheme;
    Globals().ColorTable = scheme == "Custom" ? m_custom : TDisplayGlobals::DefaultColorTable();
    m_schemeBox->setCurrentText(m_scheme);
    RedrawSwatches();
}

void TColorPage::SchemeChosen(int index)
{
    SetScheme(m_schemeBox->itemText(index), m_custom);
    if (SchemeSwitched)
        SchemeSwitched();
}

void TColorPage::Select(std::int32_t col, std::int32_t row)
{
    if (m_markedCol != 0 && m_markedRow != 0)
        Mark(m_markedCol, m_markedRow);
    Mark(col, row);
}

void TColorPage::Mark(std::int32_t col, std::int32_t row)
{
    m_pickState = 0;
    if (col == 0 || row == 0) {
        m_markedCol = col;
        m_markedRow = row;
        return;
    }
    TColor color;
    if (col < 0 && row < 0) {
        m_pickState = 2;
        m_markedCol = col;
        m_markedRow = row;
        // The cell's colour as painted, read where the cross does not cover it.
        const QPoint centre(kCell * (-col - 1) + 8, kCell * (-row - 1) + 8);
        if (m_crossShown) {
            DrawCross(m_shades->Image, -col, -row);
            color = ToColorRef(m_shades->Image.pixel(centre));
        } else {
            color = ToColorRef(m_shades->Image.pixel(centre));
            DrawCross(m_shades->Image, -col, -row);
        }
        m_shades->update();
    } else if (col > 0 && row > 0) {
        m_pickState = 1;
        m_markedCol = col;
        m_markedRow = row;
        DrawCross(m_palette->Image, col, row);
        m_palette->update();
        color = PaletteColor(col - 1, row - 1);
        DrawShades(color);
    } else {
        return;
    }
    SetSample(color);
    if (QTreeWidgetItem *node = m_tree->currentItem()) {
        const int index = node->data(0, Qt::UserRole).toInt();
        Globals().ColorTable[std::size_t(index)] = color;
        TableEdited(index);
    }
}

void TColorPage::Unmark()
{
    if (m_markedCol > 0 && m_markedRow > 0)
        DrawCross(m_palette->Image, m_markedCol, m_markedRow);
    else if (m_markedCol < 0 && m_markedRow < 0)
        DrawCross(m_shades->Image, -m_markedCol, -m_markedRow);
    m_palette->update();
    m_shades->update();
    m_markedCol = m_markedRow = 0;
    m_pickState = 0;
}

void TColorPage::DrawCross(QImage &image, std::int32_t c, std::int32_t r)
{
    // Inverting twice gives the pixels back: the same cross takes itself away.
    QPainter p(&image);
    p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(kCell * (c - 1), kCell * (r - 1), kCell * c, kCell * r);
    p.drawLine(kCell * c, kCell * (r - 1), kCell * (c - 1), kCell * r);
    m_crossShown = !m_crossShown;
}

void TColorPage::DrawShades(TColor base)
{
    for (int j = 0; j < kShadeCells; ++j)
        for (int i = 0; i < kShadeCells; ++i)
            PaintCell(m_shades->Image, i, j, ShadeColor(base, i, j));
    m_shades->update();
}

void TColorPage::SetSample(TColor color)
{
    m_sample->Color = color;
    m_sample->update();
}

TColor TColorPage::SampleColor() const
{
    return m_sample->Color;
}

void TColorPage::TableEdited(int index)
{
    if (m_scheme != "Custom") {
        m_scheme = "Custom";
        m_schemeBox->setCurrentText(m_scheme);
        m_custom = Globals().ColorTable;
    } else {
        m_custom[std::size_t(index)] = Globals().ColorTable[std::size_t(index)];
    }
    RedrawSwatch(index);
}

void TColorPage::TreeClicked(QTreeWidgetItem *item)
{
    SetSample(Globals().ColorTable[std::size_t(item->data(0, Qt::UserRole).toInt())]);
    m_pickState = 0;
    Select(0, 0);
}

void TColorPage::RedrawSwatch(int index)
{
    const int size = m_tree->iconSize().isValid() ? m_tree->iconSize().height() : 16;
    QPixmap swatch(size, size);
    swatch.fill(palette().color(QPalette::Base));
    QPainter p(&swatch);
    p.setPen(Qt::black);
    p.setBrush(QtCanvas::ToQColor(Globals().ColorTable[std::size_t(index)], palette()));
    p.drawRoundedRect(QRect(QPoint(1, 3), QPoint(size - 2, size - 4)), 1.5, 1.5);
    p.end();
    m_nodes[std::size_t(index)]->setIcon(0, QIcon(swatch));
}

void TColorPage::RedrawSwatches()
{
    for (int k = 0; k < kColorTableSize; ++k)
        RedrawSwatch(k);
}

} // namespace morvane
