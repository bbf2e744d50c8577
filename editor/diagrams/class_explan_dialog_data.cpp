#include "class_explan_dialog_data.h"

namespace {

// The folders where the SDK looks for the domain headers; the method pane's text indents them two further.
#define TAMO_INCLUDE_32 "32Bit) 경로 위치 =>C:\\Program Files\\corvanex\\Tamo 2.2.4\\include로 경로 설정 \n"
#define TAMO_INCLUDE_64 "64Bit) 경로 위치 =>C:\\Program Files (x86)\\corvanex\\Tamo 2.2.4\\include로 경로 설정 \n"

// The type lines shared by the data and field texts (the field text leaves out STRUCT).
#define TAMO_TYPE_LINES                                                  \
    "   ALIAS : 다른 도메인에 있는 실제 데이타를 가리키는 별칭\n"              \
    "   ENUM : 8, 16, 32 비트 열거형, 이름 붙은 상수를 가진다\n"               \
    "   CHAR / WCAHR : 한 문자, 넓은 문자\n"                                \
    "   INT : 8 ~ 64 비트 부호 있는 정수\n"                                 \
    "   UINT : 8 ~ 64 비트 부호 없는 정수\n"                                \
    "   SCALED : 최소값과 최대값 사이의 실수를 나타내는 부호 있는 정수\n"        \
    "   USCALED : 최소값과 최대값 사이의 실수를 나타내는 부호 없는 정수\n"       \
    "   IEEE754_32 : 32 비트 실수 (64, 80 비트 실수도 있다)\n"

const char* const kDomainText =
    "■ 도메인명 : 해당 도메인의 이름을 입력 또는 수정할 수 잇다\n"
    "\n"
    "■ Public : 공개 도메인은 모든 계정에게 보이고, 비공개 도메인은\n"
    "   가입한 계정에게만 보인다. 관리자는 모든 도메인을 볼 수 있다\n"
    "\n"
    "■ 표준포트 : Method 도메인이 통신에 쓰는 표준 TCP/UDP 포트 번호\n"
    "\n"
    "■ 설  명 : 도메인에 대한 설명을 입력 또는 수정할 수 있다\n"
    "\n"
    "※ 도메인을 삭제하면 도메인 안의 모든 항목이 함께 삭제된다\n"
    "※ 하위 도메인과 그 안의 모든 항목도 함께 삭제되므로 주의한다\n";

const char* const kDataText =
    "■ 데이타이름: 데이타의 이름을 입력할 수 있다\n"
    "\n"
    "■ 타입 : 데이타의 타입을 선택한다\n"
    "   STRUCT : 여러 필드로 이루어진 구조체\n" TAMO_TYPE_LINES
    "\n"
    "■ 실제도메인 : ALIAS 타입이 가리킬 데이타가 있는 도메인을 선택한다\n"
    "\n"
    "■ 도메인 추가 : 실제도메인 목록에 다른 데이타 도메인을 추가한다\n"
    "\n"
    "■ 실제데이타 : 실제도메인의 데이타 중 ALIAS 가 가리킬 데이타를 선택한다\n"
    "\n"
    "■ 최소값 : SCALED, USCALED 타입이 나타내는 실수의 최소값\n"
    "\n"
    "■ 최대값 : SCALED, USCALED 타입이 나타내는 실수의 최대값\n"
    "\n"
    "■ 데이터 설명 : 데이타에 대한 설명을 입력한다\n";

const char* const kFieldText =
    "■ 필드명: 데이터 필드이름을 입력하는 곳\n"
    "\n"
    "■ 필드타입 : 필드의 타입을 선택한다. 구조체는 ALIAS 로 가리킨다\n" TAMO_TYPE_LINES
    "\n"
    "■ 실제도메인 : ALIAS 필드가 가리킬 데이타가 있는 도메인을 선택한다\n"
    "\n"
    "■ 도메인 검색 : 실제도메인 목록에 넣을 데이타 도메인을 찾는다\n"
    "\n"
    "■ 실제데이타 : 실제도메인의 데이타 중 필드가 가리킬 데이타를 선택한다\n"
    "\n"
    "■ 최소값 : SCALED, USCALED 필드가 나타내는 실수의 최소값\n"
    "\n"
    "■ 최대값 : SCALED, USCALED 필드가 나타내는 실수의 최대값\n"
    "\n"
    "■ 배열타입 : 필드를 배열로 만들 때 선택한다\n"
    "   VARIABLE : 최대배열크기까지 길이가 변하는 배열\n"
    "   FIX : 배열크기만큼 길이가 정해진 배열\n"
    "\n"
    "■ 최대배열크기 : VARIABLE 배열이 가질 수 있는 원소의 최대 개수\n"
    "\n"
    "■ 배열크기 : FIX 배열의 원소 개수\n"
    "\n"
    "■ 비트크기 : 필드가 차지하는 비트 수 (비트 필드)\n"
    "\n"
    "■ 필드설명 : 필드에 대한 설명을 입력한다\n"
    "\n"
    "■ 위로/아래로 : 선택한 필드를 한 칸 위 또는 아래로 옮긴다\n";

const char* const kDataPaneText =
    "■ Data Domain 생성 방법\n"
    "   1. 데이타 트리에서 root 또는 상위 도메인을 선택한다\n"
    "   2. 오른쪽 버튼 메뉴에서 도메인 추가를 선택한다\n"
    "   3. 도메인명, Public, 설명을 입력하고 확인을 누른다\n"
    "\n"
    "■ Data 추가\n"
    "   1. 데이타를 추가할 Data Domain을 선택한다\n"
    "   2. 오른쪽 버튼 메뉴에서 데이타 추가를 선택한다\n"
    "   3. 데이타이름과 타입을 입력하고 확인을 누른다\n"
    "   4. STRUCT 는 필드 추가 버튼으로 필드를,\n"
    "      ENUM 은 상수 추가 버튼으로 상수를 입력한다\n"
    "\n"
    "■ Domain Header 코드 모두 저장 : 모든 도메인의 Header 를 아래 폴더에 저장한다\n"
    "    " TAMO_INCLUDE_32
    "    " TAMO_INCLUDE_64
    "   ※ 도메인 Header 를 하나만 저장하면 include 까지의 폴더만 만들어진다\n";

const char* const kMethodPaneText =
    " * Method Domain 설계 순서 *\n"
    "   Method Domain 생성 → Method 추가 → Interface 추가 및 멤버 Method 등록\n"
    "\n"
    "■ Method Domain 생성 방법\n"
    "   1. Method 트리에서 root 또는 상위 도메인을 선택한다\n"
    "   2. 오른쪽 버튼 메뉴에서 도메인 추가를 선택한다\n"
    "   3. 도메인명, Public, 표준포트, 설명을 입력하고 확인을 누른다\n"
    "\n"
    "■ Method 추가\n"
    "   Method Domain을 선택하고 Method 추가를 선택한 뒤\n"
    "   이름, 타입, Code, 입력 데이타와 출력 데이타를 입력한다\n"
    "\n"
    "■ Interface 추가 및 멤버 Method\n"
    "   Interface를 추가한 뒤 멤버 Method 관리에서\n"
    "   같은 도메인의 Method를 멤버로 등록한다\n"
    "\n"
    "※ Method Domain 생성 문서\n"
    "   도메인 Header 코드, XML 문서, HML 문서를 만들 수 있다\n"
    "\n"
    "■ Method Domain Header 코드 모두 저장 : 모든 도메인의 Header 를 아래 폴더에 저장한다\n"
    "      " TAMO_INCLUDE_32
    "      " TAMO_INCLUDE_64
    "   ※ 도메인 Header 를 하나만 저장하면 include 까지의 폴더만 만들어진다\n";

const char* const kSystemPaneText =
    " ◎ System Domain 주요 기능 \n"
    "\n"
    "■ Domain 설계 : 하나의 System Domain 은 하나의 Subsystem 이다\n"
    "\n"
    "■ Node 설계 : 하드웨어 배치를 설계한다\n"
    "   Node 추가, 수정, 삭제, 복사와 Router 및 Node 의 IP 설정\n"
    "   Node 에 Component 설치, Stub 객체의 ID 와 IP 설정\n"
    "\n"
    "■ Components 설계 : Method Domain 의 Interface 로 클래스와 객체를 만든다\n"
    "   Proxy Interface 와 Stub Interface, 멤버 Method, 소스 파일 생성\n"
    "\n"
    "■ 자동 다이어그램 생성 : Interface, Component, Node, 배치와 네트워크\n"
    "   다이어그램을 데이타베이스에서 자동으로 그린다\n";

const char* const kDataImportText =
    "■ Domain Name : Copy Data가 있는 도메인을 선택\n"
    "\n"
    "■ Data Name : 복사할 데이타를 목록에서 선택한다 (여러 개 선택 가능)\n"
    "\n"
    "■ 복사 버튼 : 선택한 데이타를 현재 Data Domain 에 복사한다\n"
    "\n"
    "■ 취소 : 복사하지 않고 창을 닫는다\n";

const char* const kHeaderOrderText =
    "※ Data Domain Header 출력 순서 설정\n"
    "\n"
    "■ 목록 : 도메인의 데이타가 Header 에 출력될 순서대로 보인다\n"
    "\n"
    "■ ▲&&▼ : 선택한 데이타를 한 칸 위 또는 아래로 옮긴다\n"
    "\n"
    "■ 출력 : Header 는 목록에 보이는 순서대로 만들어진다\n";

const char* const kDomainAccountText =
    " ◎ 도메인 계정 가입 및 관리 기능 \n"
    "   도메인 가입은 계정 메뉴에서 하며, 도메인의 사용자와 등급을 관리한다\n"
    "\n"
    "■ 유저 검색 : 도메인에 가입시킬 계정을 찾는다\n"
    "\n"
    "■ 사용자 : 도메인에 가입한 사용자 목록\n"
    "\n"
    "■ 등급 : 관리자(manager), 일반멤버(member), 손님(guest)\n"
    "\n"
    "■ 사용자 정보 : 선택한 사용자의 계정 정보를 보여준다\n"
    "\n"
    "■ 도메인 가입 : 선택한 계정을 도메인에 가입시킨다. 새 멤버는 손님이다\n"
    "\n"
    "■ 도메인 탈퇴 : 도메인에서 탈퇴한다\n"
    "\n"
    "■ 관리자 권한 : 관리자 등급을 준다. 도메인을 만든 계정만 줄 수 있다\n"
    "\n"
    "■ 일반멤버 : 일반멤버 등급을 준다\n"
    "\n"
    "■ 손님 : 손님 등급을 준다. 손님은 비공개 도메인을 볼 수 없다\n"
    "\n"
    "■ 추방 : 선택한 사용자를 도메인에서 내보낸다\n";

const char* const kDomainPortText =
    " ◎ 도메인 (물리, 논리)port 관리 기능 \n"
    "   물리 port 는 Group(논리 port)으로 묶여 Subsystem 을 상위 System 에 연결한다\n"
    "\n"
    "■ Port : 물리 port 번호\n"
    "\n"
    "■ Group : port 가 속한 논리 port 번호\n"
    "   switch 시스템의 port 는 모두 Group 1, computer 의 Group 은 port 와 같다\n"
    "\n"
    "■ 고정 : 선택하지 않으면 Port 를 입력할 때 Group 이 Port 와 같아진다\n"
    "\n"
    "■ 설명 : port 에 대한 설명\n";

const char* const kMoveCopyText =
    " ◎ 도메인 이동 및 Copy 기능 \n"
    "   선택한 도메인이 옮기거나 복사할 도메인의 상위 도메인이 된다\n"
    "\n"
    "■ 이동 : 도메인을 선택한 도메인 아래로 옮긴다\n";

const char* const kNodeText =
    " ◎ Node 추가 및 수정 기능 \n"
    "   Node 는 Type 과 Subsystem 을 반드시 가진다\n"
    "\n"
    "■ Name : Node 의 이름\n"
    "\n"
    "■ Type : Node 의 종류\n"
    "   router : 네트워크 사이를 잇는 라우터\n"
    "   switch : Node 들을 묶는 스위치\n"
    "   computer : Component 가 설치되는 컴퓨터\n"
    "   subsystem : 다른 System Domain 으로 이루어진 Subsystem\n"
    "   sensor : 센서 장비\n"
    "\n"
    "■ Subsystem : Node 가 속한 Subsystem (System Domain)\n"
    "\n"
    "■ 검색 : Subsystem 으로 쓸 System Domain 을 찾는다\n"
    "\n"
    "■ 설명 : Node 에 대한 설명\n";

const char* const kNetworkLinkText =
    " ◎ Node간 물리적 네트워크 연결 기능 \n"
    "\n"
    "■ 검색 : 연결할 Node 를 찾는다\n"
    "\n"
    "■ S_Node_Name : 연결을 시작하는 Node\n"
    "\n"
    "■ S_Node_Port : 시작 Node 의 port. port 는 Node 의 Subsystem 도메인에서 온다\n"
    "\n"
    "■ D_Node_Name : 연결되는 Node\n"
    "\n"
    "■ D_Node_Port : 연결되는 Node 의 port\n";

const char* const kDeploymentText =
    " ◎ Node Component 설치 기능 \n"
    "   하나의 Component 를 여러 번 설치할 수 있다\n"
    "\n"
    "■ ▶ : 선택한 Component 를 Node 에 설치한다\n"
    "\n"
    "■ ◀ : 선택한 Component 를 Node 에서 제거한다\n";

const char* const kNodeIpText =
    " ◎ Node IP 관리 기능 \n"
    "   computer Node 는 논리 port 에 묶인 IP 를 등록한다\n"
    "\n"
    "■ Type : IP 의 종류\n"
    "\n"
    "■ IP : IP 주소\n"
    "\n"
    "■ Mask : 서브넷 마스크\n"
    "\n"
    "■ PORT : IP 가 묶인 논리 port\n"
    "\n"
    "■ GateWay : 게이트웨이 주소\n"
    "\n"
    "■ DNS서버 : DNS 서버 주소\n"
    "\n"
    "■ 설명 : IP 에 대한 설명\n"
    "\n"
    "■ 추가 : 입력한 IP 를 등록한다\n"
    "\n"
    "■ 수정 : 선택한 IP 를 입력한 값으로 바꾼다\n"
    "\n"
    "■ 삭제 : 선택한 IP 를 지운다\n";

const char* const kComponentText =
    " ◎ Component 관리 기능 \n"
    "   Component 는 Method Domain 의 Interface 를 클래스로 상속하고 객체를 만든다\n"
    "\n"
    "■ Name : Component 의 이름\n"
    "\n"
    "■ 설명 : Component 에 대한 설명\n";

const char* const kSearchText =
    " ◎ Item 검색 기능 \n"
    "   1. 콤보 박스에서 검색할 도메인 종류를 선택한다\n"
    "   2. 찾을 단어를 입력한다\n"
    "      \"test\" 는 같은 이름, \"test%\" 는 test 로 시작하는 이름,\n"
    "      \"%test%\" 는 test 가 들어간 이름을 찾는다\n"
    "   3. 검색 버튼을 누른다\n"
    "\n"
    "■ 결과 : [item 타입]...[item 이름]...[item 트리상 경로] 로 보인다\n"
    "   결과를 두 번 누르면 트리에서 해당 항목이 선택된다\n";

const char* const kServerAccountText =
    " ◎ 계정 가입 및 관리 기능 \n"
    "   [관리자권한] 계정은 모든 계정을, 다른 계정은 anonymous 와 자신만 본다\n"
    "\n"
    "■ 계정 검색 : 계정을 찾는다\n"
    "\n"
    "■ 계정 정보 : 선택한 계정의 정보와 권한을 보여준다\n"
    "\n"
    "■ 새 계정 : 새 계정을 만든다\n"
    "\n"
    "■ 계정 삭제 : 선택한 계정을 지운다. [root] 와 관리자 계정은 지울 수 없다\n"
    "\n"
    "■ 관리자 권한 : [root] 만 줄 수 있다\n"
    "\n"
    "■ 새계정 권한 : 새 계정을 만들 수 있는 권한\n"
    "   서버는 두 가지로 운영할 수 있다: anonymous 가 계정을 만들게 하거나,\n"
    "   정해진 계정만 계정을 만들어 나누어 주게 한다\n"
    "\n"
    "■ 새도메인 권한 : 새 도메인을 만들 수 있는 권한\n";

const char* const kGeneralText =
    " ■ 개요 \n"
    "    - 통신 Tamo M/W 상위 계층으로 Tamo 와 Application간의 \n"
    "      정보를 생성 및 해석 해주는 역할을 하며, S/W의 효율적이고 \n"
    "      신속한 개발을 가능하게 하는 환경 개발\n"
    "\n"
    " ■ S/W 환경 \n"
    "    - 개발 환경 : Debian 12, CMake, Qt 6\n"
    "    - 개발 언어 : C++20\n"
    "    - 운영 환경 : Linux, MariaDB 서버\n"
    "\n"
    " ■ 관리 기관 \n"
    "    - corvanex Tamo 개발팀\n";

#undef TAMO_INCLUDE_32
#undef TAMO_INCLUDE_64
#undef TAMO_TYPE_LINES

const char* topic_text(unsigned int topic) {
    switch (topic) {
        case 0:
        case 1:
        case 2: return kDomainText;
        case 3: return kDataText;
        case 4: return kFieldText;
        case 25: return kDataPaneText;
        case 26: return kMethodPaneText;
        case 27: return kSystemPaneText;
        case 28: return kDataImportText;
        case 29: return kHeaderOrderText;
        case 31: return kDomainAccountText;
        case 32: return kDomainPortText;
        case 33: return kMoveCopyText;
        case 34: return kNodeText;
        case 35: return kNetworkLinkText;
        case 36: return kDeploymentText;
        case 37: return kNodeIpText;
        case 38: return kComponentText;
        case 39: return kSearchText;
        case 40: return kServerAccountText;
        default: return kGeneralText;
    }
}

}  // namespace

void class_explan_dialog_data::get_explanation(std::string& text, unsigned int topic) { text = topic_text(topic); }
