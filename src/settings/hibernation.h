// Whether the system allows hibernation (powrprof.dll's
// IsPwrHibernateAllowed, looked up at run time); false where the library or
// the function is missing, and on systems without it.
#pragma once

namespace quellon {

bool QueryHibernationAllowed();

}  // namespace quellon
