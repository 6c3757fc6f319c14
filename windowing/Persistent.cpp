#include "windowing/Persistent.h"

#include <algorithm>
#include <map>

#include "runtime/Component.h"

const std::string& TPersistent::ClassName() const { return ClassInfo().Name(); }

TPersistent* Published(TComponent* component) { return dynamic_cast<TPersistent*>(component); }

std::string TEnumInfo::NameOf(int64_t value) const {
  if (value >= 0 && value < static_cast<int64_t>(Names.size())) return Names[static_cast<size_t>(value)];
  return IntToStr(value);
}

bool TEnumInfo::ValueOf(const std::string& name, int64_t& value) const {
  for (size_t i = 0; i < Names.size(); ++i)
    if (SameText(Names[i], name)) {
      value = static_cast<int64_t>(i);
      return true;
    }
  return false;
}

bool TPropInfo::IsOrdinal() const {
  return Kind == TPropKind::Integer || Kind == TPropKind::Bool || Kind == TPropKind::Enum ||
         Kind == TPropKind::Set || Kind == TPropKind::Color || Kind == TPropKind::ShortCut ||
         Kind == TPropKind::Cursor;
}

const TPropInfo* TClassInfo::FindProperty(const std::string& name) const {
  for (const TClassInfo* c = this; c; c = c->FParent)
    for (const auto& p : c->FProperties)
      if (SameText(p->Name, name)) return p.get();
  return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::Properties() const {
  std::vector<const TPropInfo*> result = FParent ? FParent->Properties() : std::vector<const TPropInfo*>{};
  for (const auto& p : FProperties) {
    std::erase_if(result, [&](const TPropInfo* q) { return SameText(q->Name, p->Name); });
    result.push_back(p.get());
  }
  return result;
}

const TClassInfo& PersistentClassInfo() {
  static const TClassInfo info("TPersistent", nullptr);
  return info;
}

const TClassInfo& ComponentClassInfo() {
  static const TClassInfo& info = []() -> const TClassInfo& {
    static TClassInfo component("TComponent", &PersistentClassInfo());
    TPropInfo name;
    name.Name = "Name";
    name.Kind = TPropKind::String;
    name.GetString = [](TPersistent& o) { return dynamic_cast<TComponent&>(o).Name(); };
    name.SetString = [](TPersistent& o, const std::string& v) { dynamic_cast<TComponent&>(o).SetName(v); };
    component.Add(std::move(name));
    return component;
  }();
  return info;
}

namespace {

std::map<std::string, const TClassInfo*>& Registry() {
  static std::map<std::string, const TClassInfo*> registry;
  return registry;
}

}  // namespace

void RegisterClass(const TClassInfo& info) { Registry()[UpperCase(info.Name())] = &info; }

const TClassInfo* FindClass(const std::string& name) {
  const auto it = Registry().find(UpperCase(name));
  return it == Registry().end() ? nullptr : it->second;
}

bool HasPublishedProperty(const TPersistent& object, const std::string& name) {
  return object.ClassInfo().FindProperty(name) != nullptr;
}

const TPropInfo& PropInfo(const TPersistent& object, const std::string& name) {
  const TPropInfo* p = object.ClassInfo().FindProperty(name);
  if (!p) throw EPropertyError("Property " + name + " does not exist");
  return *p;
}

namespace {

const TPropInfo& Expect(const TPersistent& object, const std::string& name, bool ok(const TPropInfo&)) {
  const TPropInfo& p = PropInfo(object, name);
  if (!ok(p)) throw EPropertyError("Invalid property type: " + name);
  return p;
}

bool Ordinal(const TPropInfo& p) { return p.IsOrdinal(); }
bool Textual(const TPropInfo& p) { return p.Kind == TPropKind::String || p.Kind == TPropKind::Binary; }
bool Reference(const TPropInfo& p) { return p.Kind == TPropKind::Component; }
bool Named(const TPropInfo& p) { return p.Kind == TPropKind::Enum || p.Kind == TPropKind::Bool; }

const TEnumInfo& BoolNames() {
  static const TEnumInfo names{{"False", "True"}};
  return names;
}

}  // namespace

int64_t GetOrdProp(TPersistent& object, const std::string& name) { return Expect(object, name, Ordinal).GetOrd(object); }

void SetOrdProp(TPersistent& object, const std::string& name, int64_t value) {
  Expect(object, name, Ordinal).SetOrd(object, value);
}

std::string GetStrProp(TPersistent& object, const std::string& name) {
  return Expect(object, name, Textual).GetString(object);
}

void SetStrProp(TPersistent& object, const std::string& name, const std::string& value) {
  Expect(object, name, Textual).SetString(object, value);
}

TComponent* GetObjectProp(TPersistent& object, const std::string& name) {
  return Expect(object, name, Reference).GetComponent(object);
}

void SetObjectProp(TPersistent& object, const std::string& name, TComponent* value) {
  Expect(object, name, Reference).SetComponent(object, value);
}

std::string GetEnumProp(TPersistent& object, const std::string& name) {
  const TPropInfo& p = Expect(object, name, Named);
  return (p.Names ? *p.Names : BoolNames()).NameOf(p.GetOrd(object));
}

void SetEnumProp(TPersistent& object, const std::string& name, const std::string& value) {
  const TPropInfo& p = Expect(object, name, Named);
  int64_t v = 0;
  if (!(p.Names ? *p.Names : BoolNames()).ValueOf(value, v)) throw EPropertyError("Invalid property value");
  p.SetOrd(object, v);
}
