// Events are callable members: a component calls its event member when it is
// set. A form binds its handler with a lambda that forwards to the member
// function named after the component and the event.
#pragma once

#include <functional>

#include "toolkit/component/TObject.h"

namespace qb {

using TNotifyEvent = std::function<void(TObject* sender)>;

}  // namespace qb
