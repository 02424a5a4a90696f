// SPDX-License-Identifier: MIT
#pragma once

#include "format/byte_reader.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace morvane {

class TComponent;
class TDrawingObject;
class TDrawingObjects;
class TTransition;

enum class TReadStatus {
    Ok,
    // Reading ended early; what was read before stays in the document.
    Fatal,
    // The file could not be read at all; the document is untouched.
    OpenFailed,
};

struct TReadResult
{
    TReadStatus Status = TReadStatus::Ok;
    // For Fatal one of kInvalidStreamFormat, kStreamReadError, kInvalidPropertyValue; for
    // OpenFailed the system's explanation.
    std::string Reason;
    // Byte offset in the stream where reading ended (Fatal only).
    std::size_t Offset = 0;

    explicit operator bool() const { return Status == TReadStatus::Ok; }
};

// Receives a recoverable error met among the root's own properties, with the byte offset just
// after the skipped value.
using TRootErrorCallback = std::function<void(const std::string &text, std::size_t offset)>;

// The line the editor shows for such an error.
std::string FormatRootError(const std::string &text, std::size_t offset);

// The texts of the two recoverable errors.
std::string PropertyErrorText(std::string_view objectName, std::string_view property);
std::string ClassNotFoundText(std::string_view className);

// Reads a net stream into `net` (normally the empty document of a new net window). Errors inside
// the object list become "Worning : " lines of the document's message list.
TReadResult ReadNet(
    std::string_view bytes, TDrawingObjects &net, const TRootErrorCallback &onRootError = {});
// Reads the file with ReadWholeFile: what it refuses is OpenFailed with its reason.
TReadResult ReadNetFile(
    const std::string &path, TDrawingObjects &net, const TRootErrorCallback &onRootError = {});

// The reading engine. Record classes with lists of their own (the legacy containers) read them
// through it.
class TNetReader
{
public:
    using TErrorHandler = void (*)(TNetReader &reader, const std::string &text);

    TNetReader(std::string_view bytes, TDrawingObjects &root, TRootErrorCallback onRootError);

    TReadResult Read();

    TByteReader &In() { return m_in; }
    TDrawingObjects &Root() { return m_root; }

    // Reads one object record; the new object is given to `owner`. Records of unknown class are
    // skipped and reported.
    void ReadRecord(TDrawingObjects &owner);
    void ReadRecord(TComponent &owner);

    // Reports a recoverable error through the handler in force.
    void Error(const std::string &text);

    // Installs a handler for as long as it lives.
    class TErrorScope
    {
    public:
        TErrorScope(TNetReader &reader, TErrorHandler handler)
            : m_reader(reader)
            , m_saved(reader.m_handler)
        {
            reader.m_handler = handler;
        }
        ~TErrorScope() { m_reader.m_handler = m_saved; }
        TErrorScope(const TErrorScope &) = delete;
        TErrorScope &operator=(const TErrorScope &) = delete;

    private:
        TNetReader &m_reader;
        TErrorHandler m_saved;
    };

    // Handlers: the caller's root callback, "Worning : " lines in the message list.
    static void RootHandler(TNetReader &reader, const std::string &text);
    static void WarningHandler(TNetReader &reader, const std::string &text);

private:
    struct TOwner
    {
        TDrawingObjects *Net = nullptr;
        TComponent *Component = nullptr;
    };
    class TDepthGuard;

    void ReadRecordWith(const TOwner &owner);
    void ReadChildren();
    void SkipRecordBody();
    void ReadDocumentProperties(TDrawingObjects &doc);
    void ReadVisualObjects(TDrawingObjects &doc);
    void ReadDrawingObjectProperties(TDrawingObject &obj, int table, const char *className);
    bool ApplyDrawingProperty(TDrawingObject &obj, int id);
    void ReadTransitionProperty(TTransition &t, int id);
    void ReportUnknownProperty(std::string_view objectName, std::string_view property);

    TByteReader m_in;
    TDrawingObjects &m_root;
    TRootErrorCallback m_onRootError;
    TErrorHandler m_handler = &RootHandler;
    int m_depth = 0;
    // Where the last property name was found in each name table; properties come in write order,
    // so the next one is almost always the entry after it.
    std::size_t m_hints[5] = {};
};

} // namespace morvane
