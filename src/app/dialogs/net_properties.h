// SPDX-License-Identifier: MIT
#pragma once

#include "property_form.h"

namespace morvane {

class TDrawingObjects;

// The net properties dialog. The main window already hands it the net of the active window;
// its controls come with the dialog's own change.
class TNetProperties : public TPropertyForm
{
    Q_OBJECT
public:
    explicit TNetProperties(QWidget *parent = nullptr);

    // Shows the dialog modally for the net; true when it was closed with OK.
    bool Execute(TDrawingObjects &net);
    TDrawingObjects *Net = nullptr;
};

} // namespace morvane
