#pragma once

#include "CString.h"

// The search call of a tree (0 data, 1 method, 2 system) for a word as typed; empty for any other tree.
CString FormatReferenceSearch(int treeKind, const CString& word);
