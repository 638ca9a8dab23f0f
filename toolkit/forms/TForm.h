// The form programs derive their windows from.
#pragma once

#include "toolkit/forms/TCustomForm.h"

namespace qb {

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
};

}  // namespace qb
