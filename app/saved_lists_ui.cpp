#include "app/shell.h"

namespace kuranto {

// The conditions list and the record log start empty and are not kept yet.

void LoadSavedLists() {}

void SaveSavedLists() {}

void RestoreSelectedCondition() {}

}  // namespace kuranto
