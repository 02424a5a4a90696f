// SPDX-License-Identifier: MIT
#include "resources.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>

#include <map>

// The resource library is static; its registration must be pulled in explicitly.
static void InitMorvaneResources()
{
    static bool done = false;
    if (!done) {
        Q_INIT_RESOURCE(morvane);
        done = true;
    }
}

namespace morvane::resources {

namespace {

QImage Render(const QString &file, QSize size)
{
    InitMorvaneResources();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer svg(file);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

std::map<int, QCursor> &CursorTable()
{
    static std::map<int, QCursor> table;
    return table;
}

} // namespace

QImage Glyph(int index)
{
    static std::map<int, QImage> cache;
    if (index < 0 || index >= kGlyphCount)
        return {};
    auto it = cache.find(index);
    if (it != cache.end())
        return it->second;
    InitMorvaneResources();
    const QStringList files
        = QDir(":/glyphs").entryList({ QStringLiteral("%1-*.svg").arg(index, 2, 10, QChar('0')) });
    QImage image = files.isEmpty()
        ? QImage()
        : Render(":/glyphs/" + files.first(), { kGlyphSize, kGlyphSize });
    cache[index] = image;
    return image;
}

QPixmap GlyphPixmap(int index)
{
    return QPixmap::fromImage(Glyph(index));
}

void RegisterCursor(int id, const QString &name)
{
    // Every drawing puts its hot spot at (8, 8): the centre of the cross hair.
    const QImage image = Render(":/cursors/" + name + ".svg", { 32, 32 });
    CursorTable()[id] = QCursor(QPixmap::fromImage(image), 8, 8);
}

QCursor CursorById(int id)
{
    auto it = CursorTable().find(id);
    return it == CursorTable().end() ? QCursor(Qt::ArrowCursor) : it->second;
}

QPixmap SplashPicture()
{
    return QPixmap::fromImage(Render(":/splash.svg", { 500, 300 }));
}

} // namespace morvane::resources
