#include "platform/window/SystemMetrics.h"

#include "platform/window/UiThread.h"

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN: return qb::CurrentBackend().ScreenSize().cx;
    case SM_CYSCREEN: return qb::CurrentBackend().ScreenSize().cy;
    case SM_CYCAPTION: return 19;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXFIXEDFRAME:
    case SM_CYFIXEDFRAME: return 3;
    case SM_CXSIZE:
    case SM_CYSIZE: return 18;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CMONITORS: return 1;
    default: return 0;
  }
}

BOOL SystemParametersInfo(UINT action, UINT, void* pvParam, UINT) {
  if (!pvParam) return FALSE;
  switch (action) {
    case SPI_GETWORKAREA: *static_cast<RECT*>(pvParam) = qb::CurrentBackend().WorkArea(); return TRUE;
    case SPI_GETDRAGFULLWINDOWS: *static_cast<BOOL*>(pvParam) = TRUE; return TRUE;
    default: return FALSE;
  }
}
