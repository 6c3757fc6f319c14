// The import dialog: before a filter file joins the filter library (the
// Filters folder beside the program), it shows what the file says of itself
// (brand, model, author and description) and asks whether to add it.
#pragma once

#include <string>

#include "app/ImportFilterFrm.dfm.h"
#include "filters/FilterAccess.h"
#include "runtime/StringList.h"
#include "windowing/Form.h"

class TfrmImportFilter : public TForm, public TfrmImportFilterDesign {
 public:
  explicit TfrmImportFilter(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Shows the four texts and the dialog modally; true when it closes with OK.
  bool Ask(const std::string& brand, const std::string& model, const std::string& description,
           const std::string& author);

  void btnHelpClick(TComponent* Sender);
};

// Asks for each file, in the order given, whether to add it to the filter
// library in filtersFolder, and copies each one confirmed there (under a
// new name when its own is taken). A copy that fails is reported in a
// warning and the next file follows; a file that cannot be read raises
// (EFOpenError) and ends the import there, keeping the files added before
// it. Returns the number of files added.
int ImportFilterFiles(const TStringList& files, const std::string& filtersFolder = GetFiltersFolder());
