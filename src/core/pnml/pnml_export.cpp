// SPDX-License-Identifier: MIT
#include "pnml/pnml_export.h"

#include "pnml/pnml_net.h"
#include "pnml/pnml_notes.h"

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

void AddText(pugi::xml_node parent, const char *label, const std::string &text)
{
    parent.append_child(label).append_child("text").text().set(text.c_str());
}

pugi::xml_node OwnTool(pugi::xml_node parent, const char *element)
{
    pugi::xml_node tool = parent.append_child("toolspecific");
    tool.append_attribute("tool") = kOwnTool;
    tool.append_attribute("version") = VersionString;
    return tool.append_child(element);
}

void AddPosition(pugi::xml_node graphics, std::int32_t x, std::int32_t y)
{
    pugi::xml_node p = graphics.append_child("position");
    p.append_attribute("x") = x;
    p.append_attribute("y") = y;
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
    void AddNode(pugi::xml_node page, TDrawingObject &node, const std::string &description);
    void AddArc(pugi::xml_node page, const TArc &first);

    TDrawingObjects &m_doc;
    std::vector<std::string> &m_report;
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

void TExporter::AddNode(pugi::xml_node page, TDrawingObject &node, const std::string &description)
{
    const bool place = node.Kind() == okPosition;
    TPnmlNotes notes = ParsePnmlNotes(description);
    const std::string id = IdFor(notes, place ? 'p' : 't');
    m_ids[&node] = id;
    pugi::xml_node e = page.append_child(place ? "place" : "transition");
    e.append_attribute("id") = id.c_str();
    AddText(e, "name", node.selfLabel());
    AddPosition(
        e.append_child("graphics"), node.Left() + node.Width() / 2, node.Top() + node.Height() / 2);
    if (place && !notes.Marking.empty()) {
        if (IsCount(notes.Marking, false))
            AddText(e, "initialMarking", notes.Marking);
        else
            ++m_badValues;
    }
    pugi::xml_node own = OwnTool(e, "node");
    own.append_attribute("left") = node.Left();
    own.append_attribute("top") = node.Top();
    own.append_attribute("height") = node.Height();
    if (place) {
        const auto &p = static_cast<const TPosition &>(node);
        own.append_attribute("priority") = p.Priority;
        own.append_attribute("capacity") = p.Capacity;
    } else {
        own.append_attribute("priority") = static_cast<const TTransition &>(node).Priority;
    }
    for (const std::string &tool : notes.Tools) {
        pugi::xml_document fragment;
        const bool parsed
            = fragment.load_string(tool.c_str(), pugi::parse_default & ~pugi::parse_doctype);
        const pugi::xml_node block = fragment.first_child();
        if (parsed && std::string(block.name()) == "toolspecific" && block.attribute("tool")
            && block.attribute("version"))
            e.append_copy(block);
        else
            ++m_badTools;
    }
    if (!place)
        m_notes[&node] = std::move(notes);
}

void TExporter::AddArc(pugi::xml_node page, const TArc &first)
{
    const TDrawingObject *from = first.FromNode(), *to = first.ToNode();
    if (!from || !to || from->Kind() == to->Kind()) {
        ++m_loose;
        return;
    }
    pugi::xml_node e = page.append_child("arc");
    e.append_attribute("id") = IdFor({}, 'a').c_str();
    e.append_attribute("source") = m_ids[from].c_str();
    e.append_attribute("target") = m_ids[to].c_str();
    const TArc *last = &first;
    pugi::xml_node graphics;
    // Links may run in a circle; a chain has at most as many pieces as the document.
    for (std::size_t n = m_doc.Arcs().size(); last->NextArc() && n > 0; --n) {
        if (!graphics)
            graphics = e.append_child("graphics");
        AddPosition(graphics, last->Right(), last->Bottom());
        last = last->NextArc();
    }
    const bool input = from->Kind() == okPosition;
    TPnmlNotes &notes = m_notes[input ? to : from];
    auto &list = input ? notes.In : notes.Out;
    const std::string &label = (input ? from : to)->selfLabel();
    for (auto it = list.begin(); it != list.end(); ++it)
        if (it->first == label) {
            if (IsCount(it->second, true))
                AddText(e, "inscription", it->second);
            else
                ++m_badValues;
            list.erase(it);
            break;
        }
    pugi::xml_node ends = OwnTool(e, "ends");
    ends.append_attribute("x1") = first.Left();
    ends.append_attribute("y1") = first.Top();
    ends.append_attribute("x2") = last->Right();
    ends.append_attribute("y2") = last->Bottom();
}

std::string TExporter::Text()
{
    m_doc.RebuildConnections();
    m_used.reserve(2 * m_doc.Count() + 2);
    m_ids.reserve(m_doc.Positions().size() + m_doc.Transitions().size());
    m_notes.reserve(m_doc.Transitions().size());
    pugi::xml_document doc;
    pugi::xml_node decl = doc.append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = doc.append_child("pnml");
    root.append_attribute("xmlns") = kPnmlNamespace;
    pugi::xml_node net = root.append_child("net");
    net.append_attribute("id") = "net1";
    net.append_attribute("type") = kPtNetType;
    m_used.insert("net1");
    m_used.insert("page1");
    if (!m_doc.NetName.empty())
        AddText(net, "name", m_doc.NetName);
    pugi::xml_node page = net.append_child("page");
    page.append_attribute("id") = "page1";
    for (TPosition *p : m_doc.Positions())
        AddNode(page, *p, p->Description);
    for (TTransition *t : m_doc.Transitions())
        AddNode(page, *t, t->Description);
    for (TArc *a : m_doc.Arcs())
        if (!a->PrevArc())
            AddArc(page, *a);
    pugi::xml_node own = OwnTool(net, "net");
    own.append_attribute("start") = m_doc.NetStart;
    own.append_attribute("duration") = m_doc.NetDuration;
    own.append_attribute("step") = m_doc.NetTimeStep;

    if (m_loose)
        m_report.push_back(std::to_string(m_loose)
            + " arc(s) not joining a position and a transition were not written");
    if (m_badValues)
        m_report.push_back(std::to_string(m_badValues)
            + " marking(s) or inscription(s) that are not whole numbers were not written");
    if (m_badTools)
        m_report.push_back(std::to_string(m_badTools)
            + " kept tool-specific block(s) were damaged and not written");
    StringWriter out;
    // About 300 bytes an object: grown once, the text would be copied whole.
    out.text.reserve(400 * m_doc.Count() + 256);
    doc.save(out, "  ", pugi::format_indent, pugi::encoding_utf8);
    return std::move(out.text);
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
