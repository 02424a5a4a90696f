// SPDX-License-Identifier: MIT
#pragma once

#include <QGuiApplication>

#include <memory>

namespace morvane::cli {

// Text and the system colours need an application object; drawing needs no screen, so without
// an explicit platform the offscreen one is taken rather than a display looked for. Null when
// an application object exists already.
std::unique_ptr<QGuiApplication> StartGui();

} // namespace morvane::cli
