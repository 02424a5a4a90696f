// SPDX-License-Identifier: MIT
#include "format/net_writer.h"

#include "format/atomic_file.h"
#include "format/legacy_components.h"
#include "model/drawing_objects.h"

namespace morvane {

namespace {

void WriteTextList(TByteWriter &out, const char *name, const TStringList &list)
{
    out.WriteShortString(name);
    out.WriteListBegin();
    for (const auto &item : list)
        out.WriteListItemText(item.Text);
    out.WriteListEnd();
}

// The time function a transition writes; made on its first write and kept from then on.
TComponent &TimeFunction(
    std::shared_ptr<TComponent> &slot, const char *prefix, const std::string &label)
{
    if (!slot)
        slot = TTime::Create(nullptr, prefix + label, "1", 2);
    return *slot;
}

} // namespace

void TNetWriter::WriteNet(TDrawingObjects &net)
{
    m_out.WriteRaw(std::string_view(kFilerSignature, 4));
    m_out.WriteShortString("TDrawingObjects");
    m_out.WriteShortString("");
    m_out.WriteIntegerProperty("Left", net.ControlLeft);
    m_out.WriteIntegerProperty("Top", net.ControlTop);
    m_out.WriteIntegerProperty("Width", net.ControlWidth);
    m_out.WriteIntegerProperty("Height", net.ControlHeight);
    m_out.WriteIntegerProperty("xBaseUnit", net.xBaseUnit());
    m_out.WriteIntegerProperty("yBaseUnit", net.yBaseUnit());
    m_out.WriteIntegerProperty("PosCounter", net.PosCounter());
    m_out.WriteIntegerProperty("TrCounter", net.TrCounter());
    if (!net.NetName.empty())
        m_out.WriteTextProperty("NetName", net.NetName);
    m_out.WriteIntegerProperty("NetStart", net.NetStart);
    m_out.WriteIntegerProperty("NetDuration", net.NetDuration);
    m_out.WriteIntegerProperty("NetTimeStep", net.NetTimeStep);
    if (net.Count() > 0 || !net.OtherComponents.empty()) {
        m_out.WriteShortString("Visual objects");
        m_out.WriteListBegin();
        for (const auto &obj : net.Objects())
            WriteDrawingObject(*obj);
        // Records of other classes read from a file are kept after the drawing objects.
        for (const auto &other : net.OtherComponents)
            WriteRecord(*other);
        m_out.WriteListEnd();
    }
    m_out.WriteByte(0); // end of properties
    m_out.WriteByte(0); // no children
}

void TNetWriter::WriteRecord(TComponent &component)
{
    if (auto *obj = dynamic_cast<TDrawingObject *>(&component)) {
        WriteDrawingObject(*obj);
        return;
    }
    m_out.WriteShortString(component.ClassName());
    m_out.WriteShortString("");
    if (auto *legacy = dynamic_cast<TLegacyComponent *>(&component))
        legacy->WriteProperties(*this);
    m_out.WriteByte(0);
    m_out.WriteByte(0);
}

void TNetWriter::WriteDrawingObject(TDrawingObject &obj)
{
    TByteWriter &out = m_out;
    out.WriteShortString(obj.ClassName());
    out.WriteShortString("");
    out.WriteIntegerProperty("Left", obj.Left());
    out.WriteIntegerProperty("Top", obj.Top());
    out.WriteIntegerProperty("Width", obj.Width());
    out.WriteIntegerProperty("Height", obj.Height());
    if (obj.Cursor() != crDefault) {
        out.WriteShortString("Cursor");
        out.WriteCursor(obj.Cursor());
    }
    out.WriteIntegerProperty("Right", obj.Right());
    out.WriteIntegerProperty("Bottom", obj.Bottom());
    out.WriteIntegerProperty("Mode", obj.Mode);
    out.WriteShortString("Color");
    out.WriteColor(obj.Color);
    if (!obj.selfLabel().empty())
        out.WriteTextProperty("selfLabel", obj.selfLabel());
    out.WriteShortString("Outlined");
    out.WriteBoolean(obj.Outlined());

    switch (obj.Kind()) {
    case okPosition: {
        const auto &p = static_cast<const TPosition &>(obj);
        out.WriteShortString("FillColor");
        out.WriteColor(p.FillColor);
        if (!p.Description.empty())
            out.WriteTextProperty("Description", p.Description);
        out.WriteIntegerProperty("Priority", p.Priority);
        out.WriteIntegerProperty("Capacity", p.Capacity);
        break;
    }
    case okTransition:
        WriteTransitionTail(static_cast<TTransition &>(obj));
        break;
    case okArc: {
        const auto &a = static_cast<const TArc &>(obj);
        out.WriteShortString("Arrowed");
        out.WriteBoolean(a.Arrowed);
        out.WriteIntegerProperty("What", a.What);
        out.WriteIntegerProperty("Level", a.Level);
        break;
    }
    default:
        break;
    }
    out.WriteByte(0);
    out.WriteByte(0);
}

void TNetWriter::WriteTransitionTail(TTransition &t)
{
    TByteWriter &out = m_out;
    out.WriteShortString("FillColor");
    out.WriteColor(t.FillColor);
    out.WriteIntegerProperty("ActivationT", t.ActivationT);
    out.WriteIntegerProperty("DurationT", t.DurationT);
    out.WriteIntegerProperty("Priority", t.Priority);
    if (!t.TrType.empty())
        out.WriteTextProperty("TrType", t.TrType);
    if (!t.Description.empty())
        out.WriteTextProperty("Description", t.Description);
    if (!t.Predicates.empty())
        WriteTextList(out, "Predicates", t.Predicates);
    if (!t.Capacities.empty())
        WriteTextList(out, "Capacities", t.Capacities);
    if (!t.CharFn.empty())
        WriteTextList(out, "CharFn", t.CharFn);
    // The index lists follow the arcs, not their own contents: an arc whose chain starts
    // nowhere still gives an (empty) list.
    if (!t.InArcs.empty())
        WriteTextList(out, "InIndex", t.InIndex);
    if (!t.OutArcs.empty())
        WriteTextList(out, "OutIndex", t.OutIndex);
    out.WriteShortString("TimeFunctions");
    WriteRecord(TimeFunction(t.ActivationFn, "act", t.selfLabel()));
    WriteRecord(TimeFunction(t.DurationFn, "dur", t.selfLabel()));
    out.WriteShortString("PredicateDef");
    out.WriteListBegin();
    out.WriteListEnd();
}

std::string WriteNetToString(TDrawingObjects &net)
{
    std::string bytes;
    // Nearly twice what an object takes on average in large nets (about 170 bytes): a text of
    // tens of megabytes grown by copying costs a third of the writing, and reserved pages that
    // are never written cost nothing.
    bytes.reserve(64 + net.Count() * 320);
    TNetWriter writer(bytes);
    writer.WriteNet(net);
    return bytes;
}

TWriteResult SaveNetFile(const std::string &path, TDrawingObjects &net)
{
    return WriteFileAtomically(path, WriteNetToString(net));
}

} // namespace morvane
