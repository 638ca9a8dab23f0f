// The definition text of our skin: the fixed sections, one section per
// frame object and one per skinned control, with CR LF line breaks.
#pragma once

#include <string>

#include "tools/skingen/ControlSheet.h"

namespace qb::skingen {

std::string SkinDefinitionText(const ControlSheet& controls);

}  // namespace qb::skingen
