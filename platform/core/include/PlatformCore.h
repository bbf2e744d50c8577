#pragma once

// Everything of the platform layer that needs no window: texts, numbers, geometry, the C runtime forms and
// the resource table. Widget-free modules include this (or the single headers) and link tamo_platform_core.

#include "AfxRes.h"
#include "CPoint.h"
#include "CRect.h"
#include "CSize.h"
#include "CString.h"
#include "CrtCompat.h"
#include "ResourceTable.h"
#include "Utf8.h"
#include "WinDef.h"
#include "WinGdi.h"
#include "WinUser.h"
