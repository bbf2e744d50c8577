// Compiled by the tests only, one case at a time (CALL_FORMAT_CASE): case 0 must compile, every other case
// must be refused by the compiler with the fault it names.

#include "CCallFormat.h"

#if CALL_FORMAT_CASE == 0
[[maybe_unused]] void Accepted() {
    CCallFormat<int, const char*> a("call x(%d,'%s')");
    CCallFormat<const char*> b("call acountlistViewAcountList('%%%s%%')");
    CCallFormat<> c("call acountInfoAccessUser()");
    CCallFormat<long, unsigned, CString, std::string> d("call w(%ld,'%u' , '%s', '%s')");
    CCallFormat<const char*> e("call standard_portViewCheckPort('%s/%%')");
    CCallFormat<int> f("call metadataViewMetadataListByTypeSort(%d,'%%%%', 'data')");
    CCallFormat<int, int> g("call x(%-5d, %04X)");
}
#elif CALL_FORMAT_CASE == 1
[[maybe_unused]] void Refused() { CCallFormat<const char*> f("call nodecomponentViewstubcomponentlist(%s, 'x')"); }
#elif CALL_FORMAT_CASE == 2
[[maybe_unused]] void Refused() { CCallFormat<int> f("call x('%s')"); }
#elif CALL_FORMAT_CASE == 3
[[maybe_unused]] void Refused() { CCallFormat<const char*> f("call x(%d)"); }
#elif CALL_FORMAT_CASE == 4
[[maybe_unused]] void Refused() { CCallFormat<int> f("call x(%d, %d)"); }
#elif CALL_FORMAT_CASE == 5
[[maybe_unused]] void Refused() { CCallFormat<int, int> f("call x(%d)"); }
#elif CALL_FORMAT_CASE == 6
[[maybe_unused]] void Refused() { CCallFormat<int> f("call x(%f)"); }
#elif CALL_FORMAT_CASE == 7
[[maybe_unused]] void Refused() { CCallFormat<const char*> f("call x('%10s')"); }
#elif CALL_FORMAT_CASE == 8
[[maybe_unused]] void Refused() { CCallFormat<const char*> f("call x('%s)"); }
#endif
