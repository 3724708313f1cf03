// Repairs applied to elements read from files of older versions: defaults
// for properties older files lack and properties moved to new ids. Each
// element kind's repairs are rows of the tables in element_upgrades.cpp.
#pragma once

#include "model/platform/types.h"

class CTwfObj;

// Before the element's record is read (date-time defaults that the record
// may then override).
void ApplyUpgradesBeforeRecord(CTwfObj& element, WORD version);
// After the element's record (and its kind's additions) has been read.
void ApplyUpgradesAfterRecord(CTwfObj& element, WORD version);
