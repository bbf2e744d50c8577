#pragma once

namespace tamo::exporters {

// pelvane and quorrin switch the console to UTF-8 for their run and back afterwards. A Linux terminal takes
// the UTF-8 they write as it is, so both are no-ops here.
void set_console_utf8();
void restore_console_codepage();

}  // namespace tamo::exporters
