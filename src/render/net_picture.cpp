// SPDX-License-Identifier: MIT
#include "net_picture.h"

#include "jpeg_writer.h"
#include "png_writer.h"
#include "qt_canvas.h"

#include "export/export_zoom.h"
#include "model/drawing_objects.h"
#include "model/paint_reach.h"
#include "options/real_options.h"

#include <QGuiApplication>

#include <algorithm>

namespace morvane {

namespace {

class TCanvasSwap
{
public:
    TCanvasSwap(TDrawingObjects &net, Canvas *canvas)
        : m_net(net)
        , m_saved(net.GetCanvas())
    {
        net.SetCanvas(canvas);
    }
    ~TCanvasSwap() { m_net.SetCanvas(m_saved); }
    TCanvasSwap(const TCanvasSwap &) = delete;
    TCanvasSwap &operator=(const TCanvasSwap &) = delete;

private:
    TDrawingObjects &m_net;
    Canvas *m_saved;
};

} // namespace

QPalette PicturePalette()
{
    QPalette palette(QColor(240, 240, 240), QColor(240, 240, 240));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0, 120, 215));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

TNetPicture MakeNetPicture(
    TDrawingObjects &net, TRealOptions &options, const TPictureSettings &settings)
{
    return MakeNetPicture(net, options, settings,
        QGuiApplication::instance() ? QGuiApplication::palette() : QPalette());
}

TPictureSize PictureSizeAt(const TExportZoom &zoom, const TPictureSettings &settings)
{
    return { std::int64_t(zoom.BottomRight().x) - zoom.TopLeft().x + settings.MarginLeft
            + settings.MarginRight + 1,
        std::int64_t(zoom.BottomRight().y) - zoom.TopLeft().y + settings.MarginTop
            + settings.MarginBottom + 1 };
}

TPoint PictureOrigin(const TExportZoom &zoom, const TPictureSettings &settings)
{
    return { std::int32_t(std::int64_t(zoom.TopLeft().x) - settings.MarginLeft),
        std::int32_t(std::int64_t(zoom.TopLeft().y) - settings.MarginTop) };
}

namespace {

// Where the picture lies on the net at the current zoom: the extent plus the margins.
struct TPictureFrame
{
    TPoint TopLeft, BottomRight;
    int Width = 0, Height = 0;
    TPoint Origin; // net pixel drawn at the picture's (0, 0)
    std::string Error;
};

TPictureFrame Frame(const TExportZoom &zoom, const TPictureSettings &settings)
{
    TPictureFrame f;
    f.TopLeft = zoom.TopLeft();
    f.BottomRight = zoom.BottomRight();
    const auto [width, height] = PictureSizeAt(zoom, settings);
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide
        || width * height > kMaxPicturePixels) {
        f.Error = "pictures are at most " + std::to_string(kMaxPictureSide) + " pixels a side and "
            + std::to_string(kMaxPicturePixels) + " pixels in all; this one would be "
            + std::to_string(width) + " x " + std::to_string(height);
        return f;
    }
    f.Width = int(width);
    f.Height = int(height);
    f.Origin = PictureOrigin(zoom, settings);
    return f;
}

// A band's size when the caller leaves it to us: tall enough to keep the passes over the
// objects few, small enough to stay in the caches; a very wide picture gets bands of up to
// kWideBandPixels, since every object it shows is drawn once for each band it reaches.
constexpr int kBandPixels = 1 << 21;
constexpr int kWideBandPixels = 1 << 24;
constexpr int kWideBandRows = 32;

// 96 dots per inch.
constexpr int kDotsPerMeter = 3780;

QImage WhiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(Qt::white);
    return image;
}

std::string NoMemory(int width, int height)
{
    return "not enough memory for a picture of " + std::to_string(width) + " x "
        + std::to_string(height) + " pixels";
}

} // namespace

namespace {

// Every pass starts from the same canvas state, so that a band draws exactly the pixels the
// whole picture has there (objects in some modes keep the brush they find).
void ResetCanvas(QtCanvas &canvas, const TPictureSettings &settings, TPoint origin)
{
    canvas.SetFont(settings.Font.Name, settings.Font.Size);
    canvas.SetFontColor(clBlack);
    canvas.SetPenColor(clWhite);
    canvas.SetPenStyle(TPenStyle::Solid);
    canvas.SetPenMode(TPenMode::Copy);
    canvas.SetPenWidth(settings.PenWidth);
    canvas.SetBrushColor(clWhite);
    canvas.MoveTo(0, 0);
    canvas.SetOrigin(origin);
}

// The objects whose painting may touch a band, for bands asked top to bottom: objects enter by
// their top row and leave once a band starts below their bottom row.
class TBandObjects
{
public:
    TBandObjects(const TDrawingObjects &net, const TPaintReach &reach)
    {
        m_spans.reserve(net.Count());
        for (std::size_t i = 0; i < net.Count(); ++i) {
            TSpan s { 0, 0, i };
            reach.Rows(*net.Object(i), s.top, s.bottom);
            m_spans.push_back(s);
        }
        std::sort(m_spans.begin(), m_spans.end(),
            [](const TSpan &a, const TSpan &b) { return a.top < b.top; });
    }
    // Ascending indices of the objects touching rows [top, bottom].
    const std::vector<std::size_t> &Rows(std::int64_t top, std::int64_t bottom)
    {
        for (; m_entered < m_spans.size() && m_spans[m_entered].top <= bottom; ++m_entered)
            m_active.push_back(m_spans[m_entered]);
        std::erase_if(m_active, [&](const TSpan &s) { return s.bottom < top; });
        m_shown.clear();
        for (const TSpan &s : m_active)
            m_shown.push_back(s.index);
        std::sort(m_shown.begin(), m_shown.end());
        return m_shown;
    }

private:
    struct TSpan
    {
        std::int64_t top, bottom;
        std::size_t index;
    };
    std::vector<TSpan> m_spans, m_active;
    std::size_t m_entered = 0;
    std::vector<std::size_t> m_shown;
};

} // namespace

void DrawNetOnPage(
    TDrawingObjects &net, QtCanvas &canvas, const TPictureSettings &settings, TPoint origin)
{
    ResetCanvas(canvas, settings, origin);
    TCanvasSwap swap(net, &canvas);
    net.RepaintAll();
}

void DrawNetOn(
    TDrawingObjects &net, QtCanvas &canvas, const TPictureSettings &settings, TPoint origin)
{
    DrawNetOnPage(net, canvas, settings, origin);
    canvas.Release();
}

TPictureSize NetPictureSize(
    TDrawingObjects &net, TRealOptions &options, const TPictureSettings &settings)
{
    const TExportZoom zoom(net, options, settings.Scale);
    return PictureSizeAt(zoom, settings);
}

TNetPicture MakeNetPicture(TDrawingObjects &net, TRealOptions &options,
    const TPictureSettings &settings, const QPalette &palette)
{
    TNetPicture picture;
    const TExportZoom zoom(net, options, settings.Scale);
    const TPictureFrame frame = Frame(zoom, settings);
    picture.ExtentTopLeft = frame.TopLeft;
    picture.ExtentBottomRight = frame.BottomRight;
    if (!frame.Error.empty()) {
        picture.Error = frame.Error;
        return picture;
    }
    picture.Image = WhiteImage(frame.Width, frame.Height);
    if (picture.Image.isNull()) {
        picture.Error = NoMemory(frame.Width, frame.Height);
        return picture;
    }
    QtCanvas canvas(&picture.Image, palette);
    DrawNetOn(net, canvas, settings, frame.Origin);
    return picture;
}

std::string DrawNetPictureInBands(TDrawingObjects &net, TRealOptions &options,
    const TPictureSettings &settings, const QPalette &palette, int bandHeight, TPictureBands &bands)
{
    const TExportZoom zoom(net, options, settings.Scale);
    const TPictureFrame frame = Frame(zoom, settings);
    if (!frame.Error.empty())
        return frame.Error;
    const int wanted = bandHeight > 0 ? bandHeight
                                      : std::max({ 16, kBandPixels / frame.Width,
                                          std::min(kWideBandRows, kWideBandPixels / frame.Width) });
    const int rows = std::clamp(wanted, 1, frame.Height);
    QImage band = WhiteImage(frame.Width, rows);
    if (band.isNull())
        return NoMemory(frame.Width, rows);
    if (!bands.Begin(frame.Width, frame.Height))
        return "the picture was refused";
    QtCanvas canvas(&band, palette);
    ResetCanvas(canvas, settings, frame.Origin);
    const TPaintReach reach(canvas);
    TBandObjects objects(net, reach);
    TCanvasSwap swap(net, &canvas);
    for (int top = 0; top < frame.Height; top += rows) {
        if (top > 0)
            band.fill(Qt::white);
        const std::int64_t netTop = std::int64_t(frame.Origin.y) + top;
        ResetCanvas(canvas, settings, { frame.Origin.x, std::int32_t(netTop) });
        net.DrawObjects(objects.Rows(netTop, netTop + rows - 1));
        canvas.Release();
        if (!bands.Band(band, std::min(rows, frame.Height - top)))
            return "the picture was refused";
    }
    return {};
}

namespace {

// Draws the picture in bands into an encoder that `start` opens for the picture's size.
template <class Encoder, class Start>
std::string EncodeInBands(TDrawingObjects &net, TRealOptions &options,
    const TPictureSettings &settings, const QPalette &palette, Encoder &encoder, Start start,
    std::vector<unsigned char> &bytes)
{
    class TBands : public TPictureBands
    {
    public:
        TBands(Encoder &encoder, Start &start)
            : m_encoder(encoder)
            , m_start(start)
        {
        }
        bool Begin(int width, int height) override { return m_start(width, height); }
        bool Band(const QImage &band, int rows) override { return m_encoder.AddRows(band, rows); }

    private:
        Encoder &m_encoder;
        Start &m_start;
    } bands(encoder, start);
    const std::string error = DrawNetPictureInBands(net, options, settings, palette, 0, bands);
    if (!encoder.Error().empty())
        return encoder.Error();
    if (!error.empty())
        return error;
    if (!encoder.Finish())
        return encoder.Error();
    bytes = encoder.Bytes();
    return {};
}

} // namespace

std::string MakeNetJpeg(TDrawingObjects &net, TRealOptions &options,
    const TPictureSettings &settings, const QPalette &palette, bool greyscale, int quality,
    std::vector<unsigned char> &jpeg)
{
    TJpegEncoder encoder;
    return EncodeInBands(
        net, options, settings, palette, encoder,
        [&](int width, int height) { return encoder.Start(width, height, greyscale, quality); },
        jpeg);
}

std::string MakeNetPng(TDrawingObjects &net, TRealOptions &options,
    const TPictureSettings &settings, const QPalette &palette, std::vector<unsigned char> &png)
{
    TPngEncoder encoder;
    return EncodeInBands(
        net, options, settings, palette, encoder,
        [&](int width, int height) {
            return encoder.Start(width, height, kDotsPerMeter, kDotsPerMeter);
        },
        png);
}

} // namespace morvane
