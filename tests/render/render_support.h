// SPDX-License-Identifier: MIT
#pragma once

#include "support/net_building.h"

#include "model/drawing_objects.h"

#include <QImage>
#include <QPalette>

#include <cstdio>
#include <string>

namespace morvane::test {

// A palette whose window background is plain white, so that pictures do not depend on the theme.
inline QPalette WhitePalette()
{
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Window, QColor(240, 240, 240));
    return palette;
}

inline std::shared_ptr<TArc> AddArc(
    TDrawingObjects &doc, int x1, int y1, int x2, int y2, bool arrowed)
{
    return AddPiece(doc, x1, y1, x2, y2, arrowed);
}

// Standard output of a shell command, or nothing if it failed.
inline std::string RunCommand(const std::string &command, int *status = nullptr)
{
    std::string output;
    if (FILE *pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, n);
        const int rc = pclose(pipe);
        if (status)
            *status = rc;
    }
    return output;
}

inline int CountPixels(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

} // namespace morvane::test
