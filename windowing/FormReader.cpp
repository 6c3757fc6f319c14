#include "windowing/FormReader.h"

#include <vector>

#include "runtime/Component.h"
#include "runtime/StringList.h"
#include "windowing/Action.h"
#include "windowing/Collection.h"
#include "windowing/Colors.h"
#include "windowing/Control.h"
#include "windowing/Keys.h"
#include "windowing/Menu.h"
#include "windowing/Persistent.h"

namespace {

struct Fixup {
  TPersistent* Object;
  const TPropInfo* Property;
  std::string Name;
  int Line;
};

class Reader {
 public:
  Reader(const std::string& text, TComponent& root, const THandlerLookup& handlers)
      : FScanner(text, root.Name().empty() ? "?" : root.Name()), FRoot(root), FHandlers(handlers) {}

  void Read() {
    TPersistent* root = Published(&FRoot);
    if (!root) FScanner.Fail("The root has no published properties");
    if (!FScanner.IsIdent("object")) FScanner.Fail("'object' expected");
    FScanner.Next();
    const std::string name = FScanner.ExpectIdent();
    FScanner.SetFormName(name);
    FScanner.Expect(':');
    const int classLine = FScanner.Line();
    const std::string className = FScanner.ExpectIdent();
    if (!SameText(className, root->ClassName()))
      FScanner.Fail("Class " + className + " does not match " + root->ClassName(), classLine);
    FRoot.SetLoading(true);
    FLoaded.push_back(&FRoot);
    Guard(classLine, [&] { FRoot.SetName(name); });
    ReadBody(FRoot, *root, 1);
    if (FScanner.Current().Kind != TFormTokenKind::End) FScanner.Fail("End of description expected");
    ResolveFixups();
    for (TComponent* component : FLoaded) component->Loaded();
  }

 private:
  template <class F>
  void Guard(int line, F&& f) {
    try {
      f();
    } catch (const EFormError&) {
      throw;
    } catch (const std::exception& e) {
      FScanner.Fail(e.what(), line);
    }
  }

  // Properties and nested objects up to "end".
  void ReadBody(TComponent& component, TPersistent& published, int depth) {
    FScanner.ReadBody([&] { ReadChild(component, depth); }, [&] { ReadProperty(published, depth); });
  }

  void ReadChild(TComponent& parent, int depth) {
    if (depth >= kMaxFormNesting) FScanner.Fail("Objects nested too deeply");
    const TFormObject object = FScanner.ReadObjectHead();
    const TClassInfo* info = FindClass(object.ClassName);
    if (!info) FScanner.Fail("Class " + object.ClassName + " not found", object.Line);
    if (!info->Create) FScanner.Fail("Class " + object.ClassName + " cannot be created", object.Line);
    if (FRoot.FindComponent(object.Name) || SameText(FRoot.Name(), object.Name))
      FScanner.Fail("A component named " + object.Name + " already exists", object.Line);
    TComponent* child = nullptr;
    Guard(object.Line, [&] { child = info->Create(&FRoot); });
    child->SetLoading(true);
    FLoaded.push_back(child);
    Guard(object.Line, [&] {
      child->SetName(object.Name);
      Attach(*child, parent);
    });
    TPersistent* published = Published(child);
    if (!published) FScanner.Fail("Class " + object.ClassName + " has no published properties", object.Line);
    ReadBody(*child, *published, depth + 1);
  }

  // Puts a nested component where its enclosing one keeps such children.
  static void Attach(TComponent& child, TComponent& parent) {
    if (auto* control = dynamic_cast<TControl*>(&child)) {
      if (auto* container = dynamic_cast<TControl*>(&parent)) control->SetParent(container);
    } else if (auto* item = dynamic_cast<TMenuItem*>(&child)) {
      if (auto* menu = dynamic_cast<TMenu*>(&parent))
        menu->Items().Add(item);
      else if (auto* parentItem = dynamic_cast<TMenuItem*>(&parent))
        parentItem->Add(item);
    } else if (auto* action = dynamic_cast<TAction*>(&child)) {
      if (auto* list = dynamic_cast<TCustomActionList*>(&parent)) action->SetActionList(list);
    }
  }

  void ReadProperty(TPersistent& object, int depth) {
    const int line = FScanner.Line();
    std::string path = FScanner.ExpectIdent();
    TPersistent* target = &object;
    const TPropInfo* property = Find(*target, path, line);
    while (FScanner.IsSymbol('.')) {
      FScanner.Next();
      if (property->Kind != TPropKind::Object) FScanner.Fail(path + " has no sub-properties", line);
      target = property->GetObject(*target);
      const std::string part = FScanner.ExpectIdent();
      path += "." + part;
      property = Find(*target, part, line);
    }
    FScanner.Expect('=');
    ReadValue(*target, *property, path, line, depth);
  }

  const TPropInfo* Find(const TPersistent& object, const std::string& name, int line) const {
    const TPropInfo* p = object.ClassInfo().FindProperty(name);
    if (!p) FScanner.Fail("Property " + name + " does not exist", line);
    return p;
  }

  [[noreturn]] void Invalid(const std::string& path, int line) const {
    FScanner.Fail("Invalid property value for " + path, line);
  }

  void ReadValue(TPersistent& object, const TPropInfo& p, const std::string& path, int line, int depth) {
    const TFormToken token = FScanner.Current();
    switch (p.Kind) {
      case TPropKind::Integer:
      case TPropKind::Bool:
      case TPropKind::Enum:
      case TPropKind::Color:
      case TPropKind::ShortCut:
      case TPropKind::Cursor: {
        const int64_t value = Ordinal(p, token, path, line);
        FScanner.Next();
        Guard(line, [&] { p.SetOrd(object, value); });
        return;
      }
      case TPropKind::Set: {
        const int64_t value = ReadSet(p, path, line);
        Guard(line, [&] { p.SetOrd(object, value); });
        return;
      }
      case TPropKind::String:
        if (token.Kind != TFormTokenKind::String) Invalid(path, line);
        FScanner.Next();
        Guard(line, [&] { p.SetString(object, token.Text); });
        return;
      case TPropKind::Binary:
        if (token.Kind != TFormTokenKind::Binary) Invalid(path, line);
        FScanner.Next();
        Guard(line, [&] { p.SetString(object, token.Text); });
        return;
      case TPropKind::Component:
        ReadReference(object, p, path, line);
        return;
      case TPropKind::Event:
        ReadHandler(object, p, path, line);
        return;
      case TPropKind::Strings:
        ReadStrings(object, p, path, line);
        return;
      case TPropKind::Collection:
        ReadCollection(*static_cast<TCollection*>(p.GetObject(object)), path, line, depth);
        return;
      case TPropKind::Object:
        Invalid(path, line);
    }
  }

  int64_t Ordinal(const TPropInfo& p, const TFormToken& token, const std::string& path, int line) const {
    int32_t number = 0;
    if (token.Kind == TFormTokenKind::Integer) {
      if (p.Kind == TPropKind::Bool || p.Kind == TPropKind::Enum) Invalid(path, line);
      if (!TryStrToInt(token.Text, number)) FScanner.Fail("'" + token.Text + "' is not a valid integer value", line);
      return number;
    }
    if (p.Kind == TPropKind::ShortCut && token.Kind == TFormTokenKind::String) {
      const TShortCut shortCut = TextToShortCut(token.Text);
      if (!shortCut && !token.Text.empty()) Invalid(path, line);
      return shortCut;
    }
    if (token.Kind != TFormTokenKind::Ident) Invalid(path, line);
    int64_t value = 0;
    switch (p.Kind) {
      case TPropKind::Bool:
        if (SameText(token.Text, "True")) return 1;
        if (SameText(token.Text, "False")) return 0;
        break;
      case TPropKind::Enum:
        if (p.Names && p.Names->ValueOf(token.Text, value)) return value;
        break;
      case TPropKind::Color: {
        TColor color = 0;
        if (IdentToColor(token.Text, color)) return color;
        break;
      }
      case TPropKind::Cursor: {
        TCursor cursor = 0;
        if (IdentToCursor(token.Text, cursor)) return cursor;
        break;
      }
      default:
        break;
    }
    Invalid(path, line);
  }

  int64_t ReadSet(const TPropInfo& p, const std::string& path, int line) {
    FScanner.Expect('[');
    int64_t bits = 0;
    while (!FScanner.IsSymbol(']')) {
      int64_t value = 0;
      if (FScanner.Current().Kind != TFormTokenKind::Ident || !p.Names || !p.Names->ValueOf(FScanner.Current().Text, value) ||
          value >= 63)
        Invalid(path, line);
      bits |= int64_t{1} << value;
      FScanner.Next();
      if (FScanner.IsSymbol(',')) FScanner.Next();
    }
    FScanner.Next();
    return bits;
  }

  void ReadReference(TPersistent& object, const TPropInfo& p, const std::string& path, int line) {
    const TFormToken token = FScanner.Current();
    if (token.Kind != TFormTokenKind::Ident) Invalid(path, line);
    FScanner.Next();
    if (SameText(token.Text, "nil")) {
      Guard(line, [&] { p.SetComponent(object, nullptr); });
      return;
    }
    if (TComponent* target = Lookup(token.Text)) {
      Guard(line, [&] { p.SetComponent(object, target); });
      return;
    }
    FFixups.push_back({&object, &p, token.Text, line});
  }

  TComponent* Lookup(const std::string& name) const {
    if (SameText(FRoot.Name(), name)) return &FRoot;
    return FRoot.FindComponent(name);
  }

  void ResolveFixups() {
    for (const Fixup& f : FFixups) {
      TComponent* target = Lookup(f.Name);
      if (!target) FScanner.Fail("Component " + f.Name + " not found", f.Line);
      Guard(f.Line, [&] { f.Property->SetComponent(*f.Object, target); });
    }
  }

  void ReadHandler(TPersistent& object, const TPropInfo& p, const std::string& path, int line) {
    const TFormToken token = FScanner.Current();
    if (token.Kind != TFormTokenKind::Ident) Invalid(path, line);
    FScanner.Next();
    const std::any* handler = FHandlers ? FHandlers(token.Text) : nullptr;
    if (!handler) FScanner.Fail("Handler " + token.Text + " not found", line);
    Guard(line, [&] { p.SetEvent(object, *handler); });
  }

  void ReadStrings(TPersistent& object, const TPropInfo& p, const std::string& path, int line) {
    FScanner.Expect('(');
    TStringList lines;
    while (!FScanner.IsSymbol(')')) {
      if (FScanner.Current().Kind != TFormTokenKind::String) Invalid(path, line);
      lines.Add(FScanner.Current().Text);
      FScanner.Next();
    }
    FScanner.Next();
    Guard(line, [&] {
      if (p.SetStrings)
        p.SetStrings(object, lines);
      else
        *p.GetStrings(object) = lines;
    });
  }

  void ReadCollection(TCollection& collection, const std::string& path, int line, int depth) {
    if (depth >= kMaxFormNesting) FScanner.Fail("Objects nested too deeply", line);
    FScanner.Expect('<');
    Guard(line, [&] { collection.Clear(); });
    while (!FScanner.IsSymbol('>')) {
      if (!FScanner.IsIdent("item")) Invalid(path, line);
      const int itemLine = FScanner.Line();
      FScanner.Next();
      TCollectionItem* item = nullptr;
      Guard(itemLine, [&] { item = collection.Add(); });
      while (!FScanner.IsIdent("end")) {
        if (FScanner.Current().Kind == TFormTokenKind::End) FScanner.Fail("'end' expected");
        ReadProperty(*item, depth + 1);
      }
      FScanner.Next();
    }
    FScanner.Next();
  }

  TFormScanner FScanner;
  TComponent& FRoot;
  const THandlerLookup& FHandlers;
  std::vector<TComponent*> FLoaded;
  std::vector<Fixup> FFixups;
};

}  // namespace

void ReadDescription(const std::string& text, TComponent& root, const THandlerLookup& handlers) {
  Reader(text, root, handlers).Read();
}
