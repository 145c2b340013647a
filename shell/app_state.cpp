#include "shell/app_state.h"

namespace grovan {

void AppState::initialiseAll()
{
    // The last taxable income survives on purpose: the quick tax calculator keeps showing the
    // breakdown of the latest calculation after the other calculators are reset.
}

} // namespace grovan
