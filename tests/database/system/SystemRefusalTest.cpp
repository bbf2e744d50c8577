// The refusals that the system procedures decide themselves: duplicates, locks, cycles, things in use, bad
// values and missing rights, each answered with the status 0 and the Korean reason. Every case is refused,
// so the sample stays as it is.
#include <gtest/gtest.h>

#include "SystemCalls.h"

using namespace tamo::testing;
using namespace tamo::testing::system;

namespace {

ConnectionValues Sample() { return TestDatabase::Prepare("system_refusals", true); }
const SampleIds& Ids() {
    static SampleIds ids("t_system_refusals_sample");
    return ids;
}

struct RefusalCase {
    const char* what;
    const char* user;  // logs in with the same text as password
    const char* call;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.what; }

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, AnswerStatusZeroAndTheReason) {
    TestConnection db(Sample());
    ASSERT_TRUE(db.Login(GetParam().user, GetParam().user));
    ExpectRefusal(db.Run(Ids().Expand(GetParam().call)), GetParam().message);
}

const char* kPortsLocked = "상위 도메인의 Subsystem Node에 Lock이 설정되어 있어 포트를 바꿀 수 없습니다.";
const char* kLinkLocked = "상위 Subsystem Node가 LOCK 상태라 Networklink를 바꿀 수 없습니다.";
const char* kComponentLocked = "*수정 불가* 외부 시스템과 연결된 컴포넌트 입니다. 상위 시스템은 Lock 상태 입니다.";

INSTANTIATE_TEST_SUITE_P(
    Duplicates, Refusals,
    ::testing::Values(
        RefusalCase{"node name", "admin", "call nodeNewNodes(9,'스위치 A','switch','', 0)",
                    "같은 도메인에 같은 이름의 노드가 이미 있습니다."},
        RefusalCase{"node name on edit", "admin",
                    "call NodeViewEditNode({node:스위치 A}, 9,'주 라우터','switch','', 0, 0)",
                    "같은 도메인에 같은 이름의 노드가 이미 있습니다."},
        RefusalCase{"component name", "admin", "call componentsNewcomponent(9,'항법 관리자','')",
                    "같은 도메인에 같은 이름의 컴포넌트가 이미 있습니다."},
        RefusalCase{"class name in a component", "admin",
                    "call proxyInterfaceRalationViewNewInterface({component:위치 표시기}, 6,'IHeartbeat','class_Waypoint')",
                    "컴포넌트에 같은 이름의 클래스가 이미 있습니다."},
        RefusalCase{"class name bound to another interface", "admin",
                    "call insertProxyInserfaceRelation(9, {component:위치 표시기}, 6,'IHeartbeat','class_Waypoint', 'o')",
                    "같은 이름의 클래스가 다른 인터페이스에 있습니다."},
        RefusalCase{"object name in a class", "admin",
                    "call proxyInterfaceObjectViewNewObjectName({class:위치 표시기/proxy/class_위치}, "
                    "'object_proxy_위치','{component:위치 표시기}')",
                    "클래스에 같은 이름의 객체가 이미 있습니다."},
        RefusalCase{"port", "admin", "call domainPortViewNewPort(9, 1, 1, '')", "포트 1은(는) 이미 있습니다."},
        RefusalCase{"logical port", "admin", "call domainLogicalPortViewNewPortGroup(9, 1)",
                    "논리 포트 1은(는) 이미 있습니다."},
        RefusalCase{"link from a linked port", "admin",
                    "call NetworklinkViewNewNetworkink({node:항해 컴퓨터}, 0, 1, {node:주 라우터}, 0, 4)",
                    "시작 노드의 포트 1에는 이미 링크가 있습니다."},
        RefusalCase{"IP on the same port", "admin",
                    "call networkNewip({node:항해 컴퓨터}, '192.168.1.10','255.255.255.0','192.168.1.X','0.0.0.0',"
                    "'0.0.0.0','1','')",
                    "이 노드의 같은 포트에 같은 IP가 이미 있습니다."},
        RefusalCase{"component installed twice", "admin",
                    "call nodeDeploymentViewNewcomponent({node:항해 컴퓨터}, {component:항법 관리자}, 9, 0)",
                    "노드에 이미 설치된 컴포넌트입니다."},
        RefusalCase{"object installed twice", "admin",
                    "call coustum_proxyViewNewobjectid({deployment:Captain's PC/위치 표시기}, "
                    "{class:위치 표시기/proxy/class_위치}, NULL, 'object_proxy_위치')",
                    "이미 설치된 객체입니다."}));

INSTANTIATE_TEST_SUITE_P(
    Locks, Refusals,
    ::testing::Values(
        RefusalCase{"port of a locked domain", "admin", "call domainPortViewNewPort(10, 7, 7, '')", kPortsLocked},
        RefusalCase{"port group of a locked domain", "admin", "call domainLogicalPortViewNewPortGroup(10, 7)",
                    kPortsLocked},
        RefusalCase{"port deleted in a locked domain", "admin", "call domainPortViewDeletePort(10, 2)", kPortsLocked},
        RefusalCase{"link to a locked external port", "admin",
                    "call NetworklinkViewNewNetworkink({node:조타 컴퓨터}, 0, 2, 0, 10, 2)", kLinkLocked},
        RefusalCase{"link leaving a locked domain changed", "admin",
                    "call NetworklinkViewEditNetworkink({node:조타 스위치}, 2, {node:조타 스위치}, 0, 2, 0, 10, 2)",
                    kLinkLocked},
        RefusalCase{"link leaving a locked domain deleted", "admin",
                    "call netWorkLinkViewDeleteNetWorkLink({node:조타 스위치}, 2)",
                    "상위 Subsystem Node가 LOCK 상태라 Networklink를 지울 수 없습니다."},
        RefusalCase{"IP on a locked node port", "admin",
                    "call networkNewip({node:조타 스위치}, '192.168.1.31','255.255.255.0','192.168.1.X','0.0.0.0',"
                    "'0.0.0.0','2','')",
                    "*수정 불가* Node port 2은(는) 상위 System과 연결되어 있고, System은 Lock 상태입니다."},
        RefusalCase{"IP moved off a locked node port", "admin",
                    "call networkViewEditip({node:조타 스위치}, '192.168.1.30','192.168.1.30','255.255.255.0',"
                    "'192.168.1.X','0.0.0.0','0.0.0.0','2','1','')",
                    "*수정 불가* Node port 2은(는) 상위 System과 연결되어 있고, System은 Lock 상태입니다."},
        RefusalCase{"node holding a locked port", "admin", "call nodeDeleteNodes({node:조타 스위치})",
                    "상위 시스템의 Subsystem Node가 Lock 상태라 이 노드를 지울 수 없습니다."},
        RefusalCase{"component installed on a locked node edited", "admin",
                    "call ComponentViewEditComponent({component:조타 제어기}, 10, '조타기', '')", kComponentLocked},
        RefusalCase{"component installed on a locked node deleted", "admin",
                    "call componentViewDeletecomponent({component:조타 제어기}, 10)",
                    "*삭제 불가* SubsystemNode에 설치되어 있으며, SubsystemNode가 Lock상태입니다."},
        RefusalCase{"object added to a locked component", "admin",
                    "call stubInterfaceObjectViewNewObjectName({class:조타 제어기/stub/class_위치}, 'object_new',"
                    "'{component:조타 제어기}')",
                    kComponentLocked},
        RefusalCase{"locked class deleted", "admin",
                    "call stubInterfaceRalationDeleteInterface({class:조타 제어기/stub/class_위치})",
                    "*삭제 불가* 외부 시스템과 연결된 Class 입니다. 현재 외부 시스템은 Lock 상태 입니다."},
        RefusalCase{"locked class rebound", "admin",
                    "call stubInterfaceRalationViewEditInterface({class:조타 제어기/stub/class_위치}, 6, "
                    "'IHeartbeat','class_위치')",
                    "*수정 불가* 외부 시스템과 연결된 Class 입니다. 현재 외부 시스템은 Lock 상태 입니다."},
        RefusalCase{"locked object renamed", "admin",
                    "call stubInterfaceObjectViewEditObjectName({class:조타 제어기/stub/class_위치}, "
                    "'object_stub_위치', {component:조타 제어기}, 'object_renamed')",
                    "*수정 불가* 외부 시스템과 연결된 object 입니다. 현재 외부 시스템은 Lock 상태 입니다."},
        RefusalCase{"public flag in a locked domain", "admin",
                    "call coustum_ViewEditobjectid({entry:조타 컴퓨터/object_stub_위치}, 301, 1, 0)",
                    "*수정 불가* 상위 System이 Lock 상태라 Public을 바꿀 수 없습니다."},
        RefusalCase{"public object id in a locked domain", "admin",
                    "call coustum_ViewEditobjectid({entry:조타 컴퓨터/object_stub_위치}, 999, 1, 1)",
                    "*수정 불가* 상위 System과 연결된 Object입니다. 상위 System이 Lock 상태입니다."},
        RefusalCase{"clones removed from a locked domain", "admin",
                    "call delete_subsystem_object({entry:조타 컴퓨터/object_stub_위치}, "
                    "{deployment:조타 컴퓨터/조타 제어기}, 1)",
                    "*수정 불가* 상위 System이 Lock 상태라 서브시스템에 설치된 object를 지울 수 없습니다."},
        RefusalCase{"object installed on a locked node", "admin",
                    "call coustum_proxyViewNewobjectid({clone:조타실 시스템/조타 제어기}, "
                    "{class:조타 제어기/proxy/class_Heartbeat}, NULL, 'object_proxy_hb')",
                    "*수정 불가* Lock 상태인 SubsystemNode에는 객체를 설치할 수 없습니다."}));

INSTANTIATE_TEST_SUITE_P(
    InUseAndCycles, Refusals,
    ::testing::Values(
        RefusalCase{"domain port used by a link", "admin", "call domainPortViewDeletePort(9, 3)",
                    "포트 3은(는) 네트워크 링크에 연결되어 있어 지울 수 없습니다. 링크를 먼저 지우세요."},
        RefusalCase{"domain port renumbered under a link", "admin", "call domainPortViewEditPort(9, 3, 5, 3, '')",
                    "포트 3은(는) 네트워크 링크에 연결되어 있어 번호를 바꿀 수 없습니다."},
        RefusalCase{"sub-system port used by the parent's link", "admin", "call domainPortViewDeletePort(11, 1)",
                    "포트 1은(는) 네트워크 링크에 연결되어 있어 지울 수 없습니다. 링크를 먼저 지우세요."},
        RefusalCase{"deployment cloned into a sub-system", "admin",
                    "call nodeDeploymentViewDeleteComponent({deployment:기관 컴퓨터/기관 감시기})",
                    "Subsystem에 설치된 항목이 있습니다. 삭제 후 변경하세요"},
        RefusalCase{"interface bound by a class", "admin", "call interfaceViewDeleteInterface(6,'INavigation')",
                    "다른 곳에서 사용하고 있어 지우거나 바꿀 수 없습니다."},
        RefusalCase{"sub-system that contains the node's domain", "admin",
                    "call nodeNewNodes(10,'상위','sub_system','', 9)",
                    "노드의 도메인을 포함하는 도메인은 서브시스템으로 지정할 수 없습니다."},
        RefusalCase{"sub-system standing for its own domain", "admin", "call nodeNewNodes(9,'자기','sensor','', 9)",
                    "노드의 도메인을 포함하는 도메인은 서브시스템으로 지정할 수 없습니다."},
        RefusalCase{"sub-system domain changed under links", "admin",
                    "call NodeViewEditNode({node:기관 센서}, 9,'기관 센서','sensor','', 12, 0)",
                    "링크나 설치된 컴포넌트가 있는 노드는 서브시스템 도메인을 바꿀 수 없습니다."}));

INSTANTIATE_TEST_SUITE_P(
    Values, Refusals,
    ::testing::Values(
        RefusalCase{"node name with a colon", "admin", "call nodeNewNodes(9,'a:b','computer','', 0)",
                    "노드 이름에는 : 을 쓸 수 없습니다."},
        RefusalCase{"empty node name", "admin", "call nodeNewNodes(9,'  ','computer','', 0)", "노드 이름을 입력하세요."},
        RefusalCase{"unknown node type", "admin", "call nodeNewNodes(9,'n','hub','', 0)",
                    "노드 타입은 router, switch, computer, sub_system, sensor 가운데 하나여야 합니다."},
        RefusalCase{"node in a data domain", "admin", "call nodeNewNodes(1,'n','computer','', 0)",
                    "시스템 도메인이 없습니다."},
        RefusalCase{"edited node of another domain", "admin",
                    "call NodeViewEditNode({node:스위치 A}, 10,'스위치 A','switch','', 0, 0)",
                    "노드가 그 도메인에 없습니다."},
        RefusalCase{"component named proxy", "admin", "call componentsNewcomponent(9,'Proxy','')",
                    "proxy, stub 명은 사용 할 수 없습니다"},
        RefusalCase{"class of an unknown interface", "admin",
                    "call stubInterfaceRalationViewNewInterface({component:위치 표시기}, 6,'INothing','class_x')",
                    "인터페이스가 없습니다."},
        RefusalCase{"stub procedure on a proxy class", "admin",
                    "call stubInterfaceRalationDeleteInterface({class:위치 표시기/proxy/class_위치})",
                    "Stub 클래스가 없습니다."},
        RefusalCase{"link to a port the node lacks", "admin",
                    "call NetworklinkViewNewNetworkink({node:항해 컴퓨터}, 0, 9, {node:주 라우터}, 0, 4)",
                    "시작 노드에 포트 9이(가) 없습니다."},
        RefusalCase{"link to a node of another domain", "admin",
                    "call NetworklinkViewNewNetworkink({node:항해 컴퓨터}, 0, 2, {node:조타 컴퓨터}, 0, 2)",
                    "도착 노드가 시작 노드와 같은 도메인에 없습니다."},
        RefusalCase{"invalid IP", "admin",
                    "call networkNewip({node:항해 컴퓨터}, '192.168.1.256','255.255.255.0','','0.0.0.0','0.0.0.0','2','')",
                    "IP 주소가 올바르지 않습니다."},
        RefusalCase{"edit of an IP row that is not there", "admin",
                    "call networkViewEditip({node:항해 컴퓨터}, '0.0.0.0','10.0.0.9','255.0.0.0','10.X.X.X',"
                    "'0.0.0.0','0.0.0.0','1','1','')",
                    "바꿀 IP가 없습니다. 목록에서 IP를 선택하세요."},
        RefusalCase{"delete of an IP that is not there", "admin",
                    "call networkViewDeleteip({node:항해 컴퓨터}, '0.0.0.0')",
                    "지울 IP가 없습니다. 목록에서 IP를 선택하세요."},
        RefusalCase{"no component chosen to install", "admin",
                    "call nodeDeploymentViewNewcomponent({node:항해 컴퓨터}, 0, 9, 0)", "설치할 컴포넌트를 선택하세요."},
        RefusalCase{"component of another domain installed", "admin",
                    "call nodeDeploymentViewNewcomponent({node:항해 컴퓨터}, {component:조타 제어기}, 9, 0)",
                    "노드와 같은 도메인의 컴포넌트만 설치할 수 있습니다."},
        RefusalCase{"object id of a clone", "admin",
                    "call coustum_ViewEditobjectid({entry:기관 센서/object_stub_hb}, 5, 1, 0)",
                    "서브시스템에서 가져온 항목의 Object ID는 원래 항목에서 바꾸세요."},
        RefusalCase{"stub info with a bad IP", "admin",
                    "call nodeproxyViewNewstubinfo({entry:Captain's PC/object_proxy_wp}, 201, 'x')",
                    "STUB IP 주소가 올바르지 않습니다."},
        RefusalCase{"stub info on a stub entry", "admin",
                    "call nodeproxyViewNewstubinfo({entry:항해 컴퓨터/object_stub_wp}, 1, '1.2.3.4')",
                    "설치된 항목이 없습니다."}));

INSTANTIATE_TEST_SUITE_P(
    Rights, Refusals,
    ::testing::Values(
        // user is a member of Ship, has no membership in 조타실 (public) and does not see Operator's Console.
        RefusalCase{"change without membership", "user", "call nodeNewNodes(10,'n','computer','', 0)",
                    "도메인을 변경할 권한이 없습니다. 도메인의 관리자나 멤버만 변경할 수 있습니다."},
        RefusalCase{"component change without membership", "user",
                    "call componentsNewcomponent(10,'c','')",
                    "도메인을 변경할 권한이 없습니다. 도메인의 관리자나 멤버만 변경할 수 있습니다."},
        RefusalCase{"link change without membership", "user",
                    "call netWorkLinkViewDeleteNetWorkLink({node:조타 컴퓨터}, 1)",
                    "도메인을 변경할 권한이 없습니다. 도메인의 관리자나 멤버만 변경할 수 있습니다."},
        RefusalCase{"private domain's nodes", "user", "call nodeViewList(12)",
                    "비공개 도메인입니다. 도메인에 가입한 사용자만 볼 수 있습니다."},
        RefusalCase{"private domain's node IPs", "user", "call networkViewList({node:콘솔 PC})",
                    "비공개 도메인입니다. 도메인에 가입한 사용자만 볼 수 있습니다."},
        RefusalCase{"private domain as a sub-system", "user", "call nodeNewNodes(9,'n','sub_system','', 12)",
                    "서브시스템 도메인이 없습니다."},
        RefusalCase{"guest", "park", "call componentsNewcomponent(9,'c','')",
                    "도메인을 변경할 권한이 없습니다. 도메인의 관리자나 멤버만 변경할 수 있습니다."}));

INSTANTIATE_TEST_SUITE_P(
    LevelLists, Refusals,
    ::testing::Values(
        RefusalCase{"a level named by no array", "admin", "call systemDomainViewLevelLists('9')",
                    "도메인 목록이 올바르지 않습니다."},
        RefusalCase{"a level named by broken JSON", "admin", "call systemDomainViewLevelLists('[9,')",
                    "도메인 목록이 올바르지 않습니다."}));

}  // namespace
