// The network accessor of the DOM library, in place of the distribution's.
//
// The exporters link the library statically. Its platform start-up creates its network accessor by this class
// name, and the distribution's accessor would link curl with it, and with curl some thirty libraries whose
// loading took a run longer than the mariadb client needs to start. The exporters build documents and write
// them and read nothing through the library, so this accessor refuses every URL.
#include <xercesc/util/NetAccessors/Curl/CurlNetAccessor.hpp>
#include <xercesc/util/XMLExceptMsgs.hpp>
#include <xercesc/util/XMLNetAccessor.hpp>

XERCES_CPP_NAMESPACE_BEGIN

int CurlNetAccessor::fgCurlInitCount = 0;
const XMLCh CurlNetAccessor::fgMyName[] = u"NoNetAccess";

CurlNetAccessor::CurlNetAccessor() = default;

CurlNetAccessor::~CurlNetAccessor() = default;

BinInputStream* CurlNetAccessor::makeNew(const XMLURL&, const XMLNetHTTPInfo*) {
    ThrowXML(NetAccessorException, XMLExcepts::NetAcc_InitFailed);
}

void CurlNetAccessor::initCurl() {}

void CurlNetAccessor::cleanupCurl() {}

XERCES_CPP_NAMESPACE_END
