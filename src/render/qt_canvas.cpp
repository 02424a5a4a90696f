// SPDX-License-Identifier: MIT
#include "qt_canvas.h"

#include "hairline.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace morvane {

namespace {

// Fonts live in a small cache: a label switches between two sizes for every object.
constexpr std::size_t kFontCacheSize = 8;

QColor FromSystemColor(int index, const QPalette &pal)
{
    using R = QPalette::ColorRole;
    switch (index) {
    case 0: // scroll bar
    case 15: // button face
        return pal.color(R::Button);
    case 1: // desktop
    case 16: // button shadow
        return pal.color(R::Dark);
    case 2: // active caption
    case 13: // highlight
    case 27: // active caption gradient
    case 29: // menu highlight
        return pal.color(R::Highlight);
    case 3: // inactive caption
    case 12: // application workspace
    case 28: // inactive caption gradient
        return pal.color(R::Mid);
    case 5: // window
        return pal.color(R::Base);
    case 6: // window frame
    case 21: // 3-D dark shadow
        return pal.color(R::Shadow);
    case 7: // menu text
        return pal.color(R::WindowText);
    case 8: // window text
        return pal.color(R::Text);
    case 9: // caption text
    case 14: // highlighted text
        return pal.color(R::HighlightedText);
    case 17: // grey text
        return pal.color(QPalette::Disabled, R::Text);
    case 18: // button text
        return pal.color(R::ButtonText);
    case 19: // inactive caption text
        return pal.color(QPalette::Disabled, R::WindowText);
    case 20: // button highlight
        return pal.color(R::Light);
    case 22: // 3-D light
        return pal.color(R::Midlight);
    case 23: // tool tip text
        return pal.color(R::ToolTipText);
    case 24: // tool tip background
        return pal.color(R::ToolTipBase);
    case 26: // hot-tracked item
        return pal.color(R::Link);
    default: // menu, borders, menu bar and anything unknown
        return pal.color(R::Window);
    }
}

QPalette DefaultPalette()
{
    return QGuiApplication::instance() ? QGuiApplication::palette() : QPalette();
}

} // namespace

QtCanvas::QtCanvas(QPaintDevice *device)
    : QtCanvas(device, DefaultPalette())
{
}

QtCanvas::QtCanvas(QPaintDevice *device, const QPalette &palette)
    : m_palette(palette)
    , m_painter(std::make_unique<QPainter>())
{
    SetDevice(device);
}

QtCanvas::~QtCanvas()
{
    Release();
}

void QtCanvas::SetDevice(QPaintDevice *device)
{
    Release();
    m_device = device;
    m_image
        = device && device->devType() == QInternal::Image ? static_cast<QImage *>(device) : nullptr;
    if (m_image && !m_image->isNull() && m_image->format() != QImage::Format_RGB32
        && m_image->format() != QImage::Format_ARGB32_Premultiplied)
        *m_image = m_image->convertToFormat(QImage::Format_RGB32);
    m_ratio = m_image ? m_image->devicePixelRatio() : 1;
    const QSize size = !device ? QSize()
        : m_image              ? m_image->deviceIndependentSize().toSize()
                               : QSize(device->width(), device->height());
    m_width = size.width();
    m_height = size.height();
    m_hasView = false;
}

void QtCanvas::SetView(const QTransform &toDevice, QSize logical, const QRectF &clip)
{
    m_hasView = true;
    m_viewValid = false;
    m_view = toDevice;
    m_clip = clip;
    m_image = nullptr;
    m_ratio = 1;
    m_width = logical.width();
    m_height = logical.height();
    m_penValid = false;
}

void QtCanvas::Release()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

QColor QtCanvas::ToQColor(TColor c, const QPalette &palette)
{
    if (IsSystemColor(c))
        return FromSystemColor(int(c & 0xFF), palette);
    // Palette-relative and palette-index references name the RGB in their low 24 bits.
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

int QtCanvas::FontPixelSize(int pointSize)
{
    const long long pixels = (static_cast<long long>(pointSize) * 96 + 36) / 72;
    return int(std::clamp<long long>(pixels, 1, 4096));
}

QPainter *QtCanvas::Prepare(Use use)
{
    if (m_width <= 0 || m_height <= 0)
        return nullptr;
    // Text and fills copy whatever the pen mode says, as on the surface this code was made for.
    const bool notXor = use != Use::Text && m_penMode == TPenMode::NotXor;
    if (notXor && !m_image)
        return nullptr;
    QPainter &p = *m_painter;
    if (!p.isActive()) {
        if (!p.begin(m_device))
            return nullptr;
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        m_penValid = m_brushValid = m_modeValid = m_originValid = m_viewValid = false;
    }
    if (m_hasView && !m_viewValid) {
        p.resetTransform();
        p.setClipRect(m_clip);
        p.setWorldTransform(m_view);
        m_viewValid = true;
    }
    // Patterns are anchored at net pixel (0, 0), so a grid tile stays on the grid when scrolling.
    if (!m_originValid || m_appliedOrigin != m_origin) {
        p.setBrushOrigin(int(((-static_cast<long long>(m_origin.x)) % 8 + 8) % 8),
            int(((-static_cast<long long>(m_origin.y)) % 8 + 8) % 8));
        m_appliedOrigin = m_origin;
        m_originValid = true;
    }
    if (!m_modeValid || m_appliedNotXor != notXor) {
        p.setCompositionMode(notXor ? QPainter::RasterOp_NotSourceXorDestination
                                    : QPainter::CompositionMode_SourceOver);
        m_appliedNotXor = notXor;
        m_modeValid = true;
    }
    switch (use) {
    case Use::Pen:
        ApplyPen(p);
        if (!m_brushValid || !m_appliedBrushClear) {
            p.setBrush(Qt::NoBrush);
            m_brushValid = true;
            m_appliedBrushClear = true;
        }
        break;
    case Use::PenAndBrush:
        ApplyPen(p);
        ApplyBrush(p);
        break;
    case Use::Brush:
        ApplyBrush(p);
        break;
    case Use::Text:
        break;
    }
    return &p;
}

void QtCanvas::ApplyPen(QPainter &p)
{
    const int width = std::max(1, m_penWidth);
    if (m_penValid && m_appliedPenColor == m_penColor && m_appliedPenStyle == m_penStyle
        && m_appliedPenWidth == width)
        return;
    QPen pen(ToQColor(m_penColor));
    pen.setStyle(m_penStyle == TPenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    // Through a view a logical pixel may be many device pixels wide, or a fraction of one.
    const bool hairline = m_hasView ? width * std::abs(m_view.m11()) < 1 : width == 1;
    if (hairline) {
        // A flat cap on a one-pixel line leaves out the end point, like the lines of old.
        pen.setCosmetic(true);
        pen.setWidth(1);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    } else {
        pen.setWidth(width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    p.setPen(pen);
    m_appliedPenColor = m_penColor;
    m_appliedPenStyle = m_penStyle;
    m_appliedPenWidth = width;
    m_penValid = true;
}

QBrush QtCanvas::CurrentBrush() const
{
    if (m_brushClear)
        return QBrush(Qt::NoBrush);
    if (!m_hasPattern)
        return QBrush(ToQColor(m_brushColor));
    QImage tile(8, 8, QImage::Format_RGB32);
    const QRgb fg = ToQColor(m_patternFg).rgb();
    const QRgb bg = ToQColor(m_brushColor).rgb();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, (m_pattern[std::size_t(y)] & (0x80 >> x)) ? fg : bg);
    return QBrush(tile);
}

void QtCanvas::ApplyBrush(QPainter &p)
{
    if (m_brushValid && m_appliedBrushClear == m_brushClear
        && (m_brushClear
            || (m_appliedHasPattern == m_hasPattern && m_appliedBrushColor == m_brushColor
                && (!m_hasPattern
                    || (m_appliedPatternFg == m_patternFg && m_appliedPattern == m_pattern)))))
        return;
    p.setBrush(CurrentBrush());
    m_appliedBrushClear = m_brushClear;
    m_appliedHasPattern = m_hasPattern;
    m_appliedBrushColor = m_brushColor;
    m_appliedPatternFg = m_patternFg;
    m_appliedPattern = m_pattern;
    m_brushValid = true;
}

QtCanvas::FontEntry &QtCanvas::CurrentFont()
{
    if (m_currentFont < m_fonts.size() && m_fonts[m_currentFont].size == m_fontSize
        && m_fonts[m_currentFont].name == m_fontName)
        return m_fonts[m_currentFont];
    for (std::size_t i = 0; i < m_fonts.size(); ++i)
        if (m_fonts[i].size == m_fontSize && m_fonts[i].name == m_fontName) {
            m_currentFont = i;
            return m_fonts[i];
        }
    QFont font(QString::fromStdString(m_fontName));
    font.setPixelSize(FontPixelSize(m_fontSize));
    font.setStyleStrategy(QFont::NoAntialias);
    FontEntry entry { m_fontName, m_fontSize, font, QFontMetrics(font), {} };
    if (m_fonts.size() >= kFontCacheSize)
        m_fonts.erase(m_fonts.begin());
    m_fonts.push_back(std::move(entry));
    m_currentFont = m_fonts.size() - 1;
    return m_fonts.back();
}

QtCanvas::FontEntry::Label &QtCanvas::LabelOf(FontEntry &font, const std::string &utf8)
{
    if (auto it = font.labels.find(utf8); it != font.labels.end())
        return it->second;
    if (font.labels.size() >= 65536)
        font.labels.clear();
    FontEntry::Label label;
    label.width
        = font.metrics.horizontalAdvance(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
    return font.labels.emplace(utf8, std::move(label)).first->second;
}

// Everything is painted in image pixels, worked out in 64 bits: net coordinates near the ends of
// the 32-bit range (a hostile file, a far scroll position) must not overflow on the way.
long long QtCanvas::DevX(long long x) const
{
    return x - m_origin.x;
}

long long QtCanvas::DevY(long long y) const
{
    return y - m_origin.y;
}

bool QtCanvas::OffImage(long long x1, long long y1, long long x2, long long y2) const
{
    if (m_width <= 0 || m_height <= 0)
        return true;
    return DevX(std::max(x1, x2)) < 0 || DevX(std::min(x1, x2)) >= m_width
        || DevY(std::max(y1, y2)) < 0 || DevY(std::min(y1, y2)) >= m_height;
}

// Whether a net point lies so far from the image that the rasteriser could not take it.
bool QtCanvas::Huge(long long x, long long y) const
{
    constexpr long long kFar = 1LL << 22;
    return std::abs(DevX(x)) > kFar || std::abs(DevY(y)) > kFar;
}

void QtCanvas::Block(long long x, long long &x0, long long &x1) const
{
    if (m_ratio == 1) {
        x0 = x;
        x1 = x + 1;
        return;
    }
    x0 = static_cast<long long>(std::floor(double(x) * m_ratio));
    x1 = static_cast<long long>(std::floor(double(x + 1) * m_ratio));
}

// Takes image pixels within the rasteriser's reach.
void QtCanvas::PutPixel(long long x, long long y, QRgb colour, bool notXor)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    if (!m_image) {
        if (QPainter *p = notXor ? nullptr : Prepare(Use::Text))
            p->fillRect(QRect(int(x), int(y), 1, 1), QColor::fromRgb(colour));
        return;
    }
    long long x0, x1, y0, y1;
    Block(x, x0, x1);
    Block(y, y0, y1);
    x1 = std::min<long long>(x1, m_image->width());
    y1 = std::min<long long>(y1, m_image->height());
    for (long long py = y0; py < y1; ++py) {
        QRgb *line = reinterpret_cast<QRgb *>(m_image->scanLine(int(py)));
        for (long long px = x0; px < x1; ++px)
            line[px] = 0xFF000000u | (notXor ? ~(colour ^ line[px]) & 0xFFFFFFu : colour);
    }
}

// Qt restarts a dash pattern where a line enters the image, so the dots of one line would
// differ between two images that show it differently cut (bands of a picture, a scrolled
// window). Dotted hairlines are therefore set pixel by pixel, counted from their start.
// Takes image pixels within the rasteriser's reach.
void QtCanvas::DottedLine(long long x0, long long y0, long long x1, long long y1)
{
    if (m_image)
        Release();
    const QRgb colour = ToQColor(m_penColor).rgb() & 0xFFFFFFu;
    const bool notXor = m_penMode == TPenMode::NotXor;
    const long long dx = x1 - x0, dy = y1 - y0;
    const long long adx = std::abs(dx), ady = std::abs(dy);
    const long long steps = std::max(adx, ady); // the end point is left out
    if (steps == 0)
        return;
    const bool xMajor = adx >= ady;
    const long long major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
    const long long sMajor = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const long long sMinor = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const long long m0 = xMajor ? x0 : y0, n0 = xMajor ? y0 : x0;
    const long long limit = xMajor ? m_width : m_height;
    // Steps whose major coordinate lies on the image.
    long long first = 0, last = steps - 1;
    if (sMajor > 0) {
        first = std::max(first, -m0);
        last = std::min(last, limit - 1 - m0);
    } else {
        first = std::max(first, m0 - (limit - 1));
        last = std::min(last, m0);
    }
    first += (3 - first % 3) % 3; // the dots fall on every third step from the start
    for (long long i = first; i <= last; i += 3) {
        const long long m = m0 + sMajor * i;
        const long long n = n0 + sMinor * ((2 * i * minor + major) / (2 * major));
        if (xMajor)
            PutPixel(m, n, colour, notXor);
        else
            PutPixel(n, m, colour, notXor);
    }
}

// Set on the image's pixels directly, where Qt would cut a long line where it enters the image
// and so draw it differently in two differently cut images; and a pixel at a time Qt is several
// times slower than filling the runs of a line.
// Takes image pixels.
void QtCanvas::SolidHairline(long long x0, long long y0, long long x1, long long y1)
{
    // The painter draws on the image's buffer as it stands; a buffer still shared with a copy
    // would be parted from the painter's by writing to it.
    if (!m_image->isDetached())
        Release();
    const TPixelRows rows { reinterpret_cast<std::uint32_t *>(m_image->bits()),
        m_image->bytesPerLine() / 4, m_image->width(), m_image->height() };
    SetHairline(rows, x0, y0, x1, y1, ToQColor(m_penColor).rgb(), m_penMode == TPenMode::NotXor);
}

void QtCanvas::DoLine(TPoint from, TPoint to)
{
    const long long w = std::max(1, m_penWidth);
    if (OffImage(std::min<long long>(from.x, to.x) - w, std::min<long long>(from.y, to.y) - w,
            std::max<long long>(from.x, to.x) + w, std::max<long long>(from.y, to.y) + w))
        return;
    long long x0 = DevX(from.x), y0 = DevY(from.y), x1 = DevX(to.x), y1 = DevY(to.y);
    // The rasteriser works in fixed point; far-away ends of a line from a hostile file would
    // overflow it. Only horizontal and vertical lines can be cut exactly, and only they matter.
    if (Huge(from.x, from.y) || Huge(to.x, to.y)) {
        if (x0 != x1 && y0 != y1)
            return;
        const long long hiX = m_width + 16LL, hiY = m_height + 16LL;
        x0 = std::clamp(x0, -16LL, hiX);
        x1 = std::clamp(x1, -16LL, hiX);
        y0 = std::clamp(y0, -16LL, hiY);
        y1 = std::clamp(y1, -16LL, hiY);
    }
    if (m_penStyle == TPenStyle::Dot && m_penWidth <= 1 && m_image) {
        DottedLine(x0, y0, x1, y1);
        return;
    }
    // Qt's rasteriser starts a line cut by the image's edge from the cut point, which moves its
    // pixels by one here and there; on a plain image a one-pixel line is set from its ends, so it
    // comes out the same in any band of a picture or strip of a scrolled window.
    if (m_penWidth <= 1 && m_image && m_ratio == 1) {
        SolidHairline(x0, y0, x1, y1);
        return;
    }
    if (QPainter *p = Prepare(Use::Pen))
        p->drawLine(QPoint(int(x0), int(y0)), QPoint(int(x1), int(y1)));
}

void QtCanvas::Polygon(const std::vector<TPoint> &points)
{
    if (points.empty())
        return;
    long long x1 = points[0].x, y1 = points[0].y, x2 = x1, y2 = y1;
    for (const TPoint &pt : points) {
        x1 = std::min<long long>(x1, pt.x);
        y1 = std::min<long long>(y1, pt.y);
        x2 = std::max<long long>(x2, pt.x);
        y2 = std::max<long long>(y2, pt.y);
    }
    const int w = std::max(1, m_penWidth);
    if (OffImage(x1 - w, y1 - w, x2 + w, y2 + w) || Huge(x1, y1) || Huge(x2, y2))
        return;
    QPolygon polygon;
    polygon.reserve(int(points.size()));
    for (const TPoint &pt : points)
        polygon << QPoint(int(DevX(pt.x)), int(DevY(pt.y)));
    auto paint = [&polygon](QPainter &p) { p.drawPolygon(polygon); };
    if (MaskedShape(DevX(x1), DevY(y1), DevX(x2) + 1, DevY(y2) + 1, paint))
        return;
    if (QPainter *p = Prepare(Use::PenAndBrush))
        paint(*p);
}

// Two kinds of shape are drawn whole into a mask of their own and then set on the image: a
// dotted outline, for the same reason as dotted lines (the fill goes on first, as usual); and an
// inverting shape filled in its outline's colour, which must invert each of its pixels once and
// not its border twice (fill, then outline), or a dragged arc's arrow head falls apart.
// The bounds are image pixels.
bool QtCanvas::MaskedShape(long long x1, long long y1, long long x2, long long y2,
    const std::function<void(QPainter &)> &paint)
{
    constexpr long long kMaxMask = 4096;
    if (!m_image)
        return false;
    const long long w = x2 - x1 + 2, h = y2 - y1 + 2;
    const bool thin = m_penWidth <= 1;
    const bool dotted = thin && m_penStyle == TPenStyle::Dot;
    const bool oneColour = thin && m_penMode == TPenMode::NotXor && !m_brushClear && !m_hasPattern
        && m_brushColor == m_penColor;
    if (!(dotted || oneColour) || w > kMaxMask || h > kMaxMask)
        return false;
    if (!oneColour && !m_brushClear) {
        if (QPainter *p = Prepare(Use::Brush)) {
            p->setPen(Qt::NoPen);
            m_penValid = false;
            paint(*p);
        }
    }
    QImage mask(int(w), int(h), QImage::Format_RGB32);
    mask.fill(Qt::white);
    {
        QPainter mp(&mask);
        mp.setRenderHint(QPainter::Antialiasing, false);
        mp.setTransform(QTransform::fromTranslate(double(1 - x1), double(1 - y1)));
        QPen pen(Qt::black);
        pen.setCosmetic(true);
        pen.setWidth(1);
        pen.setStyle(dotted ? Qt::DotLine : Qt::SolidLine);
        pen.setCapStyle(Qt::FlatCap);
        mp.setPen(pen);
        mp.setBrush(oneColour ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
        paint(mp);
    }
    Release();
    const QRgb colour = ToQColor(m_penColor).rgb() & 0xFFFFFFu;
    const bool notXor = m_penMode == TPenMode::NotXor;
    for (int my = 0; my < mask.height(); ++my) {
        const auto *line = reinterpret_cast<const QRgb *>(mask.constScanLine(my));
        for (int mx = 0; mx < mask.width(); ++mx)
            if ((line[mx] & 0xFFFFFFu) == 0)
                PutPixel(x1 - 1 + mx, y1 - 1 + my, colour, notXor);
    }
    return true;
}

// The image rectangle of a shape (x1, y1, x2, y2), which covers x1 .. x2 − 1; Qt's outline of a
// rectangle w wide covers w + 1 pixels.
QRect QtCanvas::OutlineRect(long long x1, long long y1, long long x2, long long y2) const
{
    const long long l = DevX(std::min(x1, x2)), r = DevX(std::max(x1, x2));
    const long long t = DevY(std::min(y1, y2)), b = DevY(std::max(y1, y2));
    return QRect(int(l), int(t), int(std::max(r - l - 1, 0LL)), int(std::max(b - t - 1, 0LL)));
}

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    // Curves are flattened by their size: a hostile file must not make us trace a giant one.
    if (OffImage(x1, y1, x2, y2) || Huge(x1, y1) || Huge(x2, y2))
        return;
    const QRect r = OutlineRect(x1, y1, x2, y2);
    auto paint = [&r](QPainter &p) { p.drawEllipse(r); };
    if (MaskedShape(r.left(), r.top(), r.left() + r.width() + 1, r.top() + r.height() + 1, paint))
        return;
    if (QPainter *p = Prepare(Use::PenAndBrush))
        paint(*p);
}

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (OffImage(x1, y1, x2, y2))
        return;
    if (!Huge(x1, y1) && !Huge(x2, y2)) {
        const QRect r = OutlineRect(x1, y1, x2, y2);
        if (MaskedShape(r.left(), r.top(), r.left() + r.width() + 1, r.top() + r.height() + 1,
                [&r](QPainter &p) { p.drawRect(r); }))
            return;
    }
    // Edges beyond the image are invisible, so pulling them in changes no pixel.
    const long long ox = m_origin.x, oy = m_origin.y;
    const long long l = std::max<long long>(std::min(x1, x2), ox - 16);
    const long long t = std::max<long long>(std::min(y1, y2), oy - 16);
    const long long r = std::min<long long>(std::max(x1, x2), ox + m_width + 16);
    const long long b = std::min<long long>(std::max(y1, y2), oy + m_height + 16);
    if (QPainter *p = Prepare(Use::PenAndBrush))
        p->drawRect(OutlineRect(l, t, r, b));
}

void QtCanvas::FillRect(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 || y1 == y2 || OffImage(x1, y1, x2, y2))
        return;
    const long long l = std::max(DevX(std::min(x1, x2)), 0LL);
    const long long t = std::max(DevY(std::min(y1, y2)), 0LL);
    const long long r = std::min<long long>(DevX(std::max(x1, x2)), m_width);
    const long long b = std::min<long long>(DevY(std::max(y1, y2)), m_height);
    if (QPainter *p = Prepare(Use::Text))
        p->fillRect(QRect(int(l), int(t), int(r - l), int(b - t)), CurrentBrush());
}

// Every second pixel of the frame, inverted: the same call again restores it.
void QtCanvas::DrawFocusRect(int x1, int y1, int x2, int y2)
{
    if (!m_image || m_image->isNull())
        return;
    Release();
    const long long l = DevX(std::min(x1, x2)), r = DevX(std::max(x1, x2)) - 1;
    const long long t = DevY(std::min(y1, y2)), b = DevY(std::max(y1, y2)) - 1;
    if (r < l || b < t)
        return;
    const long long w = m_width, h = m_height;
    const long long ox = m_origin.x, oy = m_origin.y;
    auto invert = [&](long long x, long long y) {
        if (x < 0 || y < 0 || x >= w || y >= h || ((x + ox + y + oy) & 1))
            return;
        PutPixel(x, y, 0, true);
    };
    for (long long x = std::max(l, -1LL); x <= std::min(r, w); ++x) {
        invert(x, t);
        if (b != t)
            invert(x, b);
    }
    for (long long y = std::max(t + 1, -1LL); y <= std::min(b - 1, h); ++y) {
        invert(l, y);
        if (r != l)
            invert(r, y);
    }
}

void QtCanvas::SetPixel(int x, int y, TColor c)
{
    if (OffImage(x, y, x, y))
        return;
    if (m_image)
        Release();
    PutPixel(DevX(x), DevY(y), ToQColor(c).rgb() & 0xFFFFFFu, false);
}

void QtCanvas::TextOut(int x, int y, const std::string &utf8)
{
    if (utf8.empty() || m_width <= 0)
        return;
    FontEntry &f = CurrentFont();
    const long long height = f.metrics.height();
    // Unmeasured, a label is only known to miss the image when it starts right of it or misses
    // its rows: a label may be wider than the image.
    if (OffImage(x, y, std::max<long long>(x, m_origin.x), y + height))
        return;
    FontEntry::Label &label = LabelOf(f, utf8);
    if (OffImage(x, y, static_cast<long long>(x) + label.width, y + height))
        return;
    QPainter *p = Prepare(Use::Text);
    if (!p)
        return;
    const int dx = int(DevX(x)), dy = int(DevY(y));
    if (!m_brushClear)
        p->fillRect(QRect(dx, dy, label.width, int(height)), ToQColor(m_brushColor));
    auto text = [&] { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); };
    if (!label.laidOut) {
        // Laid out once, Latin text the font has every glyph of draws exactly as drawText draws
        // it; other scripts, marks and separators, or glyphs taken from another font, can come
        // out differently and are drawn by drawText every time.
        label.laidOut = true;
        const QString whole = text();
        label.staticFits = std::all_of(whole.begin(), whole.end(), [&](QChar c) {
            const char16_t u = c.unicode();
            return ((u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u < 0x180)) && f.metrics.inFont(c);
        });
        if (label.staticFits) {
            label.text.setText(whole);
            label.text.setTextFormat(Qt::PlainText);
            label.text.prepare(QTransform(), f.font);
        }
    }
    // Setting a font resolves it anew even when it is the one set.
    if (p->font() != f.font)
        p->setFont(f.font);
    p->setPen(ToQColor(m_fontColor));
    m_penValid = false;
    // Only on an unscaled image: a scaled painter (an image of a high pixel ratio) would lay the
    // text out anew anyway, and vector devices keep text as text.
    if (label.staticFits && m_image && p->deviceTransform().type() == QTransform::TxNone)
        p->drawStaticText(QPoint(dx, dy), label.text);
    else
        p->drawText(QPoint(dx, dy + f.metrics.ascent()), text());
}

int QtCanvas::TextWidth(const std::string &utf8)
{
    return LabelOf(CurrentFont(), utf8).width;
}

int QtCanvas::TextHeight(const std::string &)
{
    return CurrentFont().metrics.height();
}

QImage DeviceImage(QSize size, qreal devicePixelRatio)
{
    QImage image(qCeil(size.width() * devicePixelRatio), qCeil(size.height() * devicePixelRatio),
        QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

} // namespace morvane
