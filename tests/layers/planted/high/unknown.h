#pragma once
// A folder the table does not know.
#include "elsewhere/thing.h"
