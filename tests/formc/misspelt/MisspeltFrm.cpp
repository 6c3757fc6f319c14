// Its description binds btnOK's OnClick to btnOKClik, a method this form
// does not have: it must not compile.
#include "tests/formc/misspelt/MisspeltFrm.dfm.h"

class TfrmMisspelt : public TForm, public TfrmMisspeltDesign {
 public:
  explicit TfrmMisspelt(TComponent* owner) : TForm(owner) { LoadDesign(*this); }
  void btnOKClick(TComponent*) {}
};
