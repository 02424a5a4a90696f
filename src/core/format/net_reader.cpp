// SPDX-License-Identifier: MIT
#include "format/net_reader.h"

#include "common/message_list.h"
#include "format/class_registry.h"
#include "format/file_bytes.h"
#include "format/identifiers.h"
#include "format/legacy_components.h"
#include "model/drawing_objects.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <span>

namespace morvane {

std::string FormatRootError(const std::string &text, std::size_t offset)
{
    return text + " at pos " + std::to_string(offset);
}

std::string PropertyErrorText(std::string_view objectName, std::string_view property)
{
    std::string text = "Error reading ";
    text.append(objectName).append(".").append(property).append(": Property ");
    text.append(property).append(" does not exist");
    return text;
}

std::string ClassNotFoundText(std::string_view className)
{
    return "Class " + std::string(className) + " not found";
}

namespace {

enum TPropId : int {
    pLeft,
    pTop,
    pWidth,
    pHeight,
    pCursor,
    pRight,
    pBottom,
    pMode,
    pColor,
    pSelfLabel,
    pOutlined,
    pFillColor,
    pDescription,
    pPriority,
    pCapacity,
    pActivationT,
    pDurationT,
    pTrType,
    pPredicates,
    pCapacities,
    pCharFn,
    pInIndex,
    pOutIndex,
    pTimeFunctions,
    pPredicateDef,
    pArrowed,
    pWhat,
    pLevel,
    // Inherited from the component and the control; read, checked and dropped.
    pName,
    pTag,
    pHint,
    pHelpType,
    pHelpKeyword,
    pHelpContext,
    // The document's own.
    pxBaseUnit,
    pyBaseUnit,
    pPosCounter,
    pTrCounter,
    pNetName,
    pNetStart,
    pNetDuration,
    pNetTimeStep,
    pVisualObjects,
};

struct TPropName
{
    std::string_view Name;
    TPropId Id;
};

template <std::size_t... N> constexpr auto Join(const std::array<TPropName, N> &...parts)
{
    std::array<TPropName, (N + ...)> joined {};
    std::size_t k = 0;
    ((std::copy(parts.begin(), parts.end(), joined.begin() + k), k += N), ...);
    return joined;
}

// Each table lists the names in the order this program writes them, then the properties of the
// component and the control that it never writes.
constexpr std::array<TPropName, 6> kInheritedProps = { {
    { "Name", pName },
    { "Tag", pTag },
    { "Hint", pHint },
    { "HelpType", pHelpType },
    { "HelpKeyword", pHelpKeyword },
    { "HelpContext", pHelpContext },
} };
constexpr std::array<TPropName, 11> kCommonProps = { {
    { "Left", pLeft },
    { "Top", pTop },
    { "Width", pWidth },
    { "Height", pHeight },
    { "Cursor", pCursor },
    { "Right", pRight },
    { "Bottom", pBottom },
    { "Mode", pMode },
    { "Color", pColor },
    { "selfLabel", pSelfLabel },
    { "Outlined", pOutlined },
} };
constexpr auto kDocumentProps = Join(std::array<TPropName, 14> { {
                                         { "Left", pLeft },
                                         { "Top", pTop },
                                         { "Width", pWidth },
                                         { "Height", pHeight },
                                         { "xBaseUnit", pxBaseUnit },
                                         { "yBaseUnit", pyBaseUnit },
                                         { "PosCounter", pPosCounter },
                                         { "TrCounter", pTrCounter },
                                         { "NetName", pNetName },
                                         { "NetStart", pNetStart },
                                         { "NetDuration", pNetDuration },
                                         { "NetTimeStep", pNetTimeStep },
                                         { "Visual objects", pVisualObjects },
                                         { "Cursor", pCursor },
                                     } },
    kInheritedProps);
constexpr auto kDrawingObjectProps = Join(kCommonProps, kInheritedProps);
constexpr auto kPositionProps = Join(kCommonProps,
    std::array<TPropName, 4> { {
        { "FillColor", pFillColor },
        { "Description", pDescription },
        { "Priority", pPriority },
        { "Capacity", pCapacity },
    } },
    kInheritedProps);
constexpr auto kTransitionProps = Join(kCommonProps,
    std::array<TPropName, 13> { {
        { "FillColor", pFillColor },
        { "ActivationT", pActivationT },
        { "DurationT", pDurationT },
        { "Priority", pPriority },
        { "TrType", pTrType },
        { "Description", pDescription },
        { "Predicates", pPredicates },
        { "Capacities", pCapacities },
        { "CharFn", pCharFn },
        { "InIndex", pInIndex },
        { "OutIndex", pOutIndex },
        { "TimeFunctions", pTimeFunctions },
        { "PredicateDef", pPredicateDef },
    } },
    kInheritedProps);
constexpr auto kArcProps = Join(kCommonProps,
    std::array<TPropName, 3> { {
        { "Arrowed", pArrowed },
        { "What", pWhat },
        { "Level", pLevel },
    } },
    kInheritedProps);

enum TTableId : int { tDocument, tCommon, tPosition, tTransition, tArc };

constexpr std::array<std::span<const TPropName>, 5> kTables
    = { kDocumentProps, kDrawingObjectProps, kPositionProps, kTransitionProps, kArcProps };

int Lookup(std::span<const TPropName> table, std::string_view name, std::size_t &hint)
{
    const std::size_t n = table.size();
    for (std::size_t k = 0, i = hint < n ? hint : 0; k < n; ++k, i = i + 1 == n ? 0 : i + 1) {
        if (SameText(table[i].Name, name)) {
            hint = i + 1 == n ? 0 : i + 1;
            return table[i].Id;
        }
    }
    return -1;
}

TColor ReadColorValue(TByteReader &in)
{
    const std::size_t at = in.Position();
    const TValueType tag = in.ReadValueTag();
    if (tag == vaIdent) {
        const auto color = IdentToColor(in.ReadShortString());
        if (!color)
            in.FailValue(at);
        return *color;
    }
    return TColor(in.ReadIntegerPayload(tag, at));
}

std::int32_t ReadCursorValue(TByteReader &in)
{
    const std::size_t at = in.Position();
    const TValueType tag = in.ReadValueTag();
    if (tag == vaIdent) {
        const auto cursor = IdentToCursor(in.ReadShortString());
        if (!cursor)
            in.FailValue(at);
        return *cursor;
    }
    return in.ReadIntegerPayload(tag, at);
}

void ReadHelpType(TByteReader &in)
{
    const std::size_t at = in.Position();
    if (in.ReadValueTag() != vaIdent)
        in.FailValue(at);
    const std::string_view name = in.ReadShortString();
    if (!SameText(name, "htKeyword") && !SameText(name, "htContext"))
        in.FailValue(at);
}

// Returns true when the id was one of the inherited properties.
bool ReadInheritedProperty(TByteReader &in, std::string &name, int id)
{
    switch (id) {
    case pName:
        name = in.ReadText();
        return true;
    case pTag:
    case pHelpContext:
        in.ReadInteger();
        return true;
    case pHint:
    case pHelpKeyword:
        in.ReadText();
        return true;
    case pHelpType:
        ReadHelpType(in);
        return true;
    default:
        return false;
    }
}

void ReadTextList(TByteReader &in, TStringList &list)
{
    in.ReadListBegin();
    while (!in.EndOfList())
        list.push_back(TStringItem { in.ReadText(), {} });
    in.ReadListEnd();
}

} // namespace

// ---------------------------------------------------------------------------------------------

class TNetReader::TDepthGuard
{
public:
    explicit TDepthGuard(TNetReader &reader)
        : m_reader(reader)
    {
        ++reader.m_depth;
        reader.m_in.CheckDepth(reader.m_depth);
    }
    ~TDepthGuard() { --m_reader.m_depth; }
    TDepthGuard(const TDepthGuard &) = delete;
    TDepthGuard &operator=(const TDepthGuard &) = delete;

private:
    TNetReader &m_reader;
};

TNetReader::TNetReader(
    std::string_view bytes, TDrawingObjects &root, TRootErrorCallback onRootError)
    : m_in(bytes)
    , m_root(root)
    , m_onRootError(std::move(onRootError))
{
}

void TNetReader::RootHandler(TNetReader &reader, const std::string &text)
{
    if (reader.m_onRootError)
        reader.m_onRootError(text, reader.m_in.Position());
}

void TNetReader::WarningHandler(TNetReader &reader, const std::string &text)
{
    if (TMessageList *messages = reader.m_root.MessageList())
        messages->Add("Worning : " + text);
}

void TNetReader::Error(const std::string &text)
{
    if (m_handler)
        m_handler(*this, text);
}

void TNetReader::ReportUnknownProperty(std::string_view objectName, std::string_view property)
{
    Error(PropertyErrorText(objectName, property));
}

TReadResult TNetReader::Read()
{
    try {
        const std::string_view signature = m_in.ReadBytes(4);
        if (signature != std::string_view(kFilerSignature, 4))
            m_in.Fail(kInvalidStreamFormat, 0);
        TDepthGuard guard(*this);
        m_in.SkipPrefix();
        m_in.ReadShortString(); // whatever class the file names, the document takes the values
        m_root.Name = std::string(m_in.ReadShortString());
        ReadDocumentProperties(m_root);
        ReadChildren();
        return {};
    } catch (const TStreamError &e) {
        return { TReadStatus::Fatal, e.what(), e.Offset };
    }
}

void TNetReader::ReadRecord(TDrawingObjects &owner)
{
    ReadRecordWith(TOwner { &owner, nullptr });
}

void TNetReader::ReadRecord(TComponent &owner)
{
    ReadRecordWith(TOwner { nullptr, &owner });
}

// Children of any record belong to the root document, as they did in the program that first
// wrote these files.
void TNetReader::ReadChildren()
{
    while (!m_in.EndOfList())
        ReadRecord(m_root);
    m_in.ReadListEnd();
}

void TNetReader::SkipRecordBody()
{
    while (!m_in.EndOfList()) {
        m_in.ReadShortString();
        m_in.SkipValue(m_depth);
    }
    m_in.ReadListEnd();
    while (!m_in.EndOfList()) {
        TDepthGuard guard(*this);
        m_in.SkipPrefix();
        m_in.ReadShortString();
        m_in.ReadShortString();
        SkipRecordBody();
    }
    m_in.ReadListEnd();
}

void TNetReader::ReadRecordWith(const TOwner &owner)
{
    TDepthGuard guard(*this);
    m_in.SkipPrefix();
    const std::string_view className = m_in.ReadShortString();
    const std::string_view name = m_in.ReadShortString();
    const TRegisteredClass *info = FindRegisteredClass(className);
    if (!info) {
        SkipRecordBody();
        Error(ClassNotFoundText(className));
        return;
    }

    switch (info->Class) {
    case TStreamClass::DrawingObjects: {
        // A document inside a document: read to keep the stream in step, then dropped.
        TDrawingObjects nested(nullptr, m_root.MessageList(), nullptr);
        nested.Name = std::string(name);
        ReadDocumentProperties(nested);
        ReadChildren();
        return;
    }
    case TStreamClass::DrawingObject: {
        // The common base has no symbol of its own to draw: read and dropped.
        TArc scratch;
        scratch.Name = std::string(name);
        ReadDrawingObjectProperties(scratch, tCommon, "TDrawingObject");
        ReadChildren();
        return;
    }
    default:
        break;
    }

    std::shared_ptr<TComponent> component = CreateRegisteredComponent(info->Class);
    component->Name = std::string(name);
    TDrawingObject *drawing = nullptr;
    if (info->Class == TStreamClass::Position || info->Class == TStreamClass::Transition
        || info->Class == TStreamClass::Arc)
        drawing = static_cast<TDrawingObject *>(component.get());

    // Owned before its properties are read: coordinates need the document's base units.
    if (owner.Net) {
        if (drawing)
            owner.Net->Insert(std::static_pointer_cast<TDrawingObject>(component));
        else
            owner.Net->OtherComponents.push_back(component);
    } else {
        AdoptComponent(*owner.Component, component);
    }

    try {
        if (drawing) {
            const int table = drawing->Kind() == okPosition ? tPosition
                : drawing->Kind() == okTransition           ? tTransition
                                                            : tArc;
            ReadDrawingObjectProperties(*drawing, table, drawing->ClassName());
        } else {
            auto &legacy = static_cast<TLegacyComponent &>(*component);
            while (!m_in.EndOfList()) {
                const std::string_view property = m_in.ReadShortString();
                if (!legacy.ReadProperty(property, *this)) {
                    m_in.SkipValue(m_depth);
                    ReportUnknownProperty(
                        legacy.Name.empty() ? legacy.ClassName() : legacy.Name, property);
                }
            }
            m_in.ReadListEnd();
        }
        ReadChildren();
    } catch (...) {
        // A record cut short is not kept: only complete objects survive a failed read.
        if (owner.Net) {
            if (drawing) {
                owner.Net->Remove(drawing);
            } else {
                auto &others = owner.Net->OtherComponents;
                for (auto it = others.rbegin(); it != others.rend(); ++it)
                    if (it->get() == component.get()) {
                        others.erase(std::next(it).base());
                        break;
                    }
            }
        } else {
            ReleaseComponent(*owner.Component, component.get());
        }
        throw;
    }
}

void TNetReader::ReadDocumentProperties(TDrawingObjects &doc)
{
    while (!m_in.EndOfList()) {
        const std::string_view property = m_in.ReadShortString();
        const int id = Lookup(kTables[tDocument], property, m_hints[tDocument]);
        switch (id) {
        case pLeft:
            doc.ControlLeft = m_in.ReadInteger();
            break;
        case pTop:
            doc.ControlTop = m_in.ReadInteger();
            break;
        case pWidth:
            doc.ControlWidth = m_in.ReadInteger();
            break;
        case pHeight:
            doc.ControlHeight = m_in.ReadInteger();
            break;
        case pxBaseUnit:
            // A unit below 1 is refused by the document and so ignored here.
            doc.SetxBaseUnit(m_in.ReadInteger());
            break;
        case pyBaseUnit:
            doc.SetyBaseUnit(m_in.ReadInteger());
            break;
        case pPosCounter:
            doc.SetPosCounter(m_in.ReadInteger());
            break;
        case pTrCounter:
            doc.SetTrCounter(m_in.ReadInteger());
            break;
        case pNetName:
            doc.NetName = m_in.ReadText();
            break;
        case pNetStart:
            doc.NetStart = m_in.ReadInteger();
            break;
        case pNetDuration:
            doc.NetDuration = m_in.ReadInteger();
            break;
        case pNetTimeStep:
            doc.NetTimeStep = m_in.ReadInteger();
            break;
        case pVisualObjects:
            ReadVisualObjects(doc);
            break;
        case pCursor:
            ReadCursorValue(m_in);
            break;
        case -1:
            m_in.SkipValue(m_depth);
            ReportUnknownProperty(
                doc.Name.empty() ? std::string_view("TDrawingObjects") : std::string_view(doc.Name),
                property);
            break;
        default:
            ReadInheritedProperty(m_in, doc.Name, id);
            break;
        }
    }
    m_in.ReadListEnd();
}

void TNetReader::ReadVisualObjects(TDrawingObjects &doc)
{
    TErrorScope scope(*this, &WarningHandler);
    m_in.ReadListBegin();
    doc.Clear();
    doc.OtherComponents.clear();
    while (!m_in.EndOfList())
        ReadRecord(doc);
    m_in.ReadListEnd();
}

void TNetReader::ReadDrawingObjectProperties(TDrawingObject &obj, int table, const char *className)
{
    while (!m_in.EndOfList()) {
        const std::string_view property = m_in.ReadShortString();
        const int id = Lookup(kTables[std::size_t(table)], property, m_hints[table]);
        if (id < 0) {
            m_in.SkipValue(m_depth);
            ReportUnknownProperty(
                obj.Name.empty() ? std::string_view(className) : std::string_view(obj.Name),
                property);
            continue;
        }
        ApplyDrawingProperty(obj, id);
    }
    m_in.ReadListEnd();
}

bool TNetReader::ApplyDrawingProperty(TDrawingObject &obj, int id)
{
    switch (id) {
    case pLeft:
        obj.SetLeft(m_in.ReadInteger());
        return true;
    case pTop:
        obj.SetTop(m_in.ReadInteger());
        return true;
    case pWidth:
        obj.SetWidth(m_in.ReadInteger());
        return true;
    case pHeight:
        obj.SetHeight(m_in.ReadInteger());
        return true;
    case pCursor:
        obj.SetCursor(ReadCursorValue(m_in));
        return true;
    case pRight:
        obj.SetRight(m_in.ReadInteger());
        return true;
    case pBottom:
        obj.SetBottom(m_in.ReadInteger());
        return true;
    case pMode:
        obj.Mode = std::uint8_t(m_in.ReadInteger());
        return true;
    case pColor:
        obj.Color = ReadColorValue(m_in);
        return true;
    case pSelfLabel:
        obj.SetselfLabel(m_in.ReadText());
        return true;
    case pOutlined:
        obj.isOutLined(m_in.ReadBoolean());
        return true;
    default:
        break;
    }
    if (ReadInheritedProperty(m_in, obj.Name, id))
        return true;

    // The rest belong to one class; the name tables make sure the object is of it.
    switch (obj.Kind()) {
    case okPosition: {
        auto &p = static_cast<TPosition &>(obj);
        switch (id) {
        case pFillColor:
            p.FillColor = ReadColorValue(m_in);
            return true;
        case pDescription:
            p.Description = m_in.ReadText();
            return true;
        case pPriority:
            p.Priority = m_in.ReadInteger();
            return true;
        case pCapacity:
            p.Capacity = m_in.ReadInteger();
            return true;
        default:
            return false;
        }
    }
    case okTransition:
        ReadTransitionProperty(static_cast<TTransition &>(obj), id);
        return true;
    case okArc: {
        auto &a = static_cast<TArc &>(obj);
        switch (id) {
        case pArrowed:
            a.Arrowed = m_in.ReadBoolean();
            return true;
        case pWhat:
            a.What = std::uint16_t(m_in.ReadInteger());
            return true;
        case pLevel:
            a.Level = m_in.ReadInteger();
            return true;
        default:
            return false;
        }
    }
    default:
        return false;
    }
}

void TNetReader::ReadTransitionProperty(TTransition &t, int id)
{
    switch (id) {
    case pFillColor:
        t.FillColor = ReadColorValue(m_in);
        break;
    case pActivationT:
        t.ActivationT = m_in.ReadInteger();
        break;
    case pDurationT:
        t.DurationT = m_in.ReadInteger();
        break;
    case pPriority:
        t.Priority = m_in.ReadInteger();
        break;
    case pTrType:
        t.TrType = m_in.ReadText();
        break;
    case pDescription:
        t.Description = m_in.ReadText();
        break;
    case pPredicates:
        ReadTextList(m_in, t.Predicates);
        break;
    case pCapacities:
        ReadTextList(m_in, t.Capacities);
        break;
    case pCharFn:
        ReadTextList(m_in, t.CharFn);
        break;
    case pInIndex:
        ReadTextList(m_in, t.InIndex);
        break;
    case pOutIndex:
        ReadTextList(m_in, t.OutIndex);
        break;
    case pTimeFunctions: {
        // Two records back to back; they become the transition's and are otherwise unused.
        TErrorScope scope(*this, &WarningHandler);
        ReadRecord(t);
        ReadRecord(t);
        break;
    }
    case pPredicateDef: {
        TErrorScope scope(*this, &WarningHandler);
        m_in.ReadListBegin();
        while (!m_in.EndOfList())
            ReadRecord(t);
        m_in.ReadListEnd();
        break;
    }
    default:
        break;
    }
}

// ---------------------------------------------------------------------------------------------

TReadResult ReadNet(
    std::string_view bytes, TDrawingObjects &net, const TRootErrorCallback &onRootError)
{
    TNetReader reader(bytes, net, onRootError);
    return reader.Read();
}

TReadResult ReadNetFile(
    const std::string &path, TDrawingObjects &net, const TRootErrorCallback &onRootError)
{
    std::string bytes;
    std::string problem = ReadWholeFile(path, bytes);
    if (!problem.empty())
        return { TReadStatus::OpenFailed, std::move(problem), 0 };
    return ReadNet(bytes, net, onRootError);
}

} // namespace morvane
