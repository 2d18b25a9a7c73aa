// Tells the player, once per failed save, which file could not be written and why.
#pragma once

#include "core/Screen.h"
#include "modes/DataFiles.h"

namespace kelvora {

void ReportSaveFailure(Screen& screen, const SaveFailure& failure);

}  // namespace kelvora
