// The editor's start-up and the expansion of tree levels, timed in one process against a design database.
//
//   editor_bench HOST PORT DATABASE START_NS WAY...
//
// START_NS is the realtime clock (ns) when the caller started the process. The editor starts offscreen, logged
// in as admin (the test driver answers the login dialog); the time from START_NS until the main window is shown
// is printed as "start <ms>". Each WAY is "data:A/B/C", "method:..." or "system:...": the item texts from the
// tree's root down. The items before the last are expanded untimed; the last one's expansion is timed and
// printed as "expand <way> <ms>". Around each timed expansion the session sends "call loginResult()", which
// marks the expansion's statements in the server's general log for the caller that counts them. Then comes
// "memory <KiB>", the process's peak resident memory after every expansion, and last "shown <items>", the items
// the three trees hold with every level filled.
// Exit code 0 when every item was found and expanded.

#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "CMainFrame.h"
#include "CMysqlQuery.h"
#include "CTamoZELK_MDIApp.h"
#include "EditorResources.h"
#include "LoginDialogIds.h"
#include "TestDriver.h"

namespace {

using tamo::platform::TestDriver;

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

double MillisecondsSince(long long startNs) { return static_cast<double>(NowNs() - startNs) / 1e6; }

HTREEITEM ChildWithText(CTreeCtrl& tree, HTREEITEM parent, const std::string& text) {
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item))
        if (tree.GetItemText(item).str() == text) return item;
    return nullptr;
}

std::vector<std::string> SplitWay(const std::string& way) {
    std::vector<std::string> parts;
    std::stringstream stream(way);
    for (std::string part; std::getline(stream, part, '/');) parts.push_back(part);
    return parts;
}

CTreeCtrl* TreeOf(CMainFrame& frame, const std::string& kind) {
    if (kind == "data") return &frame.GetDataDomainView().GetTreeCtrl();
    if (kind == "method") return &frame.GetMethodDomainView().GetTreeCtrl();
    if (kind == "system") return &frame.GetSystemDomainView().GetTreeCtrl();
    return nullptr;
}

int CountItems(CTreeCtrl& tree, HTREEITEM parent) {
    int count = 0;
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item))
        count += 1 + CountItems(tree, item);
    return count;
}

// The items the three trees hold, every level filled (a walk fills what the trees make on demand).
int CountShownItems(CMainFrame& frame) {
    int count = 0;
    for (const char* kind : {"data", "method", "system"}) count += CountItems(*TreeOf(frame, kind), TVI_ROOT);
    return count;
}

// A statement that marks a place in the server's general log.
void MarkLog() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    db->QueryInt("call loginResult()");
}

bool TimeExpansion(CMainFrame& frame, const std::string& argument) {
    const size_t colon = argument.find(':');
    CTreeCtrl* tree = colon == std::string::npos ? nullptr : TreeOf(frame, argument.substr(0, colon));
    if (!tree) {
        std::fprintf(stderr, "unknown tree in %s\n", argument.c_str());
        return false;
    }
    HTREEITEM item = tree->GetRootItem();
    const std::vector<std::string> way = SplitWay(argument.substr(colon + 1));
    for (size_t i = 0; i < way.size(); ++i) {
        item = ChildWithText(*tree, item, way[i]);
        if (!item) {
            std::fprintf(stderr, "no item \"%s\" on the way %s\n", way[i].c_str(), argument.c_str());
            return false;
        }
        if (i + 1 == way.size()) break;
        tree->Expand(item, TVE_EXPAND);
        TestDriver::PumpPostedMessages();
    }
    MarkLog();
    const long long start = NowNs();
    tree->Expand(item, TVE_EXPAND);
    TestDriver::PumpPostedMessages();
    const double elapsed = MillisecondsSince(start);
    MarkLog();
    std::printf("expand %s %.2f\n", argument.c_str(), elapsed);
    return true;
}

// The login dialog filled as a user types it.
void AnswerLogin(TestDriver& driver, const char* host, const char* port, const char* database) {
    driver.OnDialog(IDD_LOGIN, [=](CDialog& dialog) {
        TestDriver::Type(dialog, IDC_SERVER_EDIT, host);
        TestDriver::Type(dialog, IDC_PORT_EDIT, port);
        TestDriver::Type(dialog, IDC_DB_NAME_EDIT, database);
        TestDriver::Type(dialog, IDC_DB_ID_EDIT, "tamo");
        TestDriver::Type(dialog, IDC_DB_PASSWORD_EDIT, "tamo");
        TestDriver::Type(dialog, IDC_USER_ID_EDIT, "admin");
        TestDriver::Type(dialog, IDC_USER_PASSWORD_EDIT, "admin");
        TestDriver::Click(dialog, IDOK);
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s HOST PORT DATABASE START_NS WAY...\n", argv[0]);
        return 2;
    }
    const long long processStart = std::atoll(argv[4]);
    std::string error;
    if (!tamo::res::LoadEditorResources(&error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    TestDriver driver;
    AnswerLogin(driver, argv[1], argv[2], argv[3]);
    CTamoZELK_MDIApp application;
    if (!application.InitInstance()) {
        std::fprintf(stderr, "the editor did not start\n");
        application.ExitInstance();
        return 1;
    }
    auto* frame = dynamic_cast<CMainFrame*>(application.m_pMainWnd);
    TestDriver::ShowTopLevel(*application.m_pMainWnd);
    TestDriver::PumpPostedMessages();
    std::printf("start %.2f\n", MillisecondsSince(processStart));

    bool found = frame != nullptr;
    for (int i = 5; found && i < argc; ++i) found = TimeExpansion(*frame, argv[i]);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("memory %ld\n", usage.ru_maxrss);
    // Last, after the last mark of the log: the walk fills every level, which is neither timed nor counted.
    if (found) std::printf("shown %d\n", CountShownItems(*frame));

    application.m_pMainWnd->DestroyWindow();
    application.m_pMainWnd = nullptr;
    TestDriver::PumpPostedMessages();
    application.ExitInstance();
    return found ? 0 : 1;
}
