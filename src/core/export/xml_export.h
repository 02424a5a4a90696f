// SPDX-License-Identifier: MIT
#pragma once

#include "format/write_result.h"

#include <string>

namespace morvane {

class TDrawingObjects;

// The namespace of every element of the XML description.
inline constexpr const char *kNetNamespaceURI = "urn:morvane:net";

// The XML description of a net's structure that is written beside every saved net: its name and
// time span, every transition with its input and output arcs as point lists, every position.
class TXMLExport
{
public:
    TXMLExport(TDrawingObjects &document, std::string fileName);

    // Brings the connections up to date (unless RebuildFirst is off), then answers the serialised
    // tree (lines end in LF, no XML declaration, UTF-8).
    std::string GetXMLText();
    // The text as the file holds it: every line ended by CR LF.
    std::string GetFileText();
    // Writes the file text to FileName through a temporary file in the same folder that is
    // renamed into place, so a failed save leaves an existing file untouched.
    TWriteResult Save();

    TDrawingObjects &Document;
    std::string FileName;
    std::string NamespaceURI = kNetNamespaceURI;
    // Off for a net whose connections were recomputed just before, such as one freshly read.
    bool RebuildFirst = true;
};

// The XML file beside a net file: same folder and base name, extension ".xml".
std::string XmlFileNameFor(const std::string &netPath);
// Writes the XML description of the net beside the net file path.
TWriteResult SaveXmlBeside(TDrawingObjects &document, const std::string &netPath);

} // namespace morvane
