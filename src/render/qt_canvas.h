// SPDX-License-Identifier: MIT
#pragma once

#include "model/canvas.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPalette>
#include <QRectF>
#include <QStaticText>
#include <QTransform>

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class QPainter;

namespace morvane {

// The net's drawing surface on any paint device: an image (the net window's backing image, a
// picture export), an SVG generator, a PDF writer or a printer. It keeps the conventions the
// drawing code was written for: a shape given by (x1, y1, x2, y2) covers the pixels from x1 to
// x2 − 1, a line leaves out its last pixel, nothing is antialiased (an inverting ghost must give
// back exactly the pixels it changed), and text is drawn on a box of the brush colour. Sizes of
// fonts are points at 96 pixels per inch, whatever the screen says, so a picture is the same on
// every machine. Coordinates are device-independent pixels: on an image with a device pixel
// ratio above 1, lines and text are drawn at the image's full resolution, and each net pixel set
// one by one (dots, focus rectangles, inverted masks) covers its whole block of image pixels.
//
// Inverting needs the pixels underneath, so on any device but an image the inverting operations
// (the not-xor pen mode and DrawFocusRect) are skipped and leave no trace; everything else is
// drawn as on an image.
//
// The canvas keeps one painter open on the device between primitives; call Release() before an
// image is copied, saved, resized or painted on by anybody else. On any other device Release()
// ends the painter and with it the document (an SVG or PDF file is complete then), so call it
// once, when the drawing is done.
class QtCanvas : public Canvas
{
public:
    // Converts an image to 32-bit RGB when it has another format: raster operations need it.
    explicit QtCanvas(QPaintDevice *device);
    QtCanvas(QPaintDevice *device, const QPalette &palette);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas &) = delete;
    QtCanvas &operator=(const QtCanvas &) = delete;

    void SetDevice(QPaintDevice *device);
    // From now until the next SetDevice, draws in logical pixels (0, 0) to `logical` that
    // `toDevice` maps onto the device, clipped to `clip` (device units): a net placed on a printed
    // sheet. The device is then drawn on as one that is not an image, whatever it is, and a
    // one-pixel pen is a logical pixel wide, or a device pixel where that is less. May be called
    // between pages while the painter is open.
    void SetView(const QTransform &toDevice, QSize logical, const QRectF &clip);
    // The device when it is an image, else null.
    QImage *Image() const { return m_image; }
    void Release();

    QColor ToQColor(TColor c) const { return ToQColor(c, m_palette); }
    // System colours come from the palette; palette-relative ones are plain RGB.
    static QColor ToQColor(TColor c, const QPalette &palette);
    // Pixel size of a font of the given point size.
    static int FontPixelSize(int pointSize);

    void DoLine(TPoint from, TPoint to) override;
    void Polygon(const std::vector<TPoint> &points) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(int x1, int y1, int x2, int y2) override;
    void DrawFocusRect(int x1, int y1, int x2, int y2) override;
    void SetPixel(int x, int y, TColor c) override;
    void TextOut(int x, int y, const std::string &utf8) override;
    int TextWidth(const std::string &utf8) override;
    int TextHeight(const std::string &utf8) override;

private:
    struct FontEntry
    {
        std::string name;
        int size = 0;
        QFont font;
        QFontMetrics metrics { QFont() };
        // Shaping is the dear part of text, and labels are measured and drawn on every repaint:
        // each text is measured once, and laid out once when first drawn.
        struct Label
        {
            int width = 0;
            QStaticText text;
            bool laidOut = false;
            // Whether the laid-out text draws exactly as drawText would; see TextOut.
            bool staticFits = false;
        };
        std::unordered_map<std::string, Label> labels;
    };
    enum class Use { Pen, PenAndBrush, Brush, Text };

    QPainter *Prepare(Use use);
    void ApplyPen(QPainter &p);
    void ApplyBrush(QPainter &p);
    QBrush CurrentBrush() const;
    FontEntry &CurrentFont();
    static FontEntry::Label &LabelOf(FontEntry &font, const std::string &utf8);
    long long DevX(long long x) const;
    long long DevY(long long y) const;
    // Whether the net rectangle [x1, x2] x [y1, y2] misses the image entirely.
    bool OffImage(long long x1, long long y1, long long x2, long long y2) const;
    bool Huge(long long x, long long y) const;
    QRect OutlineRect(long long x1, long long y1, long long x2, long long y2) const;
    // Image pixels x0 .. x1 − 1 of the net pixels from x to x + 1 (device-independent).
    void Block(long long x, long long &x0, long long &x1) const;
    void PutPixel(long long x, long long y, QRgb colour, bool notXor);
    void DottedLine(long long x0, long long y0, long long x1, long long y1);
    void SolidHairline(long long x0, long long y0, long long x1, long long y1);
    bool MaskedShape(long long x1, long long y1, long long x2, long long y2,
        const std::function<void(QPainter &)> &paint);

    QPaintDevice *m_device = nullptr;
    QImage *m_image = nullptr;
    // Device-independent size and the image's pixels per net pixel.
    long long m_width = 0, m_height = 0;
    qreal m_ratio = 1;
    QPalette m_palette;
    std::unique_ptr<QPainter> m_painter;

    // What the open painter was last given, to skip redundant state changes.
    bool m_penValid = false;
    TColor m_appliedPenColor = 0;
    TPenStyle m_appliedPenStyle = TPenStyle::Solid;
    int m_appliedPenWidth = 0;
    bool m_brushValid = false;
    bool m_appliedBrushClear = false;
    bool m_appliedHasPattern = false;
    TColor m_appliedBrushColor = 0;
    TColor m_appliedPatternFg = 0;
    TBrushPattern m_appliedPattern {};
    bool m_modeValid = false;
    bool m_appliedNotXor = false;
    bool m_originValid = false;
    TPoint m_appliedOrigin;
    bool m_hasView = false;
    bool m_viewValid = false;
    QTransform m_view;
    QRectF m_clip;

    std::vector<FontEntry> m_fonts;
    std::size_t m_currentFont = 0;
};

// A backing image for a widget: `size` device-independent pixels at the screen's device pixel
// ratio, so that the canvas draws crisp lines and text on it.
QImage DeviceImage(QSize size, qreal devicePixelRatio);

} // namespace morvane
