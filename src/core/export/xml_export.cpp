// SPDX-License-Identifier: MIT
#include "export/xml_export.h"

#include "common/text.h"
#include "format/atomic_file.h"
#include "model/drawing_objects.h"

#include <algorithm>
#include <filesystem>
#include <pugixml.hpp>
#include <stdexcept>

namespace morvane {

namespace {

// Labels come from files and may hold characters XML 1.0 cannot carry at all (most control
// characters); those become U+FFFD instead of making the whole description unreadable.
std::string XmlSafe(const std::string &text)
{
    const bool plain = std::all_of(text.begin(), text.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return (c >= 0x20 && c < 0x80) || c == '\t' || c == '\n' || c == '\r';
    });
    if (plain)
        return text;
    std::u32string chars = Utf8ToUtf32(text);
    for (auto &c : chars) {
        const bool control = c < 0x20 && c != U'\t' && c != U'\n' && c != U'\r';
        if (control || (c >= 0xD800 && c <= 0xDFFF) || c == 0xFFFE || c == 0xFFFF || c > 0x10FFFF)
            c = 0xFFFD;
    }
    return Utf32ToUtf8(chars);
}

void SetAttribute(pugi::xml_node node, const char *name, const std::string &value)
{
    node.append_attribute(name).set_value(XmlSafe(value).c_str());
}

void SetAttribute(pugi::xml_node node, const char *name, std::int32_t value)
{
    node.append_attribute(name).set_value(value);
}

void AddPoint(pugi::xml_node arc, std::int32_t x, std::int32_t y)
{
    pugi::xml_node point = arc.append_child("point");
    SetAttribute(point, "positionX", x);
    SetAttribute(point, "positionY", y);
}

// The points run from the transition to the position: the segment at the transition first, then
// along the chain, one corner per segment.
void AddArc(pugi::xml_node parent, const char *element, const TArc &atTransition, bool input,
    std::size_t segments)
{
    pugi::xml_node node = parent.append_child(element);
    const TDrawingObject *other = input ? atTransition.FromNode() : atTransition.ToNode();
    SetAttribute(node, "ref", other ? other->selfLabel() : std::string());
    pugi::xml_node arc = node.append_child("arc");
    if (input)
        AddPoint(arc, atTransition.Right(), atTransition.Bottom());
    else
        AddPoint(arc, atTransition.Left(), atTransition.Top());
    // Links may run in a circle; a chain has at most as many segments as the document.
    const TArc *s = &atTransition;
    for (std::size_t n = 0; s && n <= segments; ++n) {
        if (input)
            AddPoint(arc, s->Left(), s->Top());
        else
            AddPoint(arc, s->Right(), s->Bottom());
        s = input ? s->PrevArc() : s->NextArc();
        if (s == &atTransition)
            break;
    }
}

void AddArcs(pugi::xml_node parent, const char *element,
    const std::vector<std::weak_ptr<TDrawingObject>> &arcs, bool input, std::size_t segments)
{
    for (const auto &w : arcs)
        if (const auto arc = std::static_pointer_cast<TArc>(w.lock()))
            AddArc(parent, element, *arc, input, segments);
}

struct StringWriter : pugi::xml_writer
{
    std::string text;
    void write(const void *data, std::size_t size) override
    {
        text.append(static_cast<const char *>(data), size);
    }
};

// The file is written line by line with CR LF after each line, the last one included.
std::string WithCrLf(const std::string &text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", i);
        if (end == std::string::npos) {
            out.append(text, i);
            out += "\r\n";
            break;
        }
        out.append(text, i, end - i);
        out += "\r\n";
        const bool pair = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        i = end + (pair ? 2 : 1);
    }
    return out;
}

} // namespace

TXMLExport::TXMLExport(TDrawingObjects &document, std::string fileName)
    : Document(document)
    , FileName(std::move(fileName))
{
}

std::string TXMLExport::GetXMLText()
{
    if (RebuildFirst)
        Document.UpdateConnections();
    const std::size_t segments = Document.Arcs().size();
    const unsigned format = pugi::format_indent | pugi::format_no_declaration;
    StringWriter out;
    // More than a point or a place takes (about 125 bytes in large nets): growing a text of
    // megabytes by copying costs more, and reserved pages never written cost nothing.
    out.text.reserve(256 + 192 * Document.Count());

    // Each element is built in a scratch tree, printed at its depth and dropped again: the text
    // is what printing the whole tree gives, but a large net's tree is never held whole and the
    // scratch memory stays in the cache.
    pugi::xml_document scratch;
    auto emit = [&](pugi::xml_node element, unsigned depth) {
        element.print(out, "\t", format, pugi::encoding_utf8, depth);
        scratch.remove_child(element);
    };

    // The root's start tag, printed from the root without children ("<gn ... />").
    pugi::xml_node root = scratch.append_child("gn");
    SetAttribute(root, "xmlns", NamespaceURI);
    if (!Document.NetName.empty())
        SetAttribute(root, "name", Document.NetName);
    SetAttribute(root, "time", WrapSub(Document.NetDuration, Document.NetStart));
    emit(root, 0);
    out.text.replace(out.text.size() - 4, 4, ">\n");

    auto section = [&](const char *name, std::size_t count, const auto &element) {
        if (count == 0) {
            out.text.append("\t<").append(name).append(" />\n");
            return;
        }
        out.text.append("\t<").append(name).append(">\n");
        for (std::size_t i = 0; i < count; ++i)
            emit(element(i), 2);
        out.text.append("\t</").append(name).append(">\n");
    };

    const auto &transitions = Document.Transitions();
    section("transitions", transitions.size(), [&](std::size_t i) {
        const TTransition *t = transitions[i];
        pugi::xml_node node = scratch.append_child("transition");
        SetAttribute(node, "id", t->selfLabel());
        SetAttribute(node, "positionX", t->Left());
        SetAttribute(node, "positionY", t->Top());
        SetAttribute(node, "sizeX", t->Width());
        SetAttribute(node, "sizeY", t->Height());
        AddArcs(node.append_child("inputs"), "input", t->InArcs, true, segments);
        AddArcs(node.append_child("outputs"), "output", t->OutArcs, false, segments);
        return node;
    });

    const auto &positions = Document.Positions();
    section("places", positions.size(), [&](std::size_t i) {
        const TPosition *p = positions[i];
        pugi::xml_node node = scratch.append_child("place");
        SetAttribute(node, "id", p->selfLabel());
        SetAttribute(node, "priority", IntToStrInf(p->Priority));
        SetAttribute(node, "capacity", IntToStrInf(p->Capacity));
        SetAttribute(node, "positionX", p->Left());
        SetAttribute(node, "positionY", p->Top());
        return node;
    });

    out.text.append("</gn>\n");
    return std::move(out.text);
}

std::string TXMLExport::GetFileText()
{
    return WithCrLf(GetXMLText());
}

TWriteResult TXMLExport::Save()
{
    return WriteFileAtomically(FileName, GetFileText());
}

std::string XmlFileNameFor(const std::string &netPath)
{
    std::filesystem::path path(netPath);
    path.replace_extension(".xml");
    return path.string();
}

TWriteResult SaveXmlBeside(TDrawingObjects &document, const std::string &netPath)
{
    return TXMLExport(document, XmlFileNameFor(netPath)).Save();
}

} // namespace morvane
