#pragma once

#include "table/RecordTable.h"

// Text order of the record tables: the system locale's collation with letter
// case significant.
tvx::TextCompare localeTextCompare();
