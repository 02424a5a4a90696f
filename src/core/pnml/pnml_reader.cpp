// SPDX-License-Identifier: MIT
#include "pnml/pnml_reader.h"

#include "format/file_bytes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <pugixml.hpp>
#include <unordered_map>

namespace morvane {

namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

// Element names without a namespace prefix: tools write "pnml:place" as well as "place".
const char *LocalName(pugi::xml_node node)
{
    const char *name = node.name();
    const char *colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

bool Is(pugi::xml_node node, const char *name)
{
    return node.type() == pugi::node_element && std::strcmp(LocalName(node), name) == 0;
}

pugi::xml_node Child(pugi::xml_node node, const char *name)
{
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
        if (Is(c, name))
            return c;
    return {};
}

std::string Trimmed(const char *text)
{
    std::string s(text);
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

// The text of a label: its <text> child (older files: <value>).
std::string LabelText(pugi::xml_node owner, const char *label)
{
    const pugi::xml_node l = Child(owner, label);
    if (!l)
        return {};
    pugi::xml_node t = Child(l, "text");
    if (!t)
        t = Child(l, "value");
    return Trimmed(t.child_value());
}

bool ReadNumber(pugi::xml_node node, const char *attr, double &value)
{
    const char *text = node.attribute(attr).value();
    char *end = nullptr;
    const double v = std::strtod(text, &end);
    if (end == text || *end != '\0' || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

bool ReadPoint(pugi::xml_node node, TPnmlPoint &p, int &outOfRange)
{
    if (!ReadNumber(node, "x", p.X) || !ReadNumber(node, "y", p.Y))
        return false;
    if (std::fabs(p.X) > kPnmlMaxCoordinate || std::fabs(p.Y) > kPnmlMaxCoordinate) {
        ++outOfRange;
        return false;
    }
    return true;
}

std::int32_t IntAttr(pugi::xml_node node, const char *name, std::int32_t fallback)
{
    const pugi::xml_attribute a = node.attribute(name);
    return a ? a.as_int(fallback) : fallback;
}

std::string OneLine(pugi::xml_node node)
{
    struct Writer : pugi::xml_writer
    {
        std::string text;
        void write(const void *data, std::size_t size) override
        {
            text.append(static_cast<const char *>(data), size);
        }
    } w;
    node.print(w, "", pugi::format_raw, pugi::encoding_utf8);
    // Line breaks inside text content would split the kept block; a blank says the same in XML
    // tool data.
    for (char &c : w.text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return w.text;
}

bool IsOwnTool(pugi::xml_node tool)
{
    return std::strcmp(tool.attribute("tool").value(), kOwnTool) == 0;
}

bool LooksPt(const std::string &type)
{
    std::string lower;
    for (char c : type)
        lower += char(std::tolower(static_cast<unsigned char>(c)));
    return lower.find("ptnet") != std::string::npos;
}

struct TReference
{
    std::string Id, Ref;
    bool IsPlace = true;
};

// Reads one net element into `net`; the members count what the report tells.
class TNetReader
{
public:
    TNetReader(TPnmlNet &net, std::vector<std::string> &report)
        : m_net(net)
        , m_report(report)
    {
    }

    void Read(pugi::xml_node netElement);

private:
    struct TRawArc
    {
        pugi::xml_node Element;
        std::string Id, Source, Target;
        std::size_t Page;
    };
    void Visit(pugi::xml_node element, int depth);
    void SeparatePages();
    void AddNode(pugi::xml_node element, bool isPlace);
    bool Register(const std::string &id, std::size_t slot);
    void ResolveReferences();
    std::size_t NodeOf(const std::string &id, const std::string &arcId);
    void AddArc(const TRawArc &raw);
    void Note(std::string line) { m_report.push_back(std::move(line)); }

    TPnmlNet &m_net;
    std::vector<std::string> &m_report;
    // Id → node index, or kNone - 1 - k for the k-th reference node.
    std::unordered_map<std::string, std::size_t> m_ids;
    std::vector<TReference> m_refs;
    std::vector<std::size_t> m_refTargets;
    std::vector<TRawArc> m_arcs;
    std::size_t m_page = 0, m_pages = 0;
    int m_outOfRange = 0, m_otherTools = 0, m_subnets = 0, m_noIds = 0, m_deepPages = 0;
};

void TNetReader::Read(pugi::xml_node netElement)
{
    m_net.Id = netElement.attribute("id").value();
    m_net.Type = netElement.attribute("type").value();
    m_net.Name = LabelText(netElement, "name");
    // Pages are walked with an explicit stack: a hostile file may nest them without end.
    struct Frame
    {
        pugi::xml_node Next;
        int Depth;
        std::size_t Page;
    };
    std::vector<Frame> stack { { netElement.first_child(), 0, 0 } };
    while (!stack.empty()) {
        Frame &top = stack.back();
        const pugi::xml_node element = top.Next;
        if (!element) {
            stack.pop_back();
            continue;
        }
        top.Next = element.next_sibling();
        const int depth = top.Depth;
        m_page = top.Page;
        if (!Is(element, "page")) {
            Visit(element, depth);
            continue;
        }
        if (depth + 1 > kPnmlMaxPageDepth)
            ++m_deepPages;
        else
            stack.push_back({ element.first_child(), depth + 1, ++m_pages });
    }
    ResolveReferences();
    for (const TRawArc &raw : m_arcs)
        AddArc(raw);
    SeparatePages();

    if (m_deepPages)
        Note(std::to_string(m_deepPages) + " page(s) nested deeper than "
            + std::to_string(kPnmlMaxPageDepth) + " levels were skipped");
    if (m_subnets)
        Note(std::to_string(m_subnets) + " net(s) inside pages were not imported");
    if (m_noIds)
        Note(std::to_string(m_noIds) + " node(s) without an id can take no arcs");
    if (m_outOfRange)
        Note(std::to_string(m_outOfRange) + " coordinate(s) out of range were ignored");
    if (m_otherTools)
        Note(std::to_string(m_otherTools) + " tool-specific block(s) inside labels were not kept");
}

void TNetReader::Visit(pugi::xml_node element, int depth)
{
    if (Is(element, "place"))
        AddNode(element, true);
    else if (Is(element, "transition"))
        AddNode(element, false);
    else if (Is(element, "referencePlace") || Is(element, "referenceTransition")) {
        const std::string id = element.attribute("id").value();
        if (Register(id, kNone - 1 - m_refs.size()))
            m_refs.push_back(
                { id, element.attribute("ref").value(), Is(element, "referencePlace") });
    } else if (Is(element, "arc")) {
        m_arcs.push_back({ element, element.attribute("id").value(),
            element.attribute("source").value(), element.attribute("target").value(), m_page });
    } else if (Is(element, "net")) {
        ++m_subnets;
    } else if (Is(element, "toolspecific") && depth == 0 && IsOwnTool(element)) {
        const pugi::xml_node own = Child(element, "net");
        m_net.Own = true;
        m_net.Start = IntAttr(own, "start", m_net.Start);
        m_net.Duration = IntAttr(own, "duration", m_net.Duration);
        m_net.TimeStep = IntAttr(own, "step", m_net.TimeStep);
    }
}

bool TNetReader::Register(const std::string &id, std::size_t slot)
{
    if (id.empty()) {
        ++m_noIds;
        return slot < kNone / 2;
    }
    if (!m_ids.emplace(id, slot).second) {
        Note("duplicate id \"" + id + "\": the later element was left out");
        return false;
    }
    return true;
}

void TNetReader::AddNode(pugi::xml_node element, bool isPlace)
{
    TPnmlNode node;
    node.Id = element.attribute("id").value();
    if (!Register(node.Id, m_net.Nodes.size()))
        return;
    node.IsPlace = isPlace;
    node.Page = m_page;
    node.Name = LabelText(element, "name");
    // Only the node's own graphics: tool blocks may hold positions of their own.
    if (const pugi::xml_node pos = Child(Child(element, "graphics"), "position"))
        node.HasPosition = ReadPoint(pos, node.Position, m_outOfRange);
    if (isPlace)
        node.Marking = LabelText(element, "initialMarking");
    for (pugi::xml_node c = element.first_child(); c; c = c.next_sibling()) {
        if (!Is(c, "toolspecific")) {
            if (c.type() == pugi::node_element)
                for (pugi::xml_node t = c.first_child(); t; t = t.next_sibling())
                    m_otherTools += Is(t, "toolspecific");
            continue;
        }
        if (!IsOwnTool(c)) {
            node.Tools.push_back(OneLine(c));
            continue;
        }
        const pugi::xml_node own = Child(c, "node");
        node.Own = { true, IntAttr(own, "left", 0), IntAttr(own, "top", 0),
            IntAttr(own, "height", 0), IntAttr(own, "priority", 1), IntAttr(own, "capacity", -1) };
    }
    m_net.Nodes.push_back(std::move(node));
}

// Follows every reference node to the node it stands for; a chain that leads nowhere or round
// in a circle is reported and stands for nothing.
void TNetReader::ResolveReferences()
{
    m_refTargets.assign(m_refs.size(), kNone);
    for (std::size_t k = 0; k < m_refs.size(); ++k) {
        std::string at = m_refs[k].Ref;
        std::size_t steps = 0;
        for (; steps <= m_refs.size(); ++steps) {
            const auto found = m_ids.find(at);
            if (found == m_ids.end()) {
                Note("reference \"" + m_refs[k].Id + "\" leads to \"" + at
                    + "\", which does not exist");
                break;
            }
            if (found->second < kNone / 2) {
                if (m_net.Nodes[found->second].IsPlace == m_refs[k].IsPlace)
                    m_refTargets[k] = found->second;
                else
                    Note("reference \"" + m_refs[k].Id + "\" leads to a node of the other kind");
                break;
            }
            at = m_refs[kNone - 1 - found->second].Ref;
        }
        if (steps > m_refs.size())
            Note("reference \"" + m_refs[k].Id + "\" is part of a circle of references");
    }
}

// The node an arc end names, through reference nodes; kNone (reported) when there is none.
std::size_t TNetReader::NodeOf(const std::string &id, const std::string &arcId)
{
    const auto found = m_ids.find(id);
    if (found == m_ids.end()) {
        Note("arc \"" + arcId + "\": \"" + id + "\" refers to nothing; the arc was left out");
        return kNone;
    }
    if (found->second < kNone / 2)
        return found->second;
    const std::size_t target = m_refTargets[kNone - 1 - found->second];
    if (target == kNone)
        Note("arc \"" + arcId + "\" ends at the unresolved reference \"" + id
            + "\"; the arc was left out");
    return target;
}

void TNetReader::AddArc(const TRawArc &raw)
{
    const std::size_t from = NodeOf(raw.Source, raw.Id);
    const std::size_t to = from == kNone ? kNone : NodeOf(raw.Target, raw.Id);
    if (to == kNone)
        return;
    if (m_net.Nodes[from].IsPlace == m_net.Nodes[to].IsPlace) {
        Note("arc \"" + raw.Id + "\" joins two "
            + (m_net.Nodes[from].IsPlace ? "places" : "transitions") + "; it was left out");
        return;
    }
    TPnmlArc arc;
    arc.Id = raw.Id;
    arc.Source = from;
    arc.Target = to;
    arc.Page = raw.Page;
    for (pugi::xml_node c = Child(raw.Element, "graphics").first_child(); c; c = c.next_sibling()) {
        TPnmlPoint p;
        if (Is(c, "position") && ReadPoint(c, p, m_outOfRange))
            arc.Bends.push_back(p);
    }
    arc.Inscription = LabelText(raw.Element, "inscription");
    for (pugi::xml_node c = raw.Element.first_child(); c; c = c.next_sibling()) {
        if (!Is(c, "toolspecific"))
            continue;
        if (!IsOwnTool(c)) {
            ++m_otherTools;
            continue;
        }
        const pugi::xml_node ends = Child(c, "ends");
        arc.HasEnds = bool(ends);
        arc.X1 = IntAttr(ends, "x1", 0);
        arc.Y1 = IntAttr(ends, "y1", 0);
        arc.X2 = IntAttr(ends, "x2", 0);
        arc.Y2 = IntAttr(ends, "y2", 0);
    }
    m_net.Arcs.push_back(std::move(arc));
}

// Pages are drawn each on their own, often at the same coordinates; flattened, they would lie on
// top of each other. When the drawings of two pages overlap, every page is moved to stand right
// of the one before.
void TNetReader::SeparatePages()
{
    struct Box
    {
        bool Any = false;
        double X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
        void Add(TPnmlPoint p)
        {
            X0 = Any ? std::min(X0, p.X) : p.X;
            Y0 = Any ? std::min(Y0, p.Y) : p.Y;
            X1 = Any ? std::max(X1, p.X) : p.X;
            Y1 = Any ? std::max(Y1, p.Y) : p.Y;
            Any = true;
        }
    };
    std::vector<Box> boxes(m_pages + 1);
    for (const TPnmlNode &n : m_net.Nodes)
        if (n.HasPosition)
            boxes[n.Page].Add(n.Position);
    for (const TPnmlArc &a : m_net.Arcs)
        for (TPnmlPoint p : a.Bends)
            boxes[a.Page].Add(p);
    bool overlap = false;
    for (std::size_t i = 0; i < boxes.size() && !overlap; ++i)
        for (std::size_t j = i + 1; j < boxes.size() && !overlap; ++j)
            overlap = boxes[i].Any && boxes[j].Any && boxes[i].X0 <= boxes[j].X1
                && boxes[j].X0 <= boxes[i].X1 && boxes[i].Y0 <= boxes[j].Y1
                && boxes[j].Y0 <= boxes[i].Y1;
    if (!overlap)
        return;
    std::vector<double> shift(boxes.size(), 0);
    double right = 0;
    bool first = true;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (!boxes[i].Any)
            continue;
        const double gap = first ? 0 : (boxes[i].X1 - boxes[i].X0) / 4 + 40;
        shift[i] = first ? 0 : right + gap - boxes[i].X0;
        right = boxes[i].X1 + shift[i];
        first = false;
    }
    for (TPnmlNode &n : m_net.Nodes)
        n.Position.X += shift[n.Page];
    for (TPnmlArc &a : m_net.Arcs)
        for (TPnmlPoint &p : a.Bends)
            p.X += shift[a.Page];
    Note("the drawings of the pages overlapped; the pages were placed side by side");
}

std::string NetTitle(pugi::xml_node net)
{
    const std::string type = net.attribute("type").value();
    return "\"" + std::string(net.attribute("id").value()) + "\""
        + (type.empty() ? "" : " (" + type + ")");
}

} // namespace

TPnmlReadResult ReadPnml(const std::string &text, const std::string &netId, TPnmlNet &net)
{
    TPnmlReadResult result;
    pugi::xml_document doc;
    // No DOCTYPE processing: entities are never declared, so none can be expanded.
    const unsigned options = pugi::parse_default & ~pugi::parse_doctype;
    const pugi::xml_parse_result parsed = doc.load_buffer(text.data(), text.size(), options);
    if (!parsed) {
        result.Error = std::string("not well-formed XML at byte ") + std::to_string(parsed.offset)
            + ": " + parsed.description();
        return result;
    }
    const pugi::xml_node root = doc.document_element();
    if (!Is(root, "pnml")) {
        result.Error
            = std::string("not a PNML document: the root element is <") + root.name() + ">";
        return result;
    }
    const std::string ns = root.attribute("xmlns").value();
    if (ns != kPnmlNamespace)
        result.Report.push_back("namespace \"" + ns + "\" is not the PNML 2009 one; read anyway");

    std::vector<pugi::xml_node> nets;
    for (pugi::xml_node c = root.first_child(); c; c = c.next_sibling())
        if (Is(c, "net"))
            nets.push_back(c);
    pugi::xml_node chosen;
    for (pugi::xml_node n : nets)
        if (netId.empty() ? LooksPt(n.attribute("type").value())
                          : netId == n.attribute("id").value()) {
            chosen = n;
            break;
        }
    if (!chosen && netId.empty() && !nets.empty())
        chosen = nets.front();
    if (!chosen) {
        result.Error
            = netId.empty() ? "the document holds no net" : "no net with the id \"" + netId + "\"";
        for (pugi::xml_node n : nets)
            result.Error += (n == nets.front() ? "; nets: " : ", ") + NetTitle(n);
        return result;
    }
    for (pugi::xml_node n : nets)
        if (n != chosen)
            result.Report.push_back(
                "net " + NetTitle(n) + " was not imported (choose it by its id)");
    if (!LooksPt(chosen.attribute("type").value()))
        result.Report.push_back("net " + NetTitle(chosen) + " is not a P/T net; read as one");
    TNetReader(net, result.Report).Read(chosen);
    result.Ok = true;
    return result;
}

TPnmlReadResult ReadPnmlFile(const std::string &path, const std::string &netId, TPnmlNet &net)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > kPnmlMaxBytes) {
        TPnmlReadResult result;
        result.Error = "the file is larger than " + std::to_string(kPnmlMaxBytes >> 20) + " MiB";
        return result;
    }
    std::string bytes;
    if (std::string why = ReadWholeFile(path, bytes); !why.empty()) {
        TPnmlReadResult result;
        result.Error = why;
        return result;
    }
    return ReadPnml(bytes, netId, net);
}

} // namespace morvane
