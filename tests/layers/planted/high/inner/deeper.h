#pragma once
#include "high/top.h"
#include "low/base.h"
