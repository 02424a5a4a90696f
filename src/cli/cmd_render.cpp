// SPDX-License-Identifier: MIT
// morvane-cli render FILE OUT: a picture of the net, as the export dialog makes it.
#include "command.h"
#include "net_io.h"
#include "render/bmp_writer.h"
#include "render/jpeg_writer.h"
#include "render/net_picture.h"
#include "render/png_writer.h"

#include "options/display_globals.h"
#include "options/real_options.h"

#include <QGuiApplication>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iostream>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace morvane::cli {

namespace {

// The output could not be created.
constexpr int kExitCannotWrite = kExitBadInput; // as convert, xml and latex do
constexpr const char *kName = "render";

enum class TFormat { Bmp, Jpeg, Png };

struct TRenderArgs
{
    std::string input;
    std::string output;
    TFormat format = TFormat::Bmp;
    TPictureSettings picture;
    std::optional<int> bpp;
    std::optional<int> quality;
    bool grey = false;
};

std::optional<int> ParseInt(const std::string &text)
{
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty())
        return std::nullopt;
    return value;
}

std::optional<TFormat> FormatOf(const std::string &path)
{
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::nullopt;
    std::string ext = path.substr(dot + 1);
    std::transform(
        ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == "bmp")
        return TFormat::Bmp;
    if (ext == "jpg" || ext == "jpeg")
        return TFormat::Jpeg;
    if (ext == "png")
        return TFormat::Png;
    return std::nullopt;
}

bool ParseMargins(const std::string &text, TPictureSettings &s)
{
    std::int32_t *fields[] = { &s.MarginLeft, &s.MarginTop, &s.MarginRight, &s.MarginBottom };
    std::size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t comma = i < 3 ? text.find(',', start) : text.size();
        if (comma == std::string::npos)
            return false;
        const auto value = ParseInt(text.substr(start, comma - start));
        if (!value || *value < 0 || *value > 10000)
            return false;
        *fields[i] = *value;
        start = comma + 1;
    }
    return true;
}

// Returns an error message, or nothing when the arguments make sense.
std::optional<std::string> ParseArgs(const std::vector<std::string> &args, TRenderArgs &out)
{
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i], value;
        const bool option = name.size() > 2 && name.compare(0, 2, "--") == 0;
        if (!option) {
            positional.push_back(name);
            continue;
        }
        const auto equals = name.find('=');
        bool hasValue = equals != std::string::npos;
        if (hasValue) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (name == "--grey") {
            if (hasValue)
                return "--grey takes no value";
            out.grey = true;
            continue;
        }
        if (name != "--scale" && name != "--margins" && name != "--bpp" && name != "--quality")
            return "unknown option " + name;
        if (!hasValue) {
            if (i + 1 >= args.size())
                return name + " needs a value";
            value = args[++i];
        }
        if (name == "--margins") {
            if (!ParseMargins(value, out.picture))
                return "--margins takes four numbers 0 to 10000 as L,T,R,B, not \"" + value + "\"";
            continue;
        }
        const auto number = ParseInt(value);
        if (!number)
            return name + " takes a whole number, not \"" + value + "\"";
        if (name == "--scale")
            out.picture.Scale = *number;
        else if (name == "--bpp")
            out.bpp = *number;
        else
            out.quality = *number;
    }
    if (positional.size() != 2)
        return "render takes a net file and an output file";
    out.input = positional[0];
    out.output = positional[1];
    const auto format = FormatOf(out.output);
    if (!format)
        return "the output file must end in .bmp, .jpg or .png: " + out.output;
    out.format = *format;
    if (out.bpp && out.format != TFormat::Bmp)
        return "--bpp applies to .bmp pictures only";
    if ((out.quality || out.grey) && out.format != TFormat::Jpeg)
        return std::string(out.grey ? "--grey" : "--quality") + " applies to .jpg pictures only";
    if (out.bpp && !IsBmpDepth(*out.bpp))
        return "--bpp is 1, 4, 8, 15, 16 or 24, not " + std::to_string(*out.bpp);
    if (out.quality && (*out.quality < 1 || *out.quality > 100))
        return "--quality is 1 to 100, not " + std::to_string(*out.quality);
    const auto &g = Globals();
    if (out.picture.Scale < g.zMin || out.picture.Scale > g.zMax)
        return "--scale " + std::to_string(out.picture.Scale) + " is outside the zoom limits "
            + std::to_string(g.zMin) + " to " + std::to_string(g.zMax);
    return std::nullopt;
}

// Qt's own chatter (no runtime folder and the like) would drown our messages.
void QuietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "morvane-cli: " << message.toStdString() << '\n';
}

// Text and the system colours need an application object; a picture needs no screen, so
// without an explicit platform we take the offscreen one rather than look for a display.
std::unique_ptr<QGuiApplication> StartGui()
{
    if (QGuiApplication::instance())
        return nullptr;
    qInstallMessageHandler(QuietQtMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "morvane-cli";
    static char *argv[] = { name, nullptr };
    return std::make_unique<QGuiApplication>(argc, argv);
}

// Returns an error text and whether the picture, not the file, failed; empty on success.
std::pair<std::string, bool> Render(
    TDrawingObjects &net, TRealOptions &options, const TRenderArgs &a)
{
    const QPalette palette = PicturePalette();
    if (a.format == TFormat::Jpeg) {
        // Drawn and encoded in bands: a large net at a large scale never needs its whole picture.
        std::vector<unsigned char> jpeg;
        const std::string error
            = MakeNetJpeg(net, options, a.picture, palette, a.grey, a.quality.value_or(40), jpeg);
        if (!error.empty())
            return { error, true };
        return { WriteJpegBytes(jpeg, a.output), false };
    }
    const TNetPicture picture = MakeNetPicture(net, options, a.picture, palette);
    if (picture.Image.isNull())
        return { picture.Error, true };
    if (a.format == TFormat::Bmp)
        return { WriteBmp(picture.Image, a.output, a.bpp.value_or(24)), false };
    return { WritePng(picture.Image, a.output), false };
}

int RunRender(const std::vector<std::string> &args)
{
    TRealOptions options;
    options.SetDefaults();
    TRenderArgs a;
    if (const auto problem = ParseArgs(args, a))
        return UsageError(kName, *problem);

    TLoadedNet loaded;
    if (!LoadWholeNet(a.input, loaded))
        return kExitBadInput;

    const auto gui = StartGui();
    const auto [error, pictureFailed] = Render(loaded.Net(), options, a);
    if (error.empty())
        return kExitOk;
    if (pictureFailed) {
        std::cerr << "morvane-cli: " << a.input << ": " << error << '\n';
        return kExitBadInput;
    }
    std::cerr << "morvane-cli: " << error << '\n';
    return kExitCannotWrite;
}

const CommandRegistrar registrar(kName,
    "render FILE OUT [--scale N] [--margins L,T,R,B] [--bpp N] [--quality Q] [--grey]",
    "Draws the net into a .bmp (1, 4, 8, 15, 16 or 24 bits, default 24), .jpg (quality 1-100, "
    "default 40; --grey for 8-bit greyscale) or .png picture of its extent plus the margins, "
    "at N pixels per grid step (default 8).",
    RunRender);

} // namespace
} // namespace morvane::cli
