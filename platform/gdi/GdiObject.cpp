#include "platform/gdi/GdiObject.h"

BOOL DeleteObject(HGDIOBJ object) {
  if (!object || object->selections > 0) return FALSE;
  if (!object->permanent) delete object;
  return TRUE;
}
