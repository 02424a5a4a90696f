// SPDX-License-Identifier: MIT
#include "model/transition_matrices.h"

#include "common/text.h"
#include "model/drawing_objects.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <unordered_map>

namespace morvane {

namespace {

using TFields = std::vector<std::string>;

constexpr std::string_view kTrueWord = "true";
constexpr std::string_view kFalseWord = "false";
constexpr std::string_view kUnlimitedWord = "inf";

// The fields of an item; nothing when an escape is broken.
std::optional<TFields> Fields(std::string_view item)
{
    TFields fields(1);
    for (std::size_t i = 0; i < item.size();) {
        std::size_t special = i;
        while (special < item.size() && item[special] != '\t' && item[special] != '\\')
            ++special;
        fields.back().append(item.substr(i, special - i));
        if (special == item.size())
            break;
        if (item[special] == '\t') {
            fields.emplace_back();
            i = special + 1;
        } else if (special + 1 < item.size()
            && (item[special + 1] == '\\' || item[special + 1] == 't')) {
            fields.back() += item[special + 1] == 't' ? '\t' : '\\';
            i = special + 2;
        } else {
            return std::nullopt;
        }
    }
    return fields;
}

std::string Item(const TFields &fields)
{
    std::string item;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (f)
            item += '\t';
        for (const char c : fields[f])
            item += c == '\t' ? "\\t" : c == '\\' ? "\\\\" : std::string(1, c);
    }
    return item;
}

std::optional<std::int32_t> CapacityValue(std::string_view text)
{
    if (SameAsciiText(text, kUnlimitedWord))
        return kDefaultArcCapacity;
    if (text.empty() || text.size() > 10
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const long long value = std::stoll(std::string(text));
    if (value > INT32_MAX)
        return std::nullopt;
    return std::int32_t(value);
}

// The three kinds of list: how many leading fields name the cell, and which items decode.
struct TListKind
{
    std::size_t KeyFields;
    bool (*Valid)(const TFields &);
};

bool ValidPredicate(const TFields &f)
{
    return (f.size() == 3 || f.size() == 4) && !f[2].empty();
}
bool ValidCapacity(const TFields &f)
{
    return f.size() == 3 && CapacityValue(f[2]).has_value();
}
bool ValidCharFn(const TFields &f)
{
    return f.size() == 3;
}

constexpr TListKind kPredicates { 2, ValidPredicate };
constexpr TListKind kCapacities { 2, ValidCapacity };
constexpr TListKind kCharFns { 1, ValidCharFn };

std::optional<TFields> Decoded(const TStringItem &item, const TListKind &kind)
{
    auto fields = Fields(item.Text);
    if (fields && !kind.Valid(*fields))
        fields.reset();
    return fields;
}

bool SameKey(const TFields &fields, const TFields &key)
{
    return std::equal(key.begin(), key.end(), fields.begin());
}

// Puts `item` in the place of the first decoding item of the same cell and drops the others of
// that cell; without such an item it is appended. No item clears the cell.
bool Put(TStringList &list, const TListKind &kind, const TFields &key,
    const std::optional<std::string> &item)
{
    bool changed = false;
    bool placed = !item;
    for (std::size_t i = 0; i < list.size();) {
        const auto fields = Decoded(list[i], kind);
        if (!fields || !SameKey(*fields, key)) {
            ++i;
        } else if (!placed) {
            changed |= list[i].Text != *item;
            list[i++].Text = *item;
            placed = true;
        } else {
            list.erase(list.begin() + std::ptrdiff_t(i));
            changed = true;
        }
    }
    if (!placed)
        list.push_back({ *item, {} });
    return changed || !placed;
}

// Every decoding item rewritten by `edit`, which may drop it by answering nothing.
bool Rewrite(TStringList &list, const TListKind &kind,
    const std::function<std::optional<TFields>(TFields)> &edit)
{
    bool changed = false;
    for (std::size_t i = 0; i < list.size();) {
        const auto fields = Decoded(list[i], kind);
        if (!fields) {
            ++i;
            continue;
        }
        const auto edited = edit(*fields);
        if (!edited) {
            list.erase(list.begin() + std::ptrdiff_t(i));
            changed = true;
            continue;
        }
        if (*edited != *fields) {
            list[i].Text = Item(*edited);
            changed = true;
        }
        ++i;
    }
    return changed;
}

bool InRange(const TTransition &t, std::size_t row, std::size_t column)
{
    return row < t.InIndex.size() && column < t.OutIndex.size();
}

TFields PairKey(const TTransition &t, std::size_t row, std::size_t column)
{
    return { IndexEntryLabel(t.InIndex[row]), IndexEntryLabel(t.OutIndex[column]) };
}

TFields PredicateFields(const TFields &key, const TPredicateCell &cell)
{
    TFields f = key;
    switch (cell.Value) {
    case TPredicateValue::True:
        f.emplace_back(kTrueWord);
        break;
    case TPredicateValue::False:
        f.emplace_back(kFalseWord);
        break;
    case TPredicateValue::Named:
        f.push_back(cell.Name);
        if (!cell.Definition.empty())
            f.push_back(cell.Definition);
        break;
    }
    return f;
}

TPredicateCell PredicateOf(const TFields &f)
{
    TPredicateCell cell;
    cell.Stored = true;
    if (f[2] == kTrueWord)
        cell.Value = TPredicateValue::True;
    else if (f[2] == kFalseWord)
        cell.Value = TPredicateValue::False;
    else
        cell.Name = f[2];
    if (f.size() > 3)
        cell.Definition = f[3];
    return cell;
}

using TCellKey = std::pair<std::string, std::string>;

struct TCellKeyHash
{
    std::size_t operator()(const TCellKey &k) const
    {
        return std::hash<std::string>()(k.first) * 31 + std::hash<std::string>()(k.second);
    }
};

// The first decoding item of every cell.
template <class Cell>
std::unordered_map<TCellKey, Cell, TCellKeyHash> CellsOf(
    const TStringList &list, const TListKind &kind, Cell (*make)(const TFields &))
{
    std::unordered_map<TCellKey, Cell, TCellKeyHash> cells;
    for (const auto &item : list)
        if (const auto f = Decoded(item, kind))
            cells.try_emplace({ (*f)[0], kind.KeyFields > 1 ? (*f)[1] : std::string() }, make(*f));
    return cells;
}

TCapacityCell CapacityOf(const TFields &f)
{
    return { true, *CapacityValue(f[2]) };
}

TCharFn CharFnOf(const TFields &f)
{
    return { true, f[1], f[2] };
}

std::vector<std::string> Labels(const TStringList &index)
{
    std::vector<std::string> labels;
    labels.reserve(index.size());
    for (const auto &item : index)
        labels.push_back(IndexEntryLabel(item));
    return labels;
}

// Old label to new one of every entry whose position was relabelled; the first entry of a label
// decides.
std::unordered_map<std::string, std::string> Relabelled(const TStringList &index)
{
    std::unordered_map<std::string, std::string> renames;
    for (const auto &item : index)
        if (const auto obj = item.Object.lock(); obj && obj->selfLabel() != item.Text)
            renames.try_emplace(item.Text, obj->selfLabel());
    return renames;
}

void Rename(std::string &label, const std::unordered_map<std::string, std::string> &renames)
{
    if (const auto it = renames.find(label); it != renames.end())
        label = it->second;
}

} // namespace

std::string IndexEntryLabel(const TStringItem &item)
{
    if (auto obj = item.Object.lock())
        return obj->selfLabel();
    return item.Text;
}

TLabelParts IndexEntryParts(const TStringItem &item)
{
    if (auto obj = item.Object.lock())
        return { obj->GetBase(), obj->GetIndex() };
    const std::size_t at = Utf8Offset(item.Text, std::size_t(LabelPrefixLength(item.Text)));
    return { item.Text.substr(0, at), item.Text.substr(at) };
}

std::string MaskName(std::string_view mask, const TLabelParts &input, const TLabelParts &output)
{
    return ExpandMask(mask, { input.Base, input.Index, output.Base, output.Index });
}

TTransitionMatrices DecodeMatrices(const TTransition &t, const TMatrixSettings &settings)
{
    TTransitionMatrices m;
    m.Inputs = Labels(t.InIndex);
    m.Outputs = Labels(t.OutIndex);
    const auto predicates = CellsOf(t.Predicates, kPredicates, PredicateOf);
    const auto capacities = CellsOf(t.Capacities, kCapacities, CapacityOf);
    const auto charFns = CellsOf(t.CharFn, kCharFns, CharFnOf);
    std::vector<TLabelParts> outputParts;
    for (const auto &item : t.OutIndex)
        outputParts.push_back(IndexEntryParts(item));
    m.Predicates.reserve(m.Inputs.size() * m.Outputs.size());
    m.Capacities.reserve(m.Inputs.size() * m.Outputs.size());
    for (std::size_t r = 0; r < m.Inputs.size(); ++r) {
        const TLabelParts inputParts = IndexEntryParts(t.InIndex[r]);
        for (std::size_t c = 0; c < m.Outputs.size(); ++c) {
            const TCellKey key { m.Inputs[r], m.Outputs[c] };
            if (const auto it = predicates.find(key); it != predicates.end()) {
                m.Predicates.push_back(it->second);
            } else {
                m.Predicates.emplace_back();
                m.Predicates.back().Name = MaskName(settings.Mask, inputParts, outputParts[c]);
            }
            const auto it = capacities.find(key);
            m.Capacities.push_back(it != capacities.end() ? it->second : TCapacityCell {});
        }
    }
    for (const auto &label : m.Outputs) {
        const auto it = charFns.find({ label, std::string() });
        m.CharFns.push_back(it != charFns.end() ? it->second : TCharFn {});
    }
    return m;
}

std::string PredicateText(const TPredicateCell &cell, const TMatrixSettings &settings)
{
    switch (cell.Value) {
    case TPredicateValue::True:
        return settings.TrueText;
    case TPredicateValue::False:
        return settings.FalseText;
    case TPredicateValue::Named:
        break;
    }
    return cell.Name;
}

TPredicateCell ParsePredicateText(std::string_view text, const TMatrixSettings &settings)
{
    TPredicateCell cell;
    cell.Stored = true;
    const auto is = [text](std::string_view constant, int kind) {
        return (!constant.empty() && SameAsciiText(text, constant))
            || SameAsciiText(text, ConstantText(kind, false))
            || SameAsciiText(text, ConstantText(kind, true));
    };
    if (is(settings.TrueText, 2))
        cell.Value = TPredicateValue::True;
    else if (is(settings.FalseText, 3))
        cell.Value = TPredicateValue::False;
    else
        cell.Name = std::string(text);
    return cell;
}

bool SetPredicate(TTransition &t, std::size_t row, std::size_t column, const TPredicateCell &cell)
{
    if (!InRange(t, row, column))
        return false;
    const TFields key = PairKey(t, row, column);
    if (cell.Value == TPredicateValue::Named && cell.Name.empty())
        return Put(t.Predicates, kPredicates, key, std::nullopt);
    return Put(t.Predicates, kPredicates, key, Item(PredicateFields(key, cell)));
}

bool ClearPredicate(TTransition &t, std::size_t row, std::size_t column)
{
    return InRange(t, row, column)
        && Put(t.Predicates, kPredicates, PairKey(t, row, column), std::nullopt);
}

bool SetCapacity(TTransition &t, std::size_t row, std::size_t column, std::int32_t capacity)
{
    if (!InRange(t, row, column))
        return false;
    TFields fields = PairKey(t, row, column);
    const TFields key = fields;
    fields.push_back(capacity < 0 ? std::string(kUnlimitedWord) : std::to_string(capacity));
    return Put(t.Capacities, kCapacities, key, Item(fields));
}

bool ClearCapacity(TTransition &t, std::size_t row, std::size_t column)
{
    return InRange(t, row, column)
        && Put(t.Capacities, kCapacities, PairKey(t, row, column), std::nullopt);
}

bool FillPredicatesFromMask(TTransition &t, const TMatrixSettings &settings)
{
    const TTransitionMatrices m = DecodeMatrices(t, settings);
    bool changed = false;
    for (std::size_t r = 0; r < m.Inputs.size(); ++r)
        for (std::size_t c = 0; c < m.Outputs.size(); ++c)
            if (const TPredicateCell &cell = m.Predicate(r, c);
                !cell.Stored && !cell.Name.empty()) {
                t.Predicates.push_back(
                    { Item(PredicateFields({ m.Inputs[r], m.Outputs[c] }, cell)), {} });
                changed = true;
            }
    return changed;
}

bool SetAllPredicates(TTransition &t, bool value)
{
    TPredicateCell cell;
    cell.Value = value ? TPredicateValue::True : TPredicateValue::False;
    bool changed = false;
    for (std::size_t r = 0; r < t.InIndex.size(); ++r)
        for (std::size_t c = 0; c < t.OutIndex.size(); ++c)
            changed |= SetPredicate(t, r, c, cell);
    return changed;
}

bool ClearPredicates(TTransition &t)
{
    const bool changed = !t.Predicates.empty();
    t.Predicates.clear();
    return changed;
}

bool ClearCapacities(TTransition &t)
{
    const bool changed = !t.Capacities.empty();
    t.Capacities.clear();
    return changed;
}

bool PruneVanishedCells(TTransition &t)
{
    const std::vector<std::string> inputs = Labels(t.InIndex), outputs = Labels(t.OutIndex);
    const auto has = [](const std::vector<std::string> &labels, const std::string &label) {
        return std::find(labels.begin(), labels.end(), label) != labels.end();
    };
    const auto pair = [&](TFields f) -> std::optional<TFields> {
        if (has(inputs, f[0]) && has(outputs, f[1]))
            return f;
        return std::nullopt;
    };
    bool changed = Rewrite(t.Predicates, kPredicates, pair);
    changed |= Rewrite(t.Capacities, kCapacities, pair);
    changed |= Rewrite(t.CharFn, kCharFns, [&](TFields f) -> std::optional<TFields> {
        if (has(outputs, f[0]))
            return f;
        return std::nullopt;
    });
    return changed;
}

bool SetCharFn(
    TTransition &t, std::size_t column, const std::string &name, const std::string &description)
{
    if (column >= t.OutIndex.size())
        return false;
    const TFields key { IndexEntryLabel(t.OutIndex[column]) };
    return Put(t.CharFn, kCharFns, key, Item({ key[0], name, description }));
}

bool ClearCharFn(TTransition &t, std::size_t column)
{
    return column < t.OutIndex.size()
        && Put(t.CharFn, kCharFns, { IndexEntryLabel(t.OutIndex[column]) }, std::nullopt);
}

bool FollowRelabel(TTransition &t)
{
    const auto inputs = Relabelled(t.InIndex), outputs = Relabelled(t.OutIndex);
    if (inputs.empty() && outputs.empty())
        return false;
    const auto pair = [&](TFields f) -> std::optional<TFields> {
        Rename(f[0], inputs);
        Rename(f[1], outputs);
        return f;
    };
    Rewrite(t.Predicates, kPredicates, pair);
    Rewrite(t.Capacities, kCapacities, pair);
    Rewrite(t.CharFn, kCharFns, [&](TFields f) -> std::optional<TFields> {
        Rename(f[0], outputs);
        return f;
    });
    for (TStringList *index : { &t.InIndex, &t.OutIndex })
        for (auto &item : *index)
            if (const auto obj = item.Object.lock())
                item.Text = obj->selfLabel();
    return true;
}

void FollowRelabels(TDrawingObjects &net)
{
    for (TTransition *t : net.Transitions()) {
        if (Relabelled(t->InIndex).empty() && Relabelled(t->OutIndex).empty())
            continue;
        t->Record(ukChanged);
        FollowRelabel(*t);
    }
}

} // namespace morvane
