#pragma once

// Every control of the kit, for code that builds or binds a whole window.

#include "kit/bars.h"
#include "kit/buttons.h"
#include "kit/check_controls.h"
#include "kit/control.h"
#include "kit/control_set.h"
#include "kit/edit_field.h"
#include "kit/form.h"
#include "kit/item_controls.h"
#include "kit/list_view.h"
#include "kit/page_control.h"
#include "kit/pickers.h"
#include "kit/popup_menu.h"
#include "kit/static_controls.h"
#include "kit/string_grid.h"
#include "kit/tree_view.h"
