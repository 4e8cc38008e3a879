// The windows' side of the project file: what the writer takes from the cost window, the
// ecological calculator, the report options and the main window, and what a read puts back.
// A window that does not exist gives empty inputs and takes no updates.
#pragma once

#include <cstdint>

#include "project/project_format.h"

namespace project {

WindowInputs GatherWindowInputs();
void ApplyWindowUpdates(const WindowUpdates& updates);
// The heating types the fuel catalogue of the main window offers.
int32_t FuelRows();

}  // namespace project
