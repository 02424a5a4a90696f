// SPDX-License-Identifier: MIT
// The page setup dialog's controls and their arrangement.
#include "page_setup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace morvane {

namespace {

constexpr int kToolHeight = 33;
constexpr int kIconWidth = 84, kIconHeight = 108;
constexpr int kDogEar = 10;

QLineEdit *NumberEdit(const char *name, const QString &text, QWidget *parent)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setValidator(new QIntValidator(0, 100000, edit));
    edit->setMaximumWidth(56);
    return edit;
}

QLabel *Caption(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TPageSetup::TPageSetup(QWidget *parent)
    : QDialog(parent)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName("PageSetup");
    setWindowTitle("Page Setup");
    m_printer->setPageSize(QPageSize(QPageSize::A4));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakeTools());
    auto *body = new QHBoxLayout;
    layout->addLayout(body, 1);

    sbPreview = new QScrollArea(this);
    sbPreview->setObjectName("sbPreview");
    sbPreview->setAlignment(Qt::AlignCenter);
    m_sheet = new QWidget;
    auto *sheetLayout = new QGridLayout(m_sheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    Image = new QLabel(m_sheet);
    Image->setObjectName("Image");
    // The sheet is the window's colour, as the box around it: a line shows where it ends.
    Image->setFrameShape(QFrame::Box);
    Image->installEventFilter(this);
    sheetLayout->addWidget(Image, 0, 0, Qt::AlignCenter);
    sbPreview->setWidget(m_sheet);
    body->addWidget(sbPreview, 1);

    pPageSetup = new QWidget(this);
    pPageSetup->setObjectName("pPageSetup");
    auto *side = new QVBoxLayout(pPageSetup);
    side->addWidget(MakePositionGroup());
    side->addWidget(MakeSizeGroup());
    side->addWidget(MakeMarginsGroup());
    side->addWidget(MakePhysicalGroup());
    side->addStretch(1);
    pPageSetup->setFixedWidth(pPageSetup->sizeHint().width());
    body->addWidget(pPageSetup);

    SetxZoom(11);
    SetyZoom(11);
    for (QRadioButton *b : rbAnchors) {
        b->setAutoFillBackground(true);
        b->setBackgroundRole(QPalette::Window);
    }
    iPage->setPixmap(PageIcon());
    CustomClick();
    resize(760, 560);

    // Every layout control shows its effect on the sheet at once.
    for (QLineEdit *e : findChildren<QLineEdit *>())
        connect(e, &QLineEdit::textChanged, this, [this] { PaintPreview(); });
    for (QRadioButton *b : findChildren<QRadioButton *>())
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                PaintPreview();
        });
    connect(cbAspect, &QCheckBox::toggled, this, [this] { PaintPreview(); });
}

TPageSetup::~TPageSetup() = default;

QWidget *TPageSetup::MakeTools()
{
    pTools = new QWidget(this);
    pTools->setObjectName("pTools");
    pTools->setFixedHeight(kToolHeight);
    auto button = [this](const char *name, const QString &caption, int left, int width) {
        auto *b = new QPushButton(caption, pTools);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setGeometry(left, 4, width, 25);
        return b;
    };
    bZoomIn = button("bZoomIn", "Zoom &In", 4, 76);
    bZoomOut = button("bZoomOut", "Zoom &Out", 84, 76);
    bPrinter = button("bPrinter", "P&rinter...", 164, 76);
    bPrint = button("bPrint", "&Print...", 244, 76);
    bClose = button("bClose", "&Close", 324, 76);
    bToggle = button("bToggle", "Hide Page &Setup ", 404, 160);
    connect(bZoomIn, &QPushButton::clicked, this, [this] { ZoomInClick(); });
    connect(bZoomOut, &QPushButton::clicked, this, [this] { ZoomOutClick(); });
    connect(bPrinter, &QPushButton::clicked, this, [this] { PrinterClick(); });
    connect(bPrint, &QPushButton::clicked, this, [this] { PrintClick(); });
    connect(bToggle, &QPushButton::clicked, this, [this] { ToggleClick(); });
    connect(bClose, &QPushButton::clicked, this, &QDialog::reject);
    return pTools;
}

QWidget *TPageSetup::MakePositionGroup()
{
    auto *group = new QGroupBox("Position", this);
    auto *grid = new QGridLayout(group);
    iPage = new QLabel(group);
    iPage->setObjectName("iPage");
    iPage->setFixedSize(kIconWidth, kIconHeight);
    static const char *const kHints[]
        = { "(Left,Top)", "(Center,Top)", "(Right,Top)", "(Left,Center)", "(Center,Center)",
              "(Right,Center)", "(Left,Bottom)", "(Center,Bottom)", "(Right,Bottom)" };
    for (int i = 0; i < 9; ++i) {
        auto *b = new QRadioButton(iPage);
        b->setObjectName(QString("rbAnchor%1").arg(i));
        b->setToolTip(kHints[i]);
        b->adjustSize();
        const int x = 6 + (i % 3) * (kIconWidth - 12 - b->width()) / 2;
        const int y = 6 + (i / 3) * (kIconHeight - 12 - b->height()) / 2;
        b->move(x, y);
        rbAnchors[std::size_t(i)] = b;
    }
    rbAnchors[0]->setChecked(true);
    grid->addWidget(iPage, 0, 0, 3, 1);
    rbCustomPos = new QRadioButton("&Custom", group);
    rbCustomPos->setObjectName("rbCustomPos");
    // The anchors sit on the page icon, apart from "&Custom": one choice all the same.
    auto *choice = new QButtonGroup(group);
    for (QRadioButton *b : rbAnchors)
        choice->addButton(b);
    choice->addButton(rbCustomPos);
    eLeft = NumberEdit("eLeft", "0", group);
    eTop = NumberEdit("eTop", "0", group);
    lLeft = Caption("&Left", eLeft, group);
    lTop = Caption("&Top", eTop, group);
    grid->addWidget(rbCustomPos, 0, 1, 1, 2);
    grid->addWidget(lLeft, 1, 1);
    grid->addWidget(eLeft, 1, 2);
    grid->addWidget(lTop, 2, 1);
    grid->addWidget(eTop, 2, 2);
    connect(rbCustomPos, &QRadioButton::toggled, this, [this] { CustomClick(); });
    return group;
}

QWidget *TPageSetup::MakeSizeGroup()
{
    auto *group = new QGroupBox("Size and scale", this);
    auto *grid = new QGridLayout(group);
    rbCustomSize = new QRadioButton("&Custom", group);
    rbCustomSize->setObjectName("rbCustomSize");
    eWidth = NumberEdit("eWidth", "0", group);
    eHeight = NumberEdit("eHeight", "0", group);
    cbAspect = new QCheckBox("&Mentain", group);
    cbAspect->setObjectName("cbAspect");
    cbAspect->setChecked(true);
    rbFullPage = new QRadioButton("&Use full page", group);
    rbFullPage->setObjectName("rbFullPage");
    rbScale = new QRadioButton("Scal&e", group);
    rbScale->setObjectName("rbScale");
    rbScale->setChecked(true);
    eScale = NumberEdit("eScale", "8", group);
    grid->addWidget(rbCustomSize, 0, 0, 1, 3);
    grid->addWidget(Caption("&Width", eWidth, group), 1, 0);
    grid->addWidget(eWidth, 1, 1);
    grid->addWidget(Caption("&Height", eHeight, group), 2, 0);
    grid->addWidget(eHeight, 2, 1);
    grid->addWidget(cbAspect, 3, 0);
    grid->addWidget(new QLabel(" Aspect Ratio", group), 3, 1, 1, 2);
    grid->addWidget(rbFullPage, 4, 0, 1, 3);
    grid->addWidget(rbScale, 5, 0);
    grid->addWidget(eScale, 5, 1);
    grid->addWidget(new QLabel(":8", group), 5, 2);
    connect(rbCustomSize, &QRadioButton::toggled, this, [this] { CustomClick(); });
    return group;
}

QWidget *TPageSetup::MakeMarginsGroup()
{
    gbMargins = new QGroupBox("Margins", this);
    auto *grid = new QGridLayout(gbMargins);
    eMarginLeft = NumberEdit("eMarginLeft", "0", gbMargins);
    eMarginTop = NumberEdit("eMarginTop", "0", gbMargins);
    eMarginRight = NumberEdit("eMarginRight", "0", gbMargins);
    eMarginBottom = NumberEdit("eMarginBottom", "0", gbMargins);
    grid->addWidget(Caption("&Left", eMarginLeft, gbMargins), 0, 0);
    grid->addWidget(eMarginLeft, 0, 1);
    grid->addWidget(Caption("&Top", eMarginTop, gbMargins), 0, 2);
    grid->addWidget(eMarginTop, 0, 3);
    grid->addWidget(Caption("&Right", eMarginRight, gbMargins), 1, 0);
    grid->addWidget(eMarginRight, 1, 1);
    grid->addWidget(Caption("&Bottom", eMarginBottom, gbMargins), 1, 2);
    grid->addWidget(eMarginBottom, 1, 3);
    return gbMargins;
}

QWidget *TPageSetup::MakePhysicalGroup()
{
    auto *group = new QGroupBox("Physical page size", this);
    auto *column = new QVBoxLayout(group);
    for (QLabel *&text : stPhysical) {
        text = new QLabel(group);
        column->addWidget(text);
    }
    return group;
}

// A sheet with its top right corner turned down.
QPixmap TPageSetup::PageIcon() const
{
    QPixmap icon(kIconWidth, kIconHeight);
    icon.fill(palette().color(QPalette::Button));
    QPainter p(&icon);
    const int r = kIconWidth - 1, b = kIconHeight - 1;
    p.setPen(Qt::black);
    p.setBrush(palette().color(QPalette::Window));
    p.drawPolygon(QPolygon({ { 0, 0 }, { r - kDogEar, 0 }, { r, kDogEar }, { r, b }, { 0, b } }));
    // The fold: the turned-down flap, and the corner it uncovers.
    p.drawPolygon(QPolygon({ { r - kDogEar, 0 }, { r - kDogEar, kDogEar }, { r, kDogEar } }));
    p.setPen(Qt::NoPen);
    p.setBrush(palette().color(QPalette::Button));
    p.drawPolygon(QPolygon({ { r - kDogEar + 1, 0 }, { r, 0 }, { r, kDogEar - 1 } }));
    return icon;
}

void TPageSetup::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int wide = bToggle->x() + pPageSetup->width();
    const int high = gbMargins->geometry().bottom() + pTools->height() + 32;
    setMinimumSize(wide, high);
    bToggle->resize(std::max(0, width() - bToggle->x() - 8), bToggle->height());
}

} // namespace morvane
