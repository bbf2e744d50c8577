// Readers beside a long change: an import that another session keeps open holds the rows it changed, and a
// reader of those rows must answer at once from what was committed, not wait for the import to end.

#include "../system/SystemCalls.h"
#include "SharingTestSupport.h"

using namespace tamo::testing;
using namespace tamo::testing::sharing;

namespace {

ConnectionValues Design() { return TestDatabase::Prepare("sharing_readers", true); }

// Changes that lock the sample's domains, a data item, a method, an interface, a node, a component and the
// administrator's own account row, in one transaction that stays open.
const char* const kImport[] = {
    "START TRANSACTION",
    "call xmldocumentViewimportDomain(1, 0, 'data', 'Nav', 0, 1, '항법 데이타, 가져오는 중')",
    "call xmldocumentViewimportDomain(2, 1, 'data', 'Pos', 0, 1, '위치 데이타, 가져오는 중')",
    "call xmldocumentViewimportDomain(3, 0, 'data', '기본형', 0, 1, '가져오는 중')",
    "call xmldocumentViewimportDomain(6, 0, 'method', 'NavService', 10000, 1, '가져오는 중')",
    "call xmldocumentViewimportDomain(7, 6, 'method', '위치서비스', 10001, 1, '가져오는 중')",
    "call domainViewEditDomain(9, 'system', 'Ship', 0, '1', '가져오는 중')",
    "call domainViewEditDomain(10, 'system', '조타실', 0, '1', '가져오는 중')",
    "call xmldocumentViewimportData(2, '위치', 'struct', '', 0, '', '', '', '가져오는 중')",
    // An alias of Pos that uses Pos's own data: the data list asks whether there is one to order its rows.
    "call xmldocumentViewimportData(2, 'Course', 'alias', '', 2, 'CourseOverGround', '', '', '가져오는 중')",
    "call xmldocumentViewimportMethod(6, 'Ping', 'SIGNAL', 64, 0, '', 0, '', '가져오는 중')",
    "call xmldocumentViewimportInterface(6, 'INavigation', '가져오는 중')",
    "call NodeViewEditNode({node:스위치 A}, 9, '스위치 A', 'switch', '가져오는 중', 0, 0)",
    "call ComponentViewEditComponent({component:위치 표시기}, 9, '위치 표시기', '가져오는 중')",
    "call acountViewEditAcount('admin', 'admin', '가져오는 중')",
};

// What the trees, the dialogs, the search pane, the diagrams and the exporters read.
const char* const kReaders[] = {
    "call loginResult()",
    "call acountViewUserinfo()",
    "call acountInfoAccessUser()",
    "call acountlistViewAcountList('%%')",
    "call mainViewDomainList(0, 'data')",
    "call mainViewDomainList(1, 'data')",
    "call mainViewDomainAllList('%%', 'method')",
    "call domainDataInfo(2, 'data')",
    "call domainMethodInfo(6, 'method')",
    "call domain_table_Info(2, 'data')",
    "call domainViewDomainInfo(9, 'system')",
    "call get_domain_path(2, 'data')",
    "call userViewUserList(1, 'data', '%%', 'all')",
    "call inheritance_data_dataViewDomainList(2)",
    "call inheritance_method_dataViewDomainList(6)",
    "call inheritance_method_methodViewDomainList(7)",
    "call domainviewCheckOverlapDomainName(0, 0, 'Nav', 'data')",
    "call select_search_data_name('N')",
    "call select_search_method_name('P')",
    "call select_search_system_name('S')",
    "call metadataViewMetadataList(2, '%%', 'data')",
    "call metadataViewMetadataListByTypeSort(2, '%%', 'data')",
    "call metadataViewMetafieldList(2, '위치', 'data')",
    "call metadataViewNewMetadataRealdomainList(2)",
    "call metadataViewNewMetadataRealmetadataList(2)",
    "call check_child_depth_limit_loop(2, 'Anything', 0)",
    "call methodViewMethodList(6, 'method', 'ALL', '%', '%')",
    "call methodViewNewMethodRealdomainList(6)",
    "call check_method_code(6, 1, 'CALL', '')",
    "call interfaceViewInterfaceList(6, 'method', '%%')",
    "call interfaceViewMemberMethodList(6, 'method', 'INavigation')",
    "call interfaceViewParentInterfaceList(7, 'method', 'I위치')",
    "call interfaceViewNewMemberMethodRealmethodList(6, 6, 'INavigation')",
    "call nodeViewList(9)",
    "call nodeViewnodeinfo({node:스위치 A})",
    "call nodeViewListnodeKey({node:스위치 A})",
    "call networkViewList({node:주 라우터})",
    "call NetworklinkViewNetworkinkList(9)",
    "call networkLinkViewConnectSwitch({node:스위치 A})",
    "call systemDomainPortViewList(9)",
    "call domainLogicalViewlist(9)",
    "call nodeportViewNodeportInfo({node:조타실 시스템})",
    "call nodeViewNetworkPort(10, {node:조타실 시스템})",
    "call componentViewList(9)",
    "call componentEntityViewcomponentinfoList({component:위치 표시기})",
    "call proxyInterfaceViewList({component:위치 표시기})",
    "call proxyInterfaceObjectViewList({class:위치 표시기/proxy/class_위치})",
    "call nodeDeploymentViewInstallList(9, {node:항해 컴퓨터})",
    "call deploymentsViewDeploymentslist(10, {component:조타 제어기})",
    "call deployments_bind_table_info({deployment:항해 컴퓨터/항법 관리자})",
    "call coustim_proxyViewlistinfo({node:Captain's PC}, {component:위치 표시기})",
    "call switchSubComponentInfo({node:조타실 시스템})",
    "call select_all_deploy_component_only_proxy(9)",
    "call check_system_lock_domain(10)",
    "call check_system_lock_component(9, {component:위치 표시기})",
    "call check_clone_component(9, {component:위치 표시기})",
};

TEST(Readers, DoNotWaitForAnotherSessionsOpenImport) {
    const ConnectionValues server = Design();
    const system::SampleIds ids(server.database);
    TestConnection importer(server);
    ASSERT_TRUE(importer.Login("admin", "admin"));
    for (const char* statement : kImport) {
        const RunResult result = importer.Run(ids.Expand(statement));
        ASSERT_TRUE(result.ok) << statement << ": " << result.error;
    }

    for (const char* account : {"admin", "user"}) {
        TestConnection reader(server);
        // The import holds its rows until it ends: a reader that waited for one would fail with the server's
        // lock wait timeout, here after a second instead of fifty.
        ASSERT_TRUE(reader.Run("SET SESSION innodb_lock_wait_timeout = 1").ok);
        ASSERT_TRUE(reader.Login(account, account));
        for (const char* call : kReaders) {
            const RunResult result = reader.Run(ids.Expand(call));
            EXPECT_TRUE(result.ok) << account << ": " << call << ": " << result.error;
        }
    }
    EXPECT_TRUE(importer.Run("ROLLBACK").ok);
}

}  // namespace
