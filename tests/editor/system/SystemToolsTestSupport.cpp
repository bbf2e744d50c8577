#include "SystemToolsTestSupport.h"

#include <sstream>

#include "FrameTestDatabase.h"
#include "class_diagramscrollview.h"

namespace systemtools_test {

namespace {

// An item text stands for the wanted text when it is that text, or that text stands before its first ":" (a node
// that stands for a domain) or after its last ":" (an installed component, a class).
bool TextMatches(const std::string& text, const std::string& wanted) {
    if (text == wanted || text.substr(0, text.find(':')) == wanted) return true;
    const std::string tail = ":" + wanted;
    return text.size() > tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

void SystemToolsTest::SetUp() {
    EditorTest::SetUp();
    if (HasFatalFailure()) return;
    // A design database of these tests' own: they add domains and write files, which the frame's tests must
    // not see.
    m_server = frame_test::SampleDatabase("system_tools");
    frame = StartEditor();
    ASSERT_NE(frame, nullptr);
}

HTREEITEM SystemToolsTest::SelectPath(const std::vector<std::string>& texts) {
    HTREEITEM item = Tree().GetRootItem();
    Tree().SelectItem(item);
    for (const std::string& wanted : texts) {
        HTREEITEM child = Tree().GetChildItem(item);
        while (child && !TextMatches(Tree().GetItemText(child).str(), wanted)) child = Tree().GetNextSiblingItem(child);
        if (child == nullptr) {
            ADD_FAILURE() << "no item " << wanted << " below " << Tree().GetItemText(item).str();
            return nullptr;
        }
        // Selecting a domain the first time replaces the items below it: the walk goes on from the new ones.
        Tree().SelectItem(child);
        item = child;
    }
    return item;
}

TreeNodeData* SystemToolsTest::Data(HTREEITEM item) {
    return item ? reinterpret_cast<TreeNodeData*>(Tree().GetItemData(item)) : nullptr;
}

CTamoZELK_MDIDoc* SystemToolsTest::ActiveDocument() {
    CMDIChildWnd* window = ActiveWindow();
    return window ? dynamic_cast<CTamoZELK_MDIDoc*>(window->GetActiveDocument()) : nullptr;
}

int SystemToolsTest::ActiveDiagramKind() {
    CMDIChildWnd* window = ActiveWindow();
    auto* view = window ? dynamic_cast<class_diagramscrollview*>(window->GetActiveView()) : nullptr;
    return view ? view->get_diagram_kind() : -1;
}

int SystemToolsTest::WindowCount() {
    int count = 0;
    CWnd* client = CWnd::FromHandle(frame->m_hWndMDIClient);
    for (int id = 0xFF00; client && id <= 0xFFFE; ++id)
        if (dynamic_cast<CMDIChildWnd*>(client->GetDlgItem(id))) ++count;
    return count;
}

std::vector<std::string> SystemToolsTest::BoxTextsFrom(size_t first) const {
    std::vector<std::string> texts = BoxTexts();
    texts.erase(texts.begin(), texts.begin() + static_cast<std::ptrdiff_t>(std::min(first, texts.size())));
    return texts;
}

std::string SystemToolsTest::AdminValue(const std::string& query) {
    std::istringstream rows(tamo::testing::TestDatabase::AdminQuery(m_server.database, query));
    std::string first;
    std::getline(rows, first);
    return first;
}

}  // namespace systemtools_test
