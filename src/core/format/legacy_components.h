// SPDX-License-Identifier: MIT
#pragma once

#include "model/component.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

class TNetReader;
class TNetWriter;

// A component that streams itself through named properties: the named-expression records a net
// stream may carry next to its drawing objects.
class TLegacyComponent : public TComponent
{
public:
    // Applies one property read from the stream; false when the class has no such property
    // (nothing was read then).
    virtual bool ReadProperty(std::string_view name, TNetReader &reader);
    // The published properties, then the defined ones, each left out where its rule says.
    virtual void WriteProperties(TNetWriter &writer);

    std::int32_t Tag = 0;
};

// Identifier, expression and description: what every element record has.
class TNamedExpression : public TLegacyComponent
{
public:
    std::string ID;
    std::string Expression;
    std::string Description;

protected:
    bool ReadTextProperty(std::string_view name, TNetReader &reader);
    void WriteTextProperties(TNetWriter &writer) const;
};

class TPredicate : public TNamedExpression
{
public:
    const char *ClassName() const override { return "TPredicate"; }
    bool ReadProperty(std::string_view name, TNetReader &reader) override;
    void WriteProperties(TNetWriter &writer) override;

    std::int32_t pType = 0;
};

// A time function: a transition's activation moment or duration.
class TTime : public TNamedExpression
{
public:
    TTime() = default;
    TTime(std::string id, std::string expression, std::int32_t timeType);
    // Constructs the record and makes `owner` (if any) its owner.
    static std::shared_ptr<TTime> Create(
        TComponent *owner, std::string id, std::string expression, std::int32_t timeType);

    const char *ClassName() const override { return "TTime"; }
    bool ReadProperty(std::string_view name, TNetReader &reader) override;
    void WriteProperties(TNetWriter &writer) override;

    std::int32_t TimeType = 0;
    // Kept beside the streamed fields and never written.
    std::int32_t Number = 0;
};

// A property (characteristic).
class TProperty : public TNamedExpression
{
public:
    const char *ClassName() const override { return "TProperty"; }
    bool ReadProperty(std::string_view name, TNetReader &reader) override;
    void WriteProperties(TNetWriter &writer) override;

    std::int32_t PrType = 0;
    std::string Parameter;
};

class TStandardFunction : public TNamedExpression
{
public:
    const char *ClassName() const override { return "TStandardFunction"; }
    bool ReadProperty(std::string_view name, TNetReader &reader) override;
    void WriteProperties(TNetWriter &writer) override;

    std::string Group;
};

enum class TOperation { opInsert, opRemove };

// One entry of a container's index: a key and the child it names. The index never owns.
struct TComponentItem
{
    std::string Key;
    std::weak_ptr<TComponent> Object;
};

// Owns element records (in `Children`) and streams them as one list under its own property
// name. `Items` indexes the children of one class by key.
class TLegacyContainer : public TLegacyComponent
{
public:
    std::vector<TComponentItem> Items;

    virtual const char *StreamPropertyName() const = 0;

    // Ownership changes go through these so that `Items` follows.
    void InsertComponent(std::shared_ptr<TComponent> component);
    std::shared_ptr<TComponent> RemoveComponent(const TComponent *component);
    void DestroyComponents();
    virtual void Notification(const std::shared_ptr<TComponent> &component, TOperation operation);

    void WriteData(TNetWriter &writer);
    void ReadData(TNetReader &reader);
    // The error handler installed while the list is read: every error counts as handled.
    static void GetNextIndentfire(TNetReader &reader, const std::string &message);

    bool ReadProperty(std::string_view name, TNetReader &reader) override;
    void WriteProperties(TNetWriter &writer) override;

protected:
    // Whether children of this class are indexed, and under which key.
    virtual bool Indexes(const TComponent &component) const = 0;
    virtual std::string KeyOf(const TComponent &component) const;
    // Called after the list was streamed either way.
    virtual void AfterStreaming() { }
};

class TPropertyEngine : public TLegacyContainer
{
public:
    const char *ClassName() const override { return "TPropertyEngine"; }
    const char *StreamPropertyName() const override { return "Properties"; }
    // Every key becomes its child's current ID.
    void UpdateItemsList();

protected:
    bool Indexes(const TComponent &component) const override;
    void AfterStreaming() override { UpdateItemsList(); }
};

// Which class this container indexes was never settled, so its index stays empty; its list
// streams like the others.
class TSetOfCharateristics : public TLegacyContainer
{
public:
    const char *ClassName() const override { return "TSetOfCharateristics"; }
    const char *StreamPropertyName() const override { return "SetOfChars"; }

protected:
    bool Indexes(const TComponent &) const override { return false; }
};

class TStandardFunctions : public TLegacyContainer
{
public:
    const char *ClassName() const override { return "TStandardFunctions"; }
    const char *StreamPropertyName() const override { return "Functions"; }
    void UpdateItemsList();

protected:
    bool Indexes(const TComponent &component) const override;
    void AfterStreaming() override { UpdateItemsList(); }
};

// Gives `component` to `owner`: containers index it, other components just keep it.
void AdoptComponent(TComponent &owner, std::shared_ptr<TComponent> component);
// Takes `component` back from `owner`, if it has it.
void ReleaseComponent(TComponent &owner, const TComponent *component);

} // namespace morvane
