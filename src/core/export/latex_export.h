// SPDX-License-Identifier: MIT
#pragma once

#include "common/adjust_zoom.h"
#include "export/formal_components.h"
#include "format/write_result.h"
#include "model/drawing_object.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvane {

class TDrawingObjects;

// What Export writes: a bit set.
enum TLaTeXPart : std::int32_t {
    lpScheme = 1, // a picture environment that redraws the net
    lpFormal = 2, // the definition of every transition, as far as Settings.Formal chooses
};

// A label's name (before its first decimal digit) and index (from that digit on).
std::pair<std::string, std::string> SplitAtFirstDigit(std::string_view label);

// Text as LaTeX prints it, in math mode as in text: every character LaTeX would read as a command
// or markup is written as the command that prints it, a control character as a space. Runs of
// UTF-8 letters are boxed as text; other ASCII is kept as it is.
std::string EscapeLaTeX(std::string_view text);

// The largest picture coordinate or length LaTeX can hold (its dimensions end just below 16384pt)
// when one unit is `unitLength` millimetres, written as TeX reads it ("0.25", "0,5"); the default
// unit's limit when the text is no positive number.
std::int64_t LargestPictureNumber(std::string_view unitLength);

// What the export dialog lets the user choose for a LaTeX document.
struct TLaTeXSettings
{
    std::int32_t FontSize = 12; // class option, points
    std::string UnitLength = "0.25"; // millimetres, written as given (escaped)
    std::string LineThickness = "0.04"; // points, written as given (escaped)
    TAdjustZoom Adjust; // page pixels to picture units
    bool TriangleHead = false; // a transition's head as three lines instead of an arrow tip
    TFormalSettings Formal; // what the formal description writes of each transition
};

// Writes a net as a LaTeX document, one entry of Lines per output line. Coordinates go through
// the exporter's own converter; object sizes are the display globals in force.
class TLaTeXExport
{
public:
    TLaTeXExport(TDrawingObjects *document, std::string fileName, TLaTeXSettings settings = {});

    void SetPictureSize(std::int64_t width, std::int64_t height, std::int32_t bottom);

    TLaTeXSettings Settings;

    // Recomputes the net's connections (which also rebuilds every transition's index lists),
    // then fills Lines with the parts chosen by `options`.
    void Compose(std::int32_t options);
    // Compose, then Save; a picture with a coordinate or length beyond LargestPictureNumber is
    // refused (EncodeFailed) and nothing is written.
    TWriteResult Export(std::int32_t options);
    // Writes Lines to FileName, each line ended by CR LF. The file is replaced in one step, so a
    // failed write leaves an existing file as it was.
    TWriteResult Save() const;

    const std::vector<std::string> &Lines() const { return m_lines; }
    // Lines as the file holds them.
    std::string Text() const;
    const std::string &FileName() const { return m_fileName; }

private:
    void UsePackagesForLetters();
    void WriteScheme();
    void WriteTransitions();
    void WritePositions();
    void WriteArcs();
    void WriteFormalDescription();
    bool WritesATypeLine() const;
    void WriteMatrix(const TTransition &t, const TTransitionMatrices &m, bool capacities);
    std::string LabelLine(std::int32_t left, std::int32_t top, const std::string &label);
    // A picture number as written; remembers the largest magnitude.
    std::string Number(std::int64_t value);

    TDrawingObjects *m_document;
    std::string m_fileName;
    std::vector<std::string> m_lines;
    std::int64_t m_pictureWidth = 0;
    std::int64_t m_pictureHeight = 0;
    std::int64_t m_pictureBottom = 0;
    std::uint64_t m_largest = 0; // of the numbers written into the picture
};

} // namespace morvane
