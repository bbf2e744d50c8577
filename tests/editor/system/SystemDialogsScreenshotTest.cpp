// Pictures of the node IP dialog, the component class dialog and the network link dialog filled from the
// sample design, written to the test run's artifact folder for a look; filled, they cut none of their texts.

#include "CNewComponentInterfaceDlg.h"
#include "CNodeViewDlg.h"
#include "SystemDialogsTestSupport.h"
#include "class_network_link_dialog.h"

using tamo::platform::TestDriver;

namespace {

class SystemDialogsScreenshotTest : public system_dialogs_test::SystemDialogsTest {};

TEST_F(SystemDialogsScreenshotTest, NodeIpClassAndNetworkLinkDialogs) {
    const class_node_info router = Node(NodeId("주 라우터"));
    CNodeViewDlg ips;
    ips.m_nNodeId = router.id;
    ips.m_nDomainId = router.domain_id;
    ips.m_strName = router.name.c_str();
    ips.m_strType = router.type.c_str();
    ips.m_NodeInfo = router;
    driver.OnDialog(345, [](CDialog& d) {
        TestDriver::ClickListRow(dialog_test::List(d, 1071), 1);
        EXPECT_EQ(TestDriver::CutTexts(d), std::vector<CString>{});
        EXPECT_TRUE(TestDriver::SaveWindowPng(d, TestDriver::ArtifactPath("dialog_345_node_ip.png")));
        TestDriver::Click(d, 1075);
    });
    ips.DoModal();

    CNewComponentInterfaceDlg classes;
    classes.m_bEditClassMode = TRUE;
    classes.m_nComponentId = ComponentId("항법 관리자");
    classes.m_nId = SampleId("SELECT id FROM component_class WHERE class_name = 'class_Navigation'");
    classes.m_strKind = "proxy";
    classes.m_nMethodDomainId = DomainId("method", "NavService");
    classes.m_strMethodDomainName = "NavService";
    classes.m_strInterfaceName = "INavigation";
    classes.m_strClassName = "class_Navigation";
    driver.OnDialog(367, [](CDialog& d) {
        EXPECT_EQ(TestDriver::CutTexts(d), std::vector<CString>{});
        EXPECT_TRUE(TestDriver::SaveWindowPng(d, TestDriver::ArtifactPath("dialog_367_component_class.png")));
        TestDriver::Click(d, IDCANCEL);
    });
    classes.DoModal();

    class_network_link_dialog links;
    links.m_DomainInfo.id = DomainId("system", "Ship");
    driver.OnDialog(417, [](CDialog& d) {
        TestDriver::ClickListRow(dialog_test::List(d, 1188), 2);
        EXPECT_EQ(TestDriver::CutTexts(d), std::vector<CString>{});
        EXPECT_TRUE(TestDriver::SaveWindowPng(d, TestDriver::ArtifactPath("dialog_417_network_link.png")));
        TestDriver::Click(d, IDCANCEL);
    });
    links.DoModal();
}

}  // namespace
