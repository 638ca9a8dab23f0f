#include "toolkit/component/TPersistent.h"

#include "platform/text/Utf.h"
#include "toolkit/component/ComponentErrors.h"

namespace qb {

void TPersistent::Assign(const TPersistent* source) {
  if (!source) throw EAssignError("Cannot assign a nil to a " + ToUtf8(ClassName()));
  source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest) const {
  throw EAssignError("Cannot assign a " + ToUtf8(ClassName()) + " to a " +
                     ToUtf8(dest->ClassName()));
}

}  // namespace qb
