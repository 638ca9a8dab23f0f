// The record class each type text of [SKINOBJECTS] and [SKINCONTROLS]
// entries selects. Type texts are compared exactly; an unknown type gives
// no record.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "skin/data/TskDataSkinControl.h"
#include "skin/data/TskDataSkinObject.h"

namespace qb {

std::unique_ptr<TskDataSkinObject> CreateSkinObject(std::u16string_view type, std::u16string name);
std::unique_ptr<TskDataSkinControl> CreateSkinControl(std::u16string_view type, std::u16string name);

}  // namespace qb
