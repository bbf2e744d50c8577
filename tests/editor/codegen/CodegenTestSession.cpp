#include "CodegenTestSession.h"

#include <regex>

#include "SessionLogin.h"

namespace tamo::codegen::testing {

namespace {

std::vector<std::string>& RecordedTexts() {
    static std::vector<std::string> texts;
    return texts;
}

int RecordMessageBox(LPCTSTR text, UINT) {
    RecordedTexts().emplace_back(text ? text : "");
    return IDOK;
}

}  // namespace

MessageBoxRecorder::MessageBoxRecorder() : previous_(SetSessionMessageBoxHandler(RecordMessageBox)) {
    RecordedTexts().clear();
}

MessageBoxRecorder::~MessageBoxRecorder() { SetSessionMessageBoxHandler(previous_); }

const std::vector<std::string>& MessageBoxRecorder::Texts() const { return RecordedTexts(); }

void MessageBoxRecorder::Clear() { RecordedTexts().clear(); }

std::string ConnectSession(const tamo::testing::ConnectionValues& server) {
    const CLoginValues login = tamo::testing::LoginFor(server, "admin", "admin");
    CMysqlQuery::GetInstance()->Close();
    return CMysqlQuery::GetInstance()->Connect(login).GetString();
}

std::string WithoutTimes(const std::string& text) {
    static const std::regex date(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2})");
    static const std::regex ctime(R"([A-Z][a-z]{2} [A-Z][a-z]{2} [ \d]\d \d{2}:\d{2}:\d{2} \d{4}\n)");
    return std::regex_replace(std::regex_replace(text, ctime, "<ctime>\n"), date, "<date>");
}

}  // namespace tamo::codegen::testing
