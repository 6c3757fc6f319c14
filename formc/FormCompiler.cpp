#include "formc/FormCompiler.h"

#include <set>
#include <string>
#include <vector>

#include "formc/FormClasses.h"
#include "runtime/FormScanner.h"
#include "runtime/SysUtils.h"

namespace {

// The words C++ keeps for itself: a component or handler so named could not
// become a member or a method.
bool IsCppKeyword(const std::string& word) {
  static const std::set<std::string> keywords = {
      "alignas", "alignof", "and", "and_eq", "asm", "auto", "bitand", "bitor", "bool", "break", "case", "catch",
      "char", "char8_t", "char16_t", "char32_t", "class", "compl", "concept", "const", "consteval", "constexpr",
      "constinit", "const_cast", "continue", "co_await", "co_return", "co_yield", "decltype", "default", "delete",
      "do", "double", "dynamic_cast", "else", "enum", "explicit", "export", "extern", "false", "float", "for",
      "friend", "goto", "if", "inline", "int", "long", "mutable", "namespace", "new", "noexcept", "not", "not_eq",
      "nullptr", "operator", "or", "or_eq", "private", "protected", "public", "register", "reinterpret_cast",
      "requires", "return", "short", "signed", "sizeof", "static", "static_assert", "static_cast", "struct", "switch",
      "template", "this", "thread_local", "throw", "true", "try", "typedef", "typeid", "typename", "union",
      "unsigned", "using", "virtual", "void", "volatile", "wchar_t", "while", "xor", "xor_eq"};
  return keywords.contains(word);
}

// The class library names every event On..., and no other property; the
// reader finds properties without regard to case.
bool IsEventName(const std::string& name) { return name.size() > 2 && SameText(name.substr(0, 2), "On"); }

struct TDesignComponent {
  std::string Name;
  const TFormClass* Class;
};

struct TDesignHandler {
  std::string Name;
  int Line;
};

// What the header is made of: the root's class, the nested components in
// the order the description gives them, and every handler it names.
struct TDesign {
  std::string FormName;
  std::string FormClass;
  std::vector<TDesignComponent> Components;
  std::vector<TDesignHandler> Handlers;
  std::string ClassName() const { return FormClass + "Design"; }
};

// Reads a description by its syntax alone: the form reader checks its
// properties and values against the classes when the form loads.
class TDesignReader {
 public:
  explicit TDesignReader(const std::string& text) : FScanner(text, "?", TFormBinaryData::Skipped) {}

  TDesign Read() {
    if (!FScanner.IsIdent("object")) FScanner.Fail("'object' expected");
    FScanner.Next();
    FDesign.FormName = FScanner.ExpectIdent();
    FScanner.SetFormName(FDesign.FormName);
    FScanner.Expect(':');
    FDesign.FormClass = FScanner.ExpectIdent();
    FNames.insert(UpperCase(FDesign.FormName));
    ReadBody(1);
    if (FScanner.Current().Kind != TFormTokenKind::End) FScanner.Fail("End of description expected");
    return std::move(FDesign);
  }

 private:
  // Properties and nested objects up to "end".
  void ReadBody(int depth) {
    FScanner.ReadBody([&] { ReadChild(depth); }, [&] { ReadProperty(depth); });
  }

  void ReadChild(int depth) {
    if (depth >= kMaxFormNesting) FScanner.Fail("Objects nested too deeply");
    const TFormObject object = FScanner.ReadObjectHead();
    const std::string& name = object.Name;
    const TFormClass* formClass = FindFormClass(object.ClassName);
    if (!formClass)
      FScanner.Fail("Class " + object.ClassName + " is not in the form compiler's table (FormClasses)", object.Line);
    CheckCppName(name, object.Line);
    if (name == FDesign.ClassName() || name == "LoadDesign")
      FScanner.Fail("The name " + name + " is the form compiler's own", object.Line);
    if (!FNames.insert(UpperCase(name)).second)
      FScanner.Fail("A component named " + name + " already exists", object.Line);
    FDesign.Components.push_back({name, formClass});
    ReadBody(depth + 1);
  }

  void ReadProperty(int depth) {
    const int line = FScanner.Line();
    std::string path = FScanner.ExpectIdent();
    std::string last = path;
    while (FScanner.IsSymbol('.')) {
      FScanner.Next();
      last = FScanner.ExpectIdent();
      path += "." + last;
    }
    FScanner.Expect('=');
    if (IsEventName(last))
      ReadHandler(path, line);
    else
      ReadValue(path, line, depth);
  }

  void ReadHandler(const std::string& path, int line) {
    if (FScanner.Current().Kind != TFormTokenKind::Ident) Invalid(path, line);
    const std::string name = FScanner.ExpectIdent();
    CheckCppName(name, line);
    FDesign.Handlers.push_back({name, line});
  }

  void ReadValue(const std::string& path, int line, int depth) {
    switch (FScanner.Current().Kind) {
      case TFormTokenKind::Ident:
      case TFormTokenKind::Integer:
      case TFormTokenKind::String:
      case TFormTokenKind::Binary:
        FScanner.Next();
        return;
      case TFormTokenKind::End:
        Invalid(path, line);
      case TFormTokenKind::Symbol:
        break;
    }
    if (FScanner.IsSymbol('['))
      ReadList(']', TFormTokenKind::Ident, path, line);
    else if (FScanner.IsSymbol('('))
      ReadList(')', TFormTokenKind::String, path, line);
    else if (FScanner.IsSymbol('<'))
      ReadCollection(path, line, depth);
    else
      Invalid(path, line);
  }

  // A set [a, b] of names or a list ('a' 'b') of strings.
  void ReadList(char close, TFormTokenKind kind, const std::string& path, int line) {
    FScanner.Next();
    while (!FScanner.IsSymbol(close)) {
      if (FScanner.Current().Kind != kind) Invalid(path, line);
      FScanner.Next();
      if (kind == TFormTokenKind::Ident && FScanner.IsSymbol(',')) FScanner.Next();
    }
    FScanner.Next();
  }

  void ReadCollection(const std::string& path, int line, int depth) {
    if (depth >= kMaxFormNesting) FScanner.Fail("Objects nested too deeply", line);
    FScanner.Next();
    while (!FScanner.IsSymbol('>')) {
      if (!FScanner.IsIdent("item")) Invalid(path, line);
      FScanner.Next();
      while (!FScanner.IsIdent("end")) {
        if (FScanner.Current().Kind == TFormTokenKind::End) FScanner.Fail("'end' expected");
        ReadProperty(depth + 1);
      }
      FScanner.Next();
    }
    FScanner.Next();
  }

  void CheckCppName(const std::string& name, int line) const {
    if (IsCppKeyword(name)) FScanner.Fail("The name " + name + " is a C++ keyword", line);
  }

  [[noreturn]] void Invalid(const std::string& path, int line) const {
    FScanner.Fail("Invalid property value for " + path, line);
  }

  TFormScanner FScanner;
  TDesign FDesign;
  std::set<std::string> FNames;  // in capitals: the reader finds components without regard to case
};

// The header's text, line by line, knowing its own line numbers for #line.
class THeaderText {
 public:
  void Add(const std::string& line) {
    FText += line + "\n";
    ++FLines;
  }
  // The next line is numbered line of file.
  void LineOf(int line, const std::string& file) { Add("#line " + IntToStr(line) + " " + Quoted(file)); }
  // The next line is numbered as it stands in this file.
  void BackTo(const std::string& file) { LineOf(FLines + 2, file); }
  const std::string& Text() const { return FText; }

  static std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
      if (c == '"' || c == '\\') quoted += '\\';
      quoted += c;
    }
    return quoted + "\"";
  }

 private:
  std::string FText;
  int FLines = 0;
};

std::string HeaderOf(const TDesign& design, const std::string& path, const std::string& headerPath) {
  const std::string name = design.ClassName();
  std::set<std::string> includes = {"windowing/Form.h", "windowing/FormResources.h"};
  for (const TDesignComponent& component : design.Components) includes.insert(component.Class->Header);

  THeaderText h;
  h.Add("// Made by the form compiler from " + ExtractFileName(path) + "; edit the description, not this file.");
  h.Add("// " + name + ": the components of the form " + design.FormName + ", typed, and the");
  h.Add("// handlers its description names, bound to the methods of " + design.FormClass + ".");
  h.Add("#pragma once");
  h.Add("");
  for (const std::string& include : includes) h.Add("#include " + THeaderText::Quoted(include));
  h.Add("");
  h.Add("class " + name + " {");
  h.Add(" public:");
  for (const TDesignComponent& component : design.Components)
    h.Add("  " + std::string(component.Class->Name) + "* " + component.Name + " = nullptr;");
  h.Add("");
  h.Add(" protected:");
  h.Add("  // Binds the description's handlers to the form's methods, reads the");
  h.Add("  // description into the form, sets the members, then runs OnCreate.");
  h.Add("  template <class F>");
  h.Add("  void LoadDesign(F& form);");
  h.Add("};");
  h.Add("");
  h.Add("template <class F>");
  h.Add("void " + name + "::LoadDesign(F& form) {");
  for (const TDesignHandler& handler : design.Handlers) {
    h.LineOf(handler.Line, path);
    h.Add("  form.AddHandler(\"" + handler.Name + "\", &F::" + handler.Name + ");");
  }
  if (!design.Handlers.empty()) h.BackTo(headerPath);
  const std::string resource = "LoadFormResource(\"" + UpperCase(design.FormClass) + "\")";
  if (design.Components.empty()) {
    h.Add("  form.LoadDescription(" + resource + ");");
  } else {
    h.Add("  form.LoadDescription(" + resource + ", [this, &form] {");
    h.Add("    const TForm& loaded = form;");
    for (const TDesignComponent& component : design.Components)
      h.Add("    " + component.Name + " = &loaded.Named<" + component.Class->Name + ">(\"" + component.Name + "\");");
    h.Add("  });");
  }
  h.Add("}");
  return h.Text();
}

}  // namespace

std::string CompileFormDescription(const std::string& text, const std::string& path, const std::string& headerPath) {
  return HeaderOf(TDesignReader(text).Read(), path, headerPath);
}
