#pragma once
// An upward include: what the checker must refuse.
#include "high/top.h"
