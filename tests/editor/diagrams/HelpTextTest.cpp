#include "class_explan_dialog_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string help_text(unsigned int topic) {
    class_explan_dialog_data data;
    std::string text = "earlier text";
    data.get_explanation(text, topic);
    return text;
}

std::string first_line(const std::string& text) { return text.substr(0, text.find('\n')); }

struct TopicCase {
    unsigned int topic;
    const char* firstLine;
    std::vector<const char*> labels;  // in the order the text explains them
};

TEST(HelpText, EveryTopicStartsWithItsLineAndExplainsItsLabelsInOrder) {
    const std::vector<TopicCase> cases = {
        {0, "■ 도메인명 : 해당 도메인의 이름을 입력 또는 수정할 수 잇다", {"■ Public", "■ 표준포트", "■ 설  명"}},
        {3, "■ 데이타이름: 데이타의 이름을 입력할 수 있다",
         {"■ 타입", "STRUCT", "ALIAS", "ENUM", "CHAR / WCAHR", "INT", "UINT", "SCALED", "USCALED", "IEEE754_32",
          "■ 실제도메인", "■ 도메인 추가", "■ 실제데이타", "■ 최소값", "■ 최대값", "■ 데이터 설명"}},
        {4, "■ 필드명: 데이터 필드이름을 입력하는 곳",
         {"■ 필드타입", "ALIAS", "ENUM", "CHAR / WCAHR", "INT", "UINT", "SCALED", "USCALED", "IEEE754_32",
          "■ 실제도메인", "■ 도메인 검색", "■ 실제데이타", "■ 최소값", "■ 최대값", "■ 배열타입", "VARIABLE", "FIX",
          "■ 최대배열크기", "■ 배열크기", "■ 비트크기", "■ 필드설명", "■ 위로/아래로"}},
        {25, "■ Data Domain 생성 방법", {"■ Data 추가", "■ Domain Header 코드 모두 저장"}},
        {26, " * Method Domain 설계 순서 *",
         {"■ Method Domain 생성 방법", "■ Method 추가", "■ Interface 추가 및 멤버 Method", "※ Method Domain 생성 문서",
          "■ Method Domain Header 코드 모두 저장"}},
        {27, " ◎ System Domain 주요 기능 ", {"■ Domain 설계", "■ Node 설계", "■ Components 설계", "■ 자동 다이어그램 생성"}},
        {28, "■ Domain Name : Copy Data가 있는 도메인을 선택", {"■ Data Name", "■ 복사 버튼", "■ 취소"}},
        {29, "※ Data Domain Header 출력 순서 설정", {"▲&&▼"}},
        {31, " ◎ 도메인 계정 가입 및 관리 기능 ",
         {"■ 유저 검색", "■ 사용자", "■ 등급", "■ 사용자 정보", "■ 도메인 가입", "■ 도메인 탈퇴", "■ 관리자 권한",
          "■ 일반멤버", "■ 손님", "■ 추방"}},
        {32, " ◎ 도메인 (물리, 논리)port 관리 기능 ", {"■ Port", "■ Group", "■ 고정", "■ 설명"}},
        {33, " ◎ 도메인 이동 및 Copy 기능 ", {"■ 이동"}},
        {34, " ◎ Node 추가 및 수정 기능 ",
         {"■ Name", "■ Type", "router", "switch", "computer", "subsystem", "sensor", "■ Subsystem", "■ 검색",
          "■ 설명"}},
        {35, " ◎ Node간 물리적 네트워크 연결 기능 ",
         {"■ 검색", "■ S_Node_Name", "■ S_Node_Port", "■ D_Node_Name", "■ D_Node_Port"}},
        {36, " ◎ Node Component 설치 기능 ", {"■ ▶", "■ ◀"}},
        {37, " ◎ Node IP 관리 기능 ",
         {"■ Type", "■ IP", "■ Mask", "■ PORT", "■ GateWay", "■ DNS서버", "■ 설명", "■ 추가", "■ 수정", "■ 삭제"}},
        {38, " ◎ Component 관리 기능 ", {"■ Name", "■ 설명"}},
        {39, " ◎ Item 검색 기능 ", {"\"test\"", "\"test%\"", "\"%test%\"", "[item 타입]...[item 이름]...[item 트리상 경로]"}},
        {40, " ◎ 계정 가입 및 관리 기능 ",
         {"■ 계정 검색", "■ 계정 정보", "■ 새 계정", "■ 계정 삭제", "[root]", "■ 관리자 권한", "■ 새계정 권한",
          "■ 새도메인 권한"}},
        {30, " ■ 개요 ", {" ■ S/W 환경 ", " ■ 관리 기관 "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.topic);
        const std::string text = help_text(c.topic);
        EXPECT_EQ(first_line(text), c.firstLine);
        std::size_t at = 0;
        for (const char* label : c.labels) {
            const std::size_t found = text.find(label, at);
            EXPECT_NE(found, std::string::npos) << label << " missing or out of order";
            if (found != std::string::npos) at = found + 1;
        }
        // Plain lines: every line ends in a line feed, items are apart by one empty line at most.
        EXPECT_EQ(text.back(), '\n');
        EXPECT_EQ(text.find("\n\n\n"), std::string::npos);
    }
}

TEST(HelpText, SharedAndGeneralTopics) {
    EXPECT_EQ(help_text(1), help_text(0));
    EXPECT_EQ(help_text(2), help_text(0));
    const std::string general = help_text(30);
    for (unsigned int topic : {5u, 7u, 24u, 41u, 1000u, static_cast<unsigned int>(-1)}) {
        SCOPED_TRACE(topic);
        EXPECT_EQ(help_text(topic), general);
    }
    EXPECT_NE(help_text(29), general);
    EXPECT_NE(help_text(4), help_text(3));
}

TEST(HelpText, QuotedLinesStandAsWritten) {
    const std::string general = help_text(30);
    EXPECT_EQ(general.rfind(" ■ 개요 \n"
                            "    - 통신 Tamo M/W 상위 계층으로 Tamo 와 Application간의 \n"
                            "      정보를 생성 및 해석 해주는 역할을 하며, S/W의 효율적이고 \n"
                            "      신속한 개발을 가능하게 하는 환경 개발\n",
                            0),
              0u);

    const std::string path32 = "32Bit) 경로 위치 =>C:\\Program Files\\corvanex\\Tamo 2.2.4\\include로 경로 설정 \n";
    const std::string path64 = "64Bit) 경로 위치 =>C:\\Program Files (x86)\\corvanex\\Tamo 2.2.4\\include로 경로 설정 \n";
    const std::string dataPane = help_text(25), methodPane = help_text(26);
    EXPECT_NE(dataPane.find("\n    " + path32 + "    " + path64), std::string::npos);
    EXPECT_NE(methodPane.find("\n      " + path32 + "      " + path64), std::string::npos);
    EXPECT_NE(dataPane.find("include"), std::string::npos);

    // Deleting a domain deletes what lies in it and below it: the domain text warns twice.
    const std::string domain = help_text(0);
    EXPECT_NE(domain.find("※"), domain.rfind("※"));
}

}  // namespace
