// Screen and system settings, from the display backend.
#pragma once

#include "platform/WinTypes.h"

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXFIXEDFRAME = 7;
constexpr int SM_CYFIXEDFRAME = 8;
constexpr int SM_CXSIZE = 30;
constexpr int SM_CYSIZE = 31;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CMONITORS = 80;

int GetSystemMetrics(int index);  // 0 for an index not listed above

constexpr UINT SPI_GETDRAGFULLWINDOWS = 0x0026;
constexpr UINT SPI_GETWORKAREA = 0x0030;

// SPI_GETWORKAREA fills a RECT, SPI_GETDRAGFULLWINDOWS a BOOL (always TRUE:
// windows are moved with their content).
BOOL SystemParametersInfo(UINT action, UINT uiParam, void* pvParam, UINT winIni);
