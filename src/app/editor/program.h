// SPDX-License-Identifier: MIT
#pragma once

namespace morvane {

class TGN;
class TLogo;
class TOptions;
class TErrorMessage;
class TExportOptions;
class TMatrixEditor;
class TNameGenerator;
class TNetProperties;
class TPageSetup;

// The program's windows, one of each, created at start-up and kept until the end.
struct TProgram
{
    TGN *GN = nullptr;
    TLogo *Logo = nullptr;
    TOptions *Options = nullptr;
    TErrorMessage *ErrorMessage = nullptr;
    TExportOptions *ExportOptions = nullptr;
    TNameGenerator *NameGenerator = nullptr;
    TMatrixEditor *MatrixEditor = nullptr;
    TNetProperties *NetProperties = nullptr;
    TPageSetup *PageSetup = nullptr;
};

TProgram &Program();

struct TMatrixSettings;
// How default predicates are named and constants read: the options dialog's, or the defaults
// while there is none.
const TMatrixSettings &MatrixSettings();

// Creates the windows in their start-up order and shows the splash window (the QApplication must
// exist). The caller then shows the main window and runs the event loop.
void StartUp(bool showSplash = true);
// Destroys every window and dialog; unsaved nets are lost.
void ShutDown();

} // namespace morvane
