// SPDX-License-Identifier: MIT
#pragma once

#include "format/byte_writer.h"
#include "format/write_result.h"

#include <string>

namespace morvane {

class TComponent;
class TDrawingObject;
class TDrawingObjects;
class TTransition;

// Writes a document as a net stream, byte for byte in this program's layout and order.
// Writing is not free of effects: a transition written for the first time gets its two time
// function records, which it keeps for later writes.
class TNetWriter
{
public:
    explicit TNetWriter(std::string &out)
        : m_out(out)
    {
    }

    TByteWriter &Out() { return m_out; }

    // Signature and root record.
    void WriteNet(TDrawingObjects &net);
    // One object record of any streamable class.
    void WriteRecord(TComponent &component);

private:
    void WriteDrawingObject(TDrawingObject &obj);
    void WriteTransitionTail(TTransition &t);

    TByteWriter m_out;
};

// The whole file as bytes.
std::string WriteNetToString(TDrawingObjects &net);

// Writes the net to `path` through a temporary file in the same folder that replaces the file
// only once it is complete.
TWriteResult SaveNetFile(const std::string &path, TDrawingObjects &net);

} // namespace morvane
