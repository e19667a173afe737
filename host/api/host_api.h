// Direct declarations of the host functions that the stand-in implements, for
// programs linked against tsxapi.dll: its tests, and qmhost. (The plug-in never
// links the host library: it binds these names at run time.)
#pragma once

#include "shell/tsx_types.h"

extern "C" {
#define QM_STANDIN_DECLARE(name, result, params) result TSXAPI name params;
QM_HOST_API_TYPED(QM_STANDIN_DECLARE)
#undef QM_STANDIN_DECLARE
}
