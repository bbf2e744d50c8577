#include "DiagramDocument.h"

// The network elements are not part of the diagram core; a document that creates them overrides these.
void DiagramDocument::AddSwitch() {}
void DiagramDocument::AddRouter() {}
void DiagramDocument::AddInsidePc() {}
