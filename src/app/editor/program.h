// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

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
class TAutosave;

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
    TAutosave *Autosave = nullptr;
};

TProgram &Program();

struct TMatrixSettings;
// How default predicates are named and constants read: the options dialog's, or the defaults
// while there is none.
const TMatrixSettings &MatrixSettings();

// Creates the windows in their start-up order and shows the splash window (the QApplication must
// exist). The caller then shows the main window and runs the event loop.
void StartUp(bool showSplash = true);
// The files named on the command line, in order, each opened as "&Open..." opens a file: into
// the reopen history, and a file that cannot be read is reported while the others still open.
void OpenFiles(const QStringList &paths);
// Destroys every window and dialog without closing the nets: copies of the modified ones that
// were written stay for the next start.
void ShutDown();

} // namespace morvane
