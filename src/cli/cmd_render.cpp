// SPDX-License-Identifier: MIT
// morvane-cli render FILE OUT: a picture of the net, as the export dialog makes it.
#include "command.h"
#include "gui_start.h"
#include "net_io.h"
#include "option_parser.h"
#include "render/bmp_writer.h"
#include "render/jpeg_writer.h"
#include "render/net_picture.h"
#include "render/picture_limits.h"
#include "render/vector_picture.h"

#include "format/atomic_file.h"
#include "options/real_options.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

namespace morvane::cli {

namespace {

constexpr const char *kName = "render";

struct TRenderArgs
{
    std::string input;
    std::string output;
    TPictureFormat format = TPictureFormat::Bmp;
    std::optional<TVectorFormat> vector; // set for .svg and .pdf
    TPictureSettings picture;
    int bpp = 24;
    int quality = 40;
    bool grey = false;
};

std::string ExtensionOf(const std::string &path)
{
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string ext = path.substr(dot + 1);
    std::transform(
        ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext;
}

std::optional<TPictureFormat> FormatOf(const std::string &path)
{
    const std::string ext = ExtensionOf(path);
    if (ext == "bmp")
        return TPictureFormat::Bmp;
    if (ext == "jpg" || ext == "jpeg")
        return TPictureFormat::Jpeg;
    if (ext == "png")
        return TPictureFormat::Png;
    return std::nullopt;
}

TRenderArgs ParseArgs(const std::vector<std::string> &args)
{
    TOptionParser p(kName);
    p.Value("scale").Value("margins").Value("bpp").Value("quality").Flag("grey").Parse(args);
    const auto &files = p.Positional(2, 2, "a net file and an output file");
    TRenderArgs a;
    a.input = files[0];
    a.output = files[1];
    RefuseOverwritingInput(a.input, a.output);
    const auto format = FormatOf(a.output);
    const std::string ext = ExtensionOf(a.output);
    if (ext == "svg" || ext == "pdf")
        a.vector = ext == "svg" ? TVectorFormat::Svg : TVectorFormat::Pdf;
    else if (!format)
        throw TUsageError(
            "the output file must end in .bmp, .jpg, .png, .svg or .pdf: " + a.output);
    a.format = format.value_or(TPictureFormat::Png);
    if (p.Has("bpp") && (a.vector || a.format != TPictureFormat::Bmp))
        throw TUsageError("--bpp applies to .bmp pictures only");
    if ((p.Has("quality") || p.Has("grey")) && (a.vector || a.format != TPictureFormat::Jpeg))
        throw TUsageError(
            std::string(p.Has("grey") ? "--grey" : "--quality") + " applies to .jpg pictures only");
    a.bpp = p.Int("bpp", a.bpp, 0, 99);
    if (!IsBmpDepth(a.bpp))
        throw TUsageError("--bpp is 1, 4, 8, 15, 16 or 24, not " + std::to_string(a.bpp));
    a.quality = p.Int("quality", a.quality, 1, 100);
    a.grey = p.Has("grey");
    a.picture.Scale = p.Scale(a.picture.Scale);
    const auto margins = p.Margins();
    a.picture.MarginLeft = margins[0];
    a.picture.MarginTop = margins[1];
    a.picture.MarginRight = margins[2];
    a.picture.MarginBottom = margins[3];
    return a;
}

// A picture that cannot be made (EncodeFailed) is the input's fault: exit 2 naming the net.
// The format's limits are checked from the picture's size before anything is allocated.
TWriteResult Render(TDrawingObjects &net, TRealOptions &options, const TRenderArgs &a)
{
    if (a.vector)
        return WriteNetVector(net, options, a.picture, PicturePalette(), *a.vector, a.output);
    const TPictureSize size = NetPictureSize(net, options, a.picture);
    const std::string limit = PictureFormatLimitError(a.format, size.Width, size.Height, a.bpp);
    if (!limit.empty())
        return TWriteResult::Failed(TWriteStatus::EncodeFailed, a.output, limit);
    const QPalette palette = PicturePalette();
    if (a.format == TPictureFormat::Jpeg) {
        // Drawn and encoded in bands: a large net at a large scale never needs its whole picture.
        std::vector<unsigned char> jpeg;
        const std::string error
            = MakeNetJpeg(net, options, a.picture, palette, a.grey, a.quality, jpeg);
        if (!error.empty())
            return TWriteResult::Failed(TWriteStatus::EncodeFailed, a.output, error);
        return WriteJpegBytes(jpeg, a.output);
    }
    if (a.format == TPictureFormat::Png) {
        std::vector<unsigned char> png;
        const std::string error = MakeNetPng(net, options, a.picture, palette, png);
        if (!error.empty())
            return TWriteResult::Failed(TWriteStatus::EncodeFailed, a.output, error);
        return WriteFileAtomically(
            a.output, std::string_view(reinterpret_cast<const char *>(png.data()), png.size()));
    }
    const TNetPicture picture = MakeNetPicture(net, options, a.picture, palette);
    if (picture.Image.isNull())
        return TWriteResult::Failed(TWriteStatus::EncodeFailed, a.output, picture.Error);
    return WriteBmp(picture.Image, a.output, a.bpp);
}

int RunRender(const std::vector<std::string> &args)
{
    TRealOptions options;
    options.SetDefaults();
    const TRenderArgs a = ParseArgs(args);

    TLoadedNet loaded;
    if (!LoadWholeNet(a.input, loaded))
        return kExitBadInput;

    const auto gui = StartGui();
    const TWriteResult written = Render(loaded.Net(), options, a);
    if (written.Status == TWriteStatus::EncodeFailed) {
        std::cerr << "morvane-cli: " << a.input << ": " << written.Reason << '\n';
        return kExitBadInput;
    }
    return ReportWritten(written);
}

const CommandRegistrar registrar(kName,
    "render FILE OUT [--scale N] [--margins L,T,R,B] [--bpp N] [--quality Q] [--grey]",
    "Draws the net into a .bmp (1, 4, 8, 15, 16 or 24 bits, default 24), .jpg (quality 1-100, "
    "default 40; --grey for 8-bit greyscale) or .png picture, or a .svg or .pdf vector picture "
    "with text as text, of its extent plus the margins (pixels, up to 100000), at N pixels per "
    "grid step (default 8, within the zoom limits).",
    RunRender);

} // namespace
} // namespace morvane::cli
