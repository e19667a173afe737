// The functions that the module exports to its host (see docs/host-api.md).
#pragma once

#include <cstdint>

extern "C" {
std::int32_t tsxGetData(void* block, std::int32_t hostParam);
std::int32_t tsxOnLeftClick();
void tsxOnRightClick();
void tsxDeactivate();
}
