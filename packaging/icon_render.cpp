// SPDX-License-Identifier: MIT
// Build tool: renders the program's SVG icon into square PNGs, one per size.
// Usage: morvane-icon-render ICON.svg OUTDIR SIZE...  (writes OUTDIR/SIZE.png)
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ICON.svg OUTDIR SIZE...\n", argv[0]);
        return 64;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "%s: cannot read the icon\n", argv[1]);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "%s: not a size from 1 to 1024\n", argv[i]);
            return 64;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString path = outDir + QStringLiteral("/%1.png").arg(size);
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(path));
            return 3;
        }
    }
    return 0;
}
