#include "ConsoleCodePage.h"

namespace tamo::exporters {

void set_console_utf8() {}

void restore_console_codepage() {}

}  // namespace tamo::exporters
