// The whole shell of クラント at once, for its tests and benchmarks; the
// shell's own files include the headers they use.
#pragma once

#include "app/app_state.h"
#include "app/address_dialog.h"
#include "app/address_list_dialog.h"
#include "app/build_dialog.h"
#include "app/child_controls.h"
#include "app/commands.h"
#include "app/conditions.h"
#include "app/csv_codes.h"
#include "app/downloads_ui.h"
#include "app/layout.h"
#include "app/location_lists.h"
#include "app/main_window.h"
#include "app/menus.h"
#include "app/office_answer.h"
#include "app/result_pages.h"
#include "app/running_window.h"
#include "app/saved_lists_ui.h"
#include "app/search_mode.h"
#include "app/settings_load.h"
