#pragma once

#include "CFont.h"
#include "WinDef.h"

// What the diagram elements paint with.

// The fonts of the diagram elements: a face by its Windows name ("신명조", "명조", "굴림체", "궁서"), a height in
// pixels, a weight and, for text that runs downward, an escapement of 2700.
void create_diagram_font(CFont& font, int height, const char* face, int weight = FW_NORMAL, int escapement = 0);

// An icon of the program's resources (407 node, 408 installed component, 411 switch, 412 router and other
// nodes); null without an application.
HICON diagram_icon(UINT id);
