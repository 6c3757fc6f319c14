// Published properties: every class that a form description can fill
// describes its properties once, in the order the class library publishes
// them, with its own class name ("TSkinButton"). Properties are found by
// name without regard to case, inherited ones included, and set or read
// through the class's own setters and getters.
#pragma once

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "runtime/StringList.h"
#include "runtime/SysUtils.h"

class TClassInfo;
class TComponent;

// A property that does not exist, a value that does not fit it, a class
// that is not registered.
class EPropertyError : public Exception {
  using Exception::Exception;
};
class EClassNotFound : public Exception {
  using Exception::Exception;
};

// The root of every object with published properties.
class TPersistent {
 public:
  virtual ~TPersistent() = default;
  virtual const TClassInfo& ClassInfo() const = 0;
  const std::string& ClassName() const;
};

// The published view of a component (null for one without published properties).
TPersistent* Published(TComponent* component);

enum class TPropKind {
  Integer,
  Bool,
  Enum,
  Set,
  Color,
  ShortCut,
  Cursor,
  String,
  Binary,
  Component,
  Object,
  Strings,
  Collection,
  Event
};

// The names of an enumeration's values 0, 1, 2, ... (or of a set's bits).
struct TEnumInfo {
  std::vector<std::string> Names;
  // The value's name, or its number when it has none.
  std::string NameOf(int64_t value) const;
  // The value of a name (without regard to case).
  bool ValueOf(const std::string& name, int64_t& value) const;
};

struct TPropInfo {
  std::string Name;
  TPropKind Kind = TPropKind::Integer;
  const TEnumInfo* Names = nullptr;  // Enum and Set
  // Integer, Bool, Enum, Set (bit mask), Color, ShortCut, Cursor.
  std::function<int64_t(TPersistent&)> GetOrd;
  std::function<void(TPersistent&, int64_t)> SetOrd;
  // String, Binary (raw bytes).
  std::function<std::string(TPersistent&)> GetString;
  std::function<void(TPersistent&, const std::string&)> SetString;
  // Component references; the setter refuses a component of the wrong class.
  std::function<TComponent*(TPersistent&)> GetComponent;
  std::function<void(TPersistent&, TComponent*)> SetComponent;
  // Object and Collection: the owned sub-object.
  std::function<TPersistent*(TPersistent&)> GetObject;
  // Strings: the owned list, or a copy and a setter for a list a widget keeps.
  std::function<TStringList*(TPersistent&)> GetStrings;
  std::function<TStringList(TPersistent&)> GetStringsCopy;
  std::function<void(TPersistent&, const TStringList&)> SetStrings;
  // Event: takes a handler made by MakeHandler; refuses one of another type.
  std::function<void(TPersistent&, const std::any&)> SetEvent;

  bool IsOrdinal() const;
};

class TClassInfo {
 public:
  TClassInfo(std::string name, const TClassInfo* parent) : FName(std::move(name)), FParent(parent) {}
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const std::string& Name() const { return FName; }
  const TClassInfo* Parent() const { return FParent; }

  // The class's own property first, then its ancestors', by name without
  // regard to case; null when there is none.
  const TPropInfo* FindProperty(const std::string& name) const;
  // Ancestors' properties first, each class in its publishing order; a
  // property published again by a descendant keeps only its later place.
  std::vector<const TPropInfo*> Properties() const;
  void Add(TPropInfo info) { FProperties.push_back(std::make_unique<TPropInfo>(std::move(info))); }

  // Makes a component of this class for the owner; unset for classes that
  // a description cannot create.
  std::function<TComponent*(TComponent* owner)> Create;

 private:
  std::string FName;
  const TClassInfo* FParent;
  std::vector<std::unique_ptr<TPropInfo>> FProperties;
};

// The roots: TPersistent (no properties) and TComponent (its one property: Name).
const TClassInfo& PersistentClassInfo();
const TClassInfo& ComponentClassInfo();

// Classes that form descriptions may name. Registering a name again replaces it.
void RegisterClass(const TClassInfo& info);
// The registered class of that name (without regard to case), or null.
const TClassInfo* FindClass(const std::string& name);

// Typed registration of a class's properties through its member functions.
template <class C>
class TPublisher {
 public:
  explicit TPublisher(TClassInfo& info) : FInfo(info) {}

  template <class G, class S>
  TPublisher& Integer(const char* name, G get, S set) {
    return Ordinal(name, TPropKind::Integer, nullptr, get, set);
  }
  template <class G, class S>
  TPublisher& Bool(const char* name, G get, S set) {
    return Ordinal(name, TPropKind::Bool, nullptr, get, set);
  }
  template <class G, class S>
  TPublisher& Color(const char* name, G get, S set) {
    return Ordinal(name, TPropKind::Color, nullptr, get, set);
  }
  // A key with modifiers; descriptions may give it as text ('Ctrl+O').
  template <class G, class S>
  TPublisher& ShortCut(const char* name, G get, S set) {
    return Ordinal(name, TPropKind::ShortCut, nullptr, get, set);
  }
  // A pointer shape; descriptions may give it by name (crHandPoint).
  template <class G, class S>
  TPublisher& Cursor(const char* name, G get, S set) {
    return Ordinal(name, TPropKind::Cursor, nullptr, get, set);
  }
  template <class G, class S>
  TPublisher& Enum(const char* name, const TEnumInfo& names, G get, S set) {
    return Ordinal(name, TPropKind::Enum, &names, get, set);
  }
  template <class G, class S>
  TPublisher& Set(const char* name, const TEnumInfo& names, G get, S set) {
    return Ordinal(name, TPropKind::Set, &names, get, set);
  }
  template <class G, class S>
  TPublisher& String(const char* name, G get, S set) {
    return Text(name, TPropKind::String, get, set);
  }
  template <class G, class S>
  TPublisher& Binary(const char* name, G get, S set) {
    return Text(name, TPropKind::Binary, get, set);
  }
  // A reference to a component of class T (or a descendant), not owned.
  template <class T, class G, class S>
  TPublisher& Component(const char* name, G get, S set) {
    TPropInfo p = Named(name, TPropKind::Component);
    p.GetComponent = [get](TPersistent& o) -> TComponent* { return std::invoke(get, Self(o)); };
    p.SetComponent = [set, n = std::string(name)](TPersistent& o, TComponent* c) {
      T* typed = c ? dynamic_cast<T*>(c) : nullptr;
      if (c && !typed) throw EPropertyError("Invalid property value for " + n);
      std::invoke(set, Self(o), typed);
    };
    FInfo.Add(std::move(p));
    return *this;
  }
  // An owned sub-object with published properties of its own.
  template <class G>
  TPublisher& Object(const char* name, G get) {
    TPropInfo p = Named(name, TPropKind::Object);
    p.GetObject = [get](TPersistent& o) -> TPersistent* { return &std::invoke(get, Self(o)); };
    FInfo.Add(std::move(p));
    return *this;
  }
  template <class G>
  TPublisher& Collection(const char* name, G get) {
    TPropInfo p = Named(name, TPropKind::Collection);
    p.GetObject = [get](TPersistent& o) -> TPersistent* { return &std::invoke(get, Self(o)); };
    FInfo.Add(std::move(p));
    return *this;
  }
  template <class G>
  TPublisher& Strings(const char* name, G get) {
    TPropInfo p = Named(name, TPropKind::Strings);
    p.GetStrings = [get](TPersistent& o) -> TStringList* { return &std::invoke(get, Self(o)); };
    FInfo.Add(std::move(p));
    return *this;
  }
  // Lines a widget keeps: read as a copy, set as a whole.
  template <class G, class S>
  TPublisher& Strings(const char* name, G get, S set) {
    TPropInfo p = Named(name, TPropKind::Strings);
    p.GetStringsCopy = [get](TPersistent& o) { return std::invoke(get, Self(o)); };
    p.SetStrings = [set](TPersistent& o, const TStringList& v) { std::invoke(set, Self(o), v); };
    FInfo.Add(std::move(p));
    return *this;
  }
  // An event: a public std::function member.
  template <class E, class K>
  TPublisher& Event(const char* name, E K::*member) {
    static_assert(std::is_base_of_v<K, C>);
    TPropInfo p = Named(name, TPropKind::Event);
    p.SetEvent = [member, n = std::string(name)](TPersistent& o, const std::any& handler) {
      const E* typed = std::any_cast<E>(&handler);
      if (!typed) throw EPropertyError("Handler of the wrong type for " + n);
      Self(o).*member = *typed;
    };
    FInfo.Add(std::move(p));
    return *this;
  }

 private:
  static C& Self(TPersistent& o) { return static_cast<C&>(o); }
  static TPropInfo Named(const char* name, TPropKind kind) {
    TPropInfo p;
    p.Name = name;
    p.Kind = kind;
    return p;
  }
  template <class G, class S>
  TPublisher& Ordinal(const char* name, TPropKind kind, const TEnumInfo* names, G get, S set) {
    TPropInfo p = Named(name, kind);
    p.Names = names;
    p.GetOrd = [get](TPersistent& o) { return static_cast<int64_t>(std::invoke(get, Self(o))); };
    p.SetOrd = [set](TPersistent& o, int64_t v) {
      using Arg = std::remove_cvref_t<typename ArgOf<S>::type>;
      std::invoke(set, Self(o), static_cast<Arg>(v));
    };
    FInfo.Add(std::move(p));
    return *this;
  }
  template <class G, class S>
  TPublisher& Text(const char* name, TPropKind kind, G get, S set) {
    TPropInfo p = Named(name, kind);
    p.GetString = [get](TPersistent& o) { return std::string(std::invoke(get, Self(o))); };
    p.SetString = [set](TPersistent& o, const std::string& v) { std::invoke(set, Self(o), v); };
    FInfo.Add(std::move(p));
    return *this;
  }
  template <class S>
  struct ArgOf;
  template <class R, class K, class A>
  struct ArgOf<R (K::*)(A)> {
    using type = A;
  };

  TClassInfo& FInfo;
};

// Defines the class information of C, a descendant of the class described
// by parent; describe publishes C's own properties. A component class with
// a constructor taking its owner can be created by name.
template <class C>
std::unique_ptr<TClassInfo> DefineClass(const char* name, const TClassInfo& parent,
                                        const std::function<void(TPublisher<C>&)>& describe) {
  auto info = std::make_unique<TClassInfo>(name, &parent);
  TPublisher<C> publisher(*info);
  if (describe) describe(publisher);
  if constexpr (std::is_constructible_v<C, TComponent*> && std::is_base_of_v<TComponent, C>)
    info->Create = [](TComponent* owner) -> TComponent* { return new C(owner); };
  return info;
}

// A handler for an event property: the form's method bound to the form.
template <class F, class... A>
std::any MakeHandler(F* form, void (F::*method)(A...)) {
  return std::function<void(A...)>([form, method](A... args) { (form->*method)(std::forward<A>(args)...); });
}

// Access by name, as the class library's run-time type information offers
// it. All raise EPropertyError "Property NAME does not exist" for a name
// the object does not publish.
bool HasPublishedProperty(const TPersistent& object, const std::string& name);
const TPropInfo& PropInfo(const TPersistent& object, const std::string& name);
int64_t GetOrdProp(TPersistent& object, const std::string& name);
void SetOrdProp(TPersistent& object, const std::string& name, int64_t value);
std::string GetStrProp(TPersistent& object, const std::string& name);
void SetStrProp(TPersistent& object, const std::string& name, const std::string& value);
TComponent* GetObjectProp(TPersistent& object, const std::string& name);
void SetObjectProp(TPersistent& object, const std::string& name, TComponent* value);
// Enumerations and booleans by value name ("Crystal", "True").
std::string GetEnumProp(TPersistent& object, const std::string& name);
void SetEnumProp(TPersistent& object, const std::string& name, const std::string& value);
