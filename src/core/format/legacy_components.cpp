// SPDX-License-Identifier: MIT
#include "format/legacy_components.h"

#include "format/identifiers.h"
#include "format/net_reader.h"
#include "format/net_writer.h"

#include <algorithm>

namespace morvane {

// ---------------------------------------------------------------------------------------------
// Ownership

void AdoptComponent(TComponent &owner, std::shared_ptr<TComponent> component)
{
    if (auto *container = dynamic_cast<TLegacyContainer *>(&owner))
        container->InsertComponent(std::move(component));
    else
        owner.Children.push_back(std::move(component));
}

void ReleaseComponent(TComponent &owner, const TComponent *component)
{
    if (auto *container = dynamic_cast<TLegacyContainer *>(&owner)) {
        container->RemoveComponent(component);
        return;
    }
    auto &children = owner.Children;
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (it->get() == component) {
            children.erase(std::next(it).base());
            return;
        }
}

// ---------------------------------------------------------------------------------------------
// Elements

bool TLegacyComponent::ReadProperty(std::string_view name, TNetReader &reader)
{
    if (SameText(name, "Tag")) {
        Tag = reader.In().ReadInteger();
        return true;
    }
    if (SameText(name, "Name")) {
        Name = reader.In().ReadText();
        return true;
    }
    return false;
}

void TLegacyComponent::WriteProperties(TNetWriter &writer)
{
    if (Tag != 0)
        writer.Out().WriteIntegerProperty("Tag", Tag);
}

bool TNamedExpression::ReadTextProperty(std::string_view name, TNetReader &reader)
{
    std::string *field = SameText(name, "ID") ? &ID
        : SameText(name, "Expression")        ? &Expression
        : SameText(name, "Description")       ? &Description
                                              : nullptr;
    if (!field)
        return TLegacyComponent::ReadProperty(name, reader);
    *field = reader.In().ReadText();
    return true;
}

void TNamedExpression::WriteTextProperties(TNetWriter &writer) const
{
    TByteWriter &out = writer.Out();
    if (!ID.empty())
        out.WriteTextProperty("ID", ID);
    if (!Expression.empty())
        out.WriteTextProperty("Expression", Expression);
    if (!Description.empty())
        out.WriteTextProperty("Description", Description);
}

bool TPredicate::ReadProperty(std::string_view name, TNetReader &reader)
{
    if (SameText(name, "pType")) {
        pType = reader.In().ReadInteger();
        return true;
    }
    return ReadTextProperty(name, reader);
}

void TPredicate::WriteProperties(TNetWriter &writer)
{
    TLegacyComponent::WriteProperties(writer);
    writer.Out().WriteIntegerProperty("pType", pType);
    WriteTextProperties(writer);
}

TTime::TTime(std::string id, std::string expression, std::int32_t timeType)
    : TimeType(timeType)
    , Number(-1)
{
    ID = std::move(id);
    Expression = std::move(expression);
}

std::shared_ptr<TTime> TTime::Create(
    TComponent *owner, std::string id, std::string expression, std::int32_t timeType)
{
    auto time = std::make_shared<TTime>(std::move(id), std::move(expression), timeType);
    if (owner)
        AdoptComponent(*owner, time);
    return time;
}

bool TTime::ReadProperty(std::string_view name, TNetReader &reader)
{
    if (SameText(name, "TimeType")) {
        TimeType = reader.In().ReadInteger();
        return true;
    }
    return ReadTextProperty(name, reader);
}

void TTime::WriteProperties(TNetWriter &writer)
{
    TLegacyComponent::WriteProperties(writer);
    writer.Out().WriteIntegerProperty("TimeType", TimeType);
    WriteTextProperties(writer);
}

bool TProperty::ReadProperty(std::string_view name, TNetReader &reader)
{
    if (SameText(name, "PrType")) {
        PrType = reader.In().ReadInteger();
        return true;
    }
    if (SameText(name, "Parameter")) {
        Parameter = reader.In().ReadText();
        return true;
    }
    return ReadTextProperty(name, reader);
}

void TProperty::WriteProperties(TNetWriter &writer)
{
    TLegacyComponent::WriteProperties(writer);
    writer.Out().WriteIntegerProperty("PrType", PrType);
    WriteTextProperties(writer);
    if (!Parameter.empty())
        writer.Out().WriteTextProperty("Parameter", Parameter);
}

bool TStandardFunction::ReadProperty(std::string_view name, TNetReader &reader)
{
    if (SameText(name, "Group")) {
        Group = reader.In().ReadText();
        return true;
    }
    return ReadTextProperty(name, reader);
}

void TStandardFunction::WriteProperties(TNetWriter &writer)
{
    TLegacyComponent::WriteProperties(writer);
    WriteTextProperties(writer);
    if (!Group.empty())
        writer.Out().WriteTextProperty("Group", Group);
}

// ---------------------------------------------------------------------------------------------
// Containers

void TLegacyContainer::InsertComponent(std::shared_ptr<TComponent> component)
{
    Children.push_back(component);
    Notification(component, TOperation::opInsert);
}

std::shared_ptr<TComponent> TLegacyContainer::RemoveComponent(const TComponent *component)
{
    for (auto it = Children.rbegin(); it != Children.rend(); ++it)
        if (it->get() == component) {
            std::shared_ptr<TComponent> removed = std::move(*it);
            Children.erase(std::next(it).base());
            Notification(removed, TOperation::opRemove);
            return removed;
        }
    return nullptr;
}

void TLegacyContainer::DestroyComponents()
{
    while (!Children.empty()) {
        std::shared_ptr<TComponent> last = std::move(Children.back());
        Children.pop_back();
        Notification(last, TOperation::opRemove);
    }
}

std::string TLegacyContainer::KeyOf(const TComponent &component) const
{
    if (auto *named = dynamic_cast<const TNamedExpression *>(&component))
        return named->ID;
    return {};
}

void TLegacyContainer::Notification(
    const std::shared_ptr<TComponent> &component, TOperation operation)
{
    if (!component || !Indexes(*component))
        return;
    if (operation == TOperation::opInsert) {
        Items.push_back({ KeyOf(*component), component });
        return;
    }
    // Children leave last first, so the entry is found at once from the back.
    for (auto it = Items.rbegin(); it != Items.rend(); ++it)
        if (it->Object.lock() == component) {
            Items.erase(std::next(it).base());
            return;
        }
}

void TLegacyContainer::GetNextIndentfire(TNetReader &, const std::string &)
{
    // Handled: an unknown property or class in the list is skipped without a word.
}

void TLegacyContainer::WriteData(TNetWriter &writer)
{
    writer.Out().WriteListBegin();
    for (const auto &child : Children)
        writer.WriteRecord(*child);
    writer.Out().WriteListEnd();
}

void TLegacyContainer::ReadData(TNetReader &reader)
{
    TNetReader::TErrorScope scope(reader, &GetNextIndentfire);
    reader.In().ReadListBegin();
    DestroyComponents();
    while (!reader.In().EndOfList())
        reader.ReadRecord(*this);
    reader.In().ReadListEnd();
    // Children are indexed when they join, before their IDs are read; the keys are made right
    // here rather than at the next write.
    AfterStreaming();
}

bool TLegacyContainer::ReadProperty(std::string_view name, TNetReader &reader)
{
    if (!SameText(name, StreamPropertyName()))
        return TLegacyComponent::ReadProperty(name, reader);
    ReadData(reader);
    return true;
}

void TLegacyContainer::WriteProperties(TNetWriter &writer)
{
    TLegacyComponent::WriteProperties(writer);
    if (!Children.empty()) {
        writer.Out().WriteShortString(StreamPropertyName());
        WriteData(writer);
    }
    AfterStreaming();
}

namespace {

template <class T> void UpdateKeys(std::vector<TComponentItem> &items)
{
    for (auto &item : items)
        if (auto object = item.Object.lock())
            if (auto *named = dynamic_cast<const T *>(object.get()))
                item.Key = named->ID;
}

} // namespace

bool TPropertyEngine::Indexes(const TComponent &component) const
{
    return dynamic_cast<const TProperty *>(&component) != nullptr;
}

void TPropertyEngine::UpdateItemsList()
{
    UpdateKeys<TProperty>(Items);
}

bool TStandardFunctions::Indexes(const TComponent &component) const
{
    return dynamic_cast<const TStandardFunction *>(&component) != nullptr;
}

void TStandardFunctions::UpdateItemsList()
{
    UpdateKeys<TStandardFunction>(Items);
}

} // namespace morvane
