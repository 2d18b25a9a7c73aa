// Tells the player, once per failed save, which files could not be written and why.
#pragma once

#include <vector>

#include "core/Screen.h"
#include "modes/DataFiles.h"

namespace kelvora {

// Shows nothing when every file was written.
void ReportSaveFailures(Screen& screen, const std::vector<SaveFailure>& failures);

}  // namespace kelvora
