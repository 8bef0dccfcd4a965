#include "gui/Interchange.h"

namespace planova {

// Programs that link the interchange code (tests, benchmarks, the command line) use it directly.
Interchange* Interchange::Get(QWidget*)
{
    return &LinkedInterchange();
}

} // namespace planova
