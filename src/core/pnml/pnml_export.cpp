// SPDX-License-Identifier: MIT
#include "pnml/pnml_export.h"

#include "pnml/pnml_net.h"
#include "pnml/pnml_notes.h"

#include "common/xml_text_writer.h"
#include "format/atomic_file.h"
#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <pugixml.hpp>
#include <unordered_map>
#include <unordered_set>

namespace morvane {

namespace {

bool IsIdStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// Ids are XML ids: an NCName of ASCII letters, digits, '_', '-' and '.' here.
bool IsId(const std::string &id)
{
    if (id.empty() || !IsIdStart(id[0]))
        return false;
    for (char c : id)
        if (!IsIdStart(c) && !(c >= '0' && c <= '9') && c != '-' && c != '.')
            return false;
    return true;
}

bool IsCount(const std::string &text, bool positive)
{
    if (text.empty() || text.size() > 18)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return !positive || text.find_first_not_of('0') != std::string::npos;
}

void AddText(TXmlTextWriter &xml, const char *label, const std::string &text)
{
    xml.Open(label);
    xml.Open("text");
    xml.Text(text);
    xml.Close();
    xml.Close();
}

// This program's own tool-specific block around one element, left open for its attributes;
// CloseOwnTool ends both.
void OpenOwnTool(TXmlTextWriter &xml, const char *element)
{
    xml.Open("toolspecific");
    xml.Attribute("tool", kOwnTool);
    xml.Attribute("version", VersionString);
    xml.Open(element);
}

void CloseOwnTool(TXmlTextWriter &xml)
{
    xml.Close();
    xml.Close();
}

void AddPosition(TXmlTextWriter &xml, std::int32_t x, std::int32_t y)
{
    xml.Open("position");
    xml.Attribute("x", x);
    xml.Attribute("y", y);
    xml.Close();
}

struct StringWriter : pugi::xml_writer
{
    std::string text;
    void write(const void *data, std::size_t size) override
    {
        text.append(static_cast<const char *>(data), size);
    }
};

class TExporter
{
public:
    TExporter(TDrawingObjects &doc, std::vector<std::string> &report)
        : m_doc(doc)
        , m_report(report)
    {
    }
    std::string Text();

private:
    std::string IdFor(const TPnmlNotes &notes, char kind);
    void AddNode(TDrawingObject &node, const std::string &description);
    void AddArc(const TArc &first);

    TDrawingObjects &m_doc;
    std::vector<std::string> &m_report;
    std::string m_text;
    TXmlTextWriter m_xml { m_text };
    std::unordered_set<std::string> m_used;
    std::unordered_map<const TDrawingObject *, std::string> m_ids;
    std::unordered_map<const TDrawingObject *, TPnmlNotes> m_notes;
    std::size_t m_counter = 0, m_badValues = 0, m_badTools = 0, m_loose = 0;
};

std::string TExporter::IdFor(const TPnmlNotes &notes, char kind)
{
    if (IsId(notes.Id) && m_used.insert(notes.Id).second)
        return notes.Id;
    std::string id;
    do
        id = kind + std::to_string(++m_counter);
    while (!m_used.insert(id).second);
    return id;
}

void TExporter::AddNode(TDrawingObject &node, const std::string &description)
{
    const bool place = node.Kind() == okPosition;
    TPnmlNotes notes = ParsePnmlNotes(description);
    const std::string id = IdFor(notes, place ? 'p' : 't');
    m_xml.Open(place ? "place" : "transition");
    m_xml.Attribute("id", id);
    m_ids[&node] = id;
    AddText(m_xml, "name", node.selfLabel());
    m_xml.Open("graphics");
    AddPosition(m_xml, node.Left() + node.Width() / 2, node.Top() + node.Height() / 2);
    m_xml.Close();
    if (place && !notes.Marking.empty()) {
        if (IsCount(notes.Marking, false))
            AddText(m_xml, "initialMarking", notes.Marking);
        else
            ++m_badValues;
    }
    OpenOwnTool(m_xml, "node");
    m_xml.Attribute("left", node.Left());
    m_xml.Attribute("top", node.Top());
    m_xml.Attribute("height", node.Height());
    if (place) {
        const auto &p = static_cast<const TPosition &>(node);
        m_xml.Attribute("priority", p.Priority);
        m_xml.Attribute("capacity", p.Capacity);
    } else {
        m_xml.Attribute("priority", static_cast<const TTransition &>(node).Priority);
    }
    CloseOwnTool(m_xml);
    for (const std::string &tool : notes.Tools) {
        // Written again from what was read, so that only well-formed blocks go out.
        pugi::xml_document fragment;
        const bool parsed
            = fragment.load_string(tool.c_str(), pugi::parse_default & ~pugi::parse_doctype);
        const pugi::xml_node block = fragment.first_child();
        if (parsed && std::string(block.name()) == "toolspecific" && block.attribute("tool")
            && block.attribute("version")) {
            StringWriter out;
            block.print(out, "", pugi::format_raw, pugi::encoding_utf8);
            m_xml.Element(out.text);
        } else {
            ++m_badTools;
        }
    }
    m_xml.Close();
    if (!place)
        m_notes[&node] = std::move(notes);
}

void TExporter::AddArc(const TArc &first)
{
    const TDrawingObject *from = first.FromNode(), *to = first.ToNode();
    if (!from || !to || from->Kind() == to->Kind()) {
        ++m_loose;
        return;
    }
    m_xml.Open("arc");
    m_xml.Attribute("id", IdFor({}, 'a'));
    m_xml.Attribute("source", m_ids[from]);
    m_xml.Attribute("target", m_ids[to]);
    const TArc *last = &first;
    bool graphics = false;
    // Links may run in a circle; a chain has at most as many pieces as the document.
    for (std::size_t n = m_doc.Arcs().size(); last->NextArc() && n > 0; --n) {
        if (!graphics)
            m_xml.Open("graphics");
        graphics = true;
        AddPosition(m_xml, last->Right(), last->Bottom());
        last = last->NextArc();
    }
    if (graphics)
        m_xml.Close();
    const bool input = from->Kind() == okPosition;
    TPnmlNotes &notes = m_notes[input ? to : from];
    auto &list = input ? notes.In : notes.Out;
    const std::string &label = (input ? from : to)->selfLabel();
    for (auto it = list.begin(); it != list.end(); ++it)
        if (it->first == label) {
            if (IsCount(it->second, true))
                AddText(m_xml, "inscription", it->second);
            else
                ++m_badValues;
            list.erase(it);
            break;
        }
    OpenOwnTool(m_xml, "ends");
    m_xml.Attribute("x1", first.Left());
    m_xml.Attribute("y1", first.Top());
    m_xml.Attribute("x2", last->Right());
    m_xml.Attribute("y2", last->Bottom());
    CloseOwnTool(m_xml);
    m_xml.Close();
}

std::string TExporter::Text()
{
    m_doc.RebuildConnections();
    m_used.reserve(2 * m_doc.Count() + 2);
    m_ids.reserve(m_doc.Positions().size() + m_doc.Transitions().size());
    m_notes.reserve(m_doc.Transitions().size());
    // About 300 bytes an object: grown once, the text would be copied whole.
    m_text.reserve(400 * m_doc.Count() + 256);
    m_xml.Open("pnml");
    m_xml.Attribute("xmlns", kPnmlNamespace);
    m_xml.Open("net");
    m_xml.Attribute("id", "net1");
    m_xml.Attribute("type", kPtNetType);
    m_used.insert("net1");
    m_used.insert("page1");
    if (!m_doc.NetName.empty())
        AddText(m_xml, "name", m_doc.NetName);
    m_xml.Open("page");
    m_xml.Attribute("id", "page1");
    for (TPosition *p : m_doc.Positions())
        AddNode(*p, p->Description);
    for (TTransition *t : m_doc.Transitions())
        AddNode(*t, t->Description);
    for (TArc *a : m_doc.Arcs())
        if (!a->PrevArc())
            AddArc(*a);
    m_xml.Close();
    OpenOwnTool(m_xml, "net");
    m_xml.Attribute("start", m_doc.NetStart);
    m_xml.Attribute("duration", m_doc.NetDuration);
    m_xml.Attribute("step", m_doc.NetTimeStep);
    CloseOwnTool(m_xml);
    m_xml.Close();
    m_xml.Close();

    if (m_loose)
        m_report.push_back(std::to_string(m_loose)
            + " arc(s) not joining a position and a transition were not written");
    if (m_badValues)
        m_report.push_back(std::to_string(m_badValues)
            + " marking(s) or inscription(s) that are not whole numbers were not written");
    if (m_badTools)
        m_report.push_back(std::to_string(m_badTools)
            + " kept tool-specific block(s) were damaged and not written");
    return std::move(m_text);
}

} // namespace

std::string PnmlText(TDrawingObjects &doc, std::vector<std::string> &report)
{
    return TExporter(doc, report).Text();
}

TWriteResult SavePnml(
    TDrawingObjects &doc, const std::string &path, std::vector<std::string> &report)
{
    return WriteFileAtomically(path, PnmlText(doc, report));
}

} // namespace morvane
