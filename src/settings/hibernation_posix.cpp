#include "settings/hibernation.h"

namespace quellon {

bool QueryHibernationAllowed() { return false; }

}  // namespace quellon
