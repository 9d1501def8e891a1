#include "support/UpdateReminder.h"

#include "platform/Platform.h"

namespace orvanta {

// Placeholder until the reminder is built: asks nothing.
void RemindOfUpdate(Platform&) {}

}  // namespace orvanta
