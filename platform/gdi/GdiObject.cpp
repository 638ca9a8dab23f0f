#include "platform/gdi/GdiObject.h"

BOOL DeleteObject(HGDIOBJ object) {
  if (!object) return FALSE;
  delete object;
  return TRUE;
}
