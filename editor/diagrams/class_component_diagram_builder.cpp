#include "class_component_diagram_builder.h"

#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

#include "CMysqlQuery.h"
#include "Class_ComponentEntity.h"
#include "CurrentRecords.h"
#include "StubObjectId.h"
#include "Utf8.h"
#include "class_circle_stub_interface.h"
#include "class_diagramscrollview.h"
#include "class_domain_info.h"
#include "class_uml_proxyinterface.h"
#include "class_uml_stubinterface.h"
#include "class_umlline.h"

namespace {

// The boxes of interfaces in component diagrams: 10 x the name's length, at least 110 for a proxy and 105
// for a stub.
int proxy_box_width(const std::string& name) {
    const int length = static_cast<int>(tamo::platform::CodePageLength(name));
    return length <= 11 ? 110 : 10 * length;
}

int stub_box_width(const std::string& name) {
    const int length = static_cast<int>(tamo::platform::CodePageLength(name));
    return length <= 10 ? 105 : 10 * length;
}

}  // namespace

Class_ComponentEntity* class_component_diagram_builder::add_component(const class_component_info& component,
                                                                      CPoint place, int reportedKind) {
    auto* box = add<Class_ComponentEntity>(&DiagramDocument::AddComponent);
    if (!box) return nullptr;
    box->SetItemInfo(item());
    box->SetPosition(place.x, place.y);
    box->set_component_info(component);
    box->set_reported_item_kind(reportedKind);
    box->CreateEntityWindow(m_pView);
    return box;
}

void class_component_diagram_builder::connect(const CRect& from, const CRect& to, int endKind) {
    class_umlline* line = class_umlline::add_between(*m_pDocument, from, to);
    if (!line) return;
    if (endKind) line->set_end_kind(endKind);
    line->CreateEntityWindow(m_pView);
}

void class_component_diagram_builder::grow_extent_below(const CRect& rect) {
    m_pView->grow_extent(rect.right + 100, rect.bottom + 200);
}

// --- Kinds 0 and 1 -----------------------------------------------------------------------------------------

namespace {

// The class as the server holds it now, for its box: its interface may have been renamed since the tree read it.
// False (shown) when the class is gone.
template <class Relation>
bool ReadShownClass(const TreeNodeData& item, const char* goneText, std::optional<Relation>& current) {
    const auto* shown = static_cast<const Relation*>(item.record);
    if (!shown) return true;
    Relation read;
    if (!ReadCurrentClass(*shown, read, goneText)) return false;
    current = read;
    return true;
}

template <class Box, class Relation>
CUmlEntity* AddClassBox(Box* box, const std::optional<Relation>& current) {
    if (box && current) box->set_relation(*current);
    return box;
}

}  // namespace

void class_component_diagram_builder::draw_interface(int kind, const TreeNodeData& interfaceClass) {
    std::optional<class_proxy_interface_relation_info> proxy;
    std::optional<class_stub_interface_relation_info> stub;
    const bool stands = kind == 0 ? ReadShownClass(interfaceClass, "Proxy Class가 없습니다. 다른 사용자가 지웠습니다.", proxy)
                                  : ReadShownClass(interfaceClass, "Stub Class가 없습니다. 다른 사용자가 지웠습니다.", stub);
    if (!stands || !bind()) return;
    remember(kind, interfaceClass);
    CUmlEntity* box = nullptr;
    if (kind == 0) {
        auto* proxyBox = add<class_uml_proxyinterface>(&DiagramDocument::AddProxyInterface);
        if (proxyBox) proxyBox->SetItemInfo(item());
        box = AddClassBox(proxyBox, proxy);
    } else {
        auto* stubBox = add<class_uml_stubinterface>(&DiagramDocument::AddStubInterface);
        if (stubBox) stubBox->SetItemInfo(item());
        box = AddClassBox(stubBox, stub);
    }
    if (!box) return;
    box->SetPosition(100, 100);
    box->SetSize(200, 200);
    box->CreateEntityWindow(m_pView);
}

// --- Kind 2 ------------------------------------------------------------------------------------------------

template <class Box, class Relation>
void class_component_diagram_builder::add_interface_row(const std::vector<Relation>& relations,
                                                        void (DiagramDocument::*factory)(), int y,
                                                        int (*width)(const std::string&)) {
    int x = 100;
    for (const Relation& relation : relations) {
        auto* box = add<Box>(factory);
        if (!box) return;
        box->SetPosition(x, y);
        box->set_relation(relation);
        box->SetSize(width(relation.interface_name), 50);
        box->set_display_mode(2);
        box->CreateEntityWindow(m_pView);
        x += 200;
        m_pView->grow_extent(x + 100, y + 200);
    }
}

void class_component_diagram_builder::draw_component_interfaces(const TreeNodeData& component) {
    const auto* shown = static_cast<const class_component_info*>(component.record);
    if (!shown || !bind()) return;
    // The component as it stands now: the box shows its current name, and one that is gone draws nothing.
    class_component_info current;
    if (!ReadCurrentComponent(shown->component_id, current, "컴포넌트가 없습니다. 다른 사용자가 지웠습니다.")) return;
    const class_component_info* record = &current;
    remember(2, component);
    CMysqlQuery* db = CMysqlQuery::GetInstance();

    std::vector<class_proxy_interface_relation_info> proxies;
    if (db->SelectProxyInterfaceList(db->FormatCall("call proxyInterfaceViewList(%d)", record->component_id),
                                     proxies) != 0)
        db->ShowLastError();
    add_interface_row<class_uml_proxyinterface>(proxies, &DiagramDocument::AddProxyInterface, 100, proxy_box_width);

    Class_ComponentEntity* central = add_component(*record, CPoint(300, 300), TREE_COMPONENT);
    if (!central) return;
    const CRect componentBox = central->GetRect();

    std::vector<class_stub_interface_relation_info> stubs;
    if (db->SelectStubInterfaceList(db->FormatCall("call stubInterfaceViewList(%d)", record->component_id), stubs) != 0)
        db->ShowLastError();
    add_interface_row<class_uml_stubinterface>(stubs, &DiagramDocument::AddStubInterface, 500, stub_box_width);

    const std::vector<CUmlEntity*> elements = m_pDocument->GetElements();
    for (CUmlEntity* element : elements) {
        const int kind = element->GetEntityKind();
        if (kind == UML_PROXY_INTERFACE) connect(componentBox, element->GetRect());
        if (kind == UML_STUB_INTERFACE) connect(componentBox, element->GetRect(), UML_STUB_INTERFACE);
    }
}

// --- Kind 3 ------------------------------------------------------------------------------------------------

void class_component_diagram_builder::draw_domain_components(const TreeNodeData& componentsFolder) {
    const auto* shown = static_cast<const class_domain_info*>(componentsFolder.record);
    // The domain as it stands now: one that is gone, or that this account may no longer read, draws nothing.
    class_domain_info domain;
    if (!shown || !bind() || !read_system_domain(*shown, domain)) return;
    remember(3, componentsFolder);
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_component_info> components;
    if (db->SelectComponentList(db->FormatCall("call componentViewList(%d)", domain.id), components) != 0) {
        db->ShowLastError();
        return;
    }

    // An interface used by several components, as proxy or as stub, is shown once.
    std::map<std::pair<int, std::string>, CUmlEntity*> interfaces;
    int componentX = 200, componentY = 100, placedInRow = 0;
    int interfaceX = 100;
    const auto place_interface = [&](auto* box, const auto& relation, int width) {
        box->SetPosition(interfaceX, 400);
        box->set_relation(relation);
        box->SetSize(width, 50);
        box->set_display_mode(3);
        box->CreateEntityWindow(m_pView);
        interfaceX += width + 50;
        m_pView->grow_extent(interfaceX + 100, 600);
        return static_cast<CUmlEntity*>(box);
    };
    // Lines from a component to the boxes of its classes (Box: the box class of the relations' kind).
    const auto link_interfaces = [&](auto* boxKind, const auto& relations, void (DiagramDocument::*factory)(),
                                     int (*width)(const std::string&), int endKind, const CRect& from) {
        using Box = std::remove_pointer_t<decltype(boxKind)>;
        for (const auto& relation : relations) {
            CUmlEntity*& shown = interfaces[{relation.method_domain_id, relation.interface_name}];
            if (!shown)
                if (auto* added = add<Box>(factory))
                    shown = place_interface(added, relation, width(relation.interface_name));
            if (shown) connect(from, shown->GetRect(), endKind);
        }
    };

    for (const class_component_info& component : components) {
        Class_ComponentEntity* box = add_component(component, CPoint(componentX, componentY), TREE_COMPONENT);
        if (!box) return;
        box->load_node_info();
        const CRect rect = box->GetRect();
        ++placedInRow;
        grow_extent_below(rect);
        componentX += rect.Width() + 100;
        if (placedInRow > static_cast<int>(components.size()) / 2) {
            componentX = 200;
            componentY += rect.Height() + 500;
            placedInRow = 0;
        }

        std::vector<class_proxy_interface_relation_info> proxies;
        if (db->SelectProxyInterfaceList(db->FormatCall("call proxyInterfaceViewList(%d)", component.component_id),
                                         proxies) != 0)
            db->ShowLastError();
        link_interfaces(static_cast<class_uml_proxyinterface*>(nullptr), proxies, &DiagramDocument::AddProxyInterface,
                        proxy_box_width, 0, rect);
        std::vector<class_stub_interface_relation_info> stubs;
        if (db->SelectStubInterfaceList(db->FormatCall("call stubInterfaceViewList(%d)", component.component_id),
                                        stubs) != 0)
            db->ShowLastError();
        link_interfaces(static_cast<class_uml_stubinterface*>(nullptr), stubs, &DiagramDocument::AddStubInterface,
                        stub_box_width, UML_STUB_INTERFACE, rect);
    }
}

// --- Kind 4 ------------------------------------------------------------------------------------------------

class_circle_stub_interface* class_component_diagram_builder::add_lollipop(const CRect& from, const CRect& carrier,
                                                                           int offset, const class_custum_table& entry,
                                                                           const std::string& circleText,
                                                                           const std::string& componentText) {
    auto* circle = add<class_circle_stub_interface>(&DiagramDocument::AddCircleStubInterface);
    if (!circle) return nullptr;
    const CPoint position = line_geometry::rect_centre(from);
    circle->SetPosition(position.x, position.y);
    circle->set_line_ends(from, carrier, line_geometry::rect_centre(carrier));
    const int stickY = carrier.top + offset + 10;
    circle->set_lollipop(
        CPoint(carrier.right, stickY), CPoint(carrier.right + 20, stickY),
        CRect(carrier.right + 20, carrier.top + offset, carrier.right + 40, carrier.top + offset + 20));
    circle->set_mode(2);
    circle->set_interface_text(circleText);
    circle->set_interface_info(entry);
    circle->set_component_text(componentText);
    return circle;
}

namespace {

// The installation as the server holds it now, found by its deployment id among what the node has installed;
// false (shown) when the node or the installation is gone.
bool ReadCurrentInstallation(const class_node_info& node, const class_component_info& installed,
                             class_node_info& currentNode, class_component_info& current) {
    if (!ReadCurrentNode(node.id, currentNode, "노드가 없습니다. 다른 사용자가 지웠습니다.")) return false;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_component_info> rows;
    if (db->SelectInstalledComponentList(
            db->FormatCall("call nodeDeploymentViewInstallList(%d, %d)", currentNode.domain_id, currentNode.id), rows) !=
        0) {
        db->ShowLastError();
        return false;
    }
    for (const class_component_info& row : rows) {
        if (row.deployment_id != installed.deployment_id) continue;
        current = row;
        return true;
    }
    AfxMessageBox("설치된 컴포넌트가 없습니다. 다른 사용자가 지웠습니다.");
    return false;
}

}  // namespace

void class_component_diagram_builder::draw_node_component_deploy(const TreeNodeData& installedComponent,
                                                                 const TreeNodeData& node) {
    const auto* shownComponent = static_cast<const class_component_info*>(installedComponent.record);
    const auto* shownNode = static_cast<const class_node_info*>(node.record);
    if (!shownComponent || !shownNode || !bind()) return;
    class_node_info currentNode;
    class_component_info currentComponent;
    if (!ReadCurrentInstallation(*shownNode, *shownComponent, currentNode, currentComponent)) return;
    const class_component_info* component = &currentComponent;
    const class_node_info* nodeRecord = &currentNode;
    remember(4, installedComponent, node);
    CMysqlQuery* db = CMysqlQuery::GetInstance();

    Class_ComponentEntity* central = add_component(*component, CPoint(500, 200), TREE_INSTALLED_COMPONENT);
    if (!central) return;
    // The component is installed on the node of the parent item (its first number is the deployment).
    central->set_node_info(*nodeRecord);
    const CRect centralBox = central->GetRect();
    grow_extent_below(centralBox);

    // The components it calls: a lollipop on each for every stub object it calls there.
    std::vector<class_custum_table> proxies;
    if (db->SelectCustomProxyTable(db->FormatCall("call draw_deployComponentProxyInterfaceList(%d, %d, %d)",
                                                  nodeRecord->domain_id, nodeRecord->id, component->component_id),
                                   proxies) != 0) {
        db->ShowLastError();
        proxies.clear();
    }
    std::map<int, Class_ComponentEntity*> called;
    int y = 100;
    for (const class_custum_table& proxy : proxies) {
        const std::optional<int> objectId = parse_stub_object_id(proxy.stub_object_id);
        if (!objectId) continue;
        class_component_info server;
        std::string objectName;
        if (db->SelectComponentInfo(db->FormatCall("call nodecomponentViewstubcomponentlist(%d, '%s', %d)", *objectId,
                                                   proxy.stub_ip, nodeRecord->domain_id),
                                    server, objectName) != 0) {
            db->ShowLastError();
            continue;
        }
        if (server.component_id == 0) continue;
        Class_ComponentEntity*& box = called[server.component_id];
        int offset = 0;
        if (!box) {
            box = add_component(server, CPoint(20, y), TREE_INSTALLED_COMPONENT);
            if (!box) break;
            box->load_node_info();
            m_lollipops[box] = 1;
            y += box->GetRect().Height() + 70;
        } else {
            offset = 30 * m_lollipops[box];
            if (box->GetRect().Height() < offset) box->SetSize(box->GetRect().Width(), offset + 20);
            box->Invalidate();
            ++m_lollipops[box];
            if (box->GetRect().bottom >= y) y = box->GetRect().bottom + 50;
        }
        const CRect rect = box->GetRect();
        grow_extent_below(rect);
        if (class_circle_stub_interface* circle =
                add_lollipop(centralBox, rect, offset, proxy, proxy.stub_object_id, server.name)) {
            connect(centralBox, circle->get_head_box());
            circle->CreateEntityWindow(m_pView);
        }
    }

    // The components that call it: one lollipop on it for every stub object it serves, with a line from each
    // caller.
    std::vector<class_custum_table> stubs;
    if (db->SelectCustomStubTable(
            db->FormatCall("call coustim_stubViewlistinfo(%d, %d)", nodeRecord->id, component->component_id), stubs) !=
        0)
        db->ShowLastError();
    const int x = centralBox.right + 200;
    y = 100;
    for (const class_custum_table& stub : stubs) {
        const std::optional<int> objectId = parse_stub_object_id(stub.object_id);
        if (!objectId) continue;
        std::vector<class_component_info> callers;
        class_custum_table callerEntry;
        if (db->SelectProxyComponentList(
                db->FormatCall("call nodeComponentViewProxyComponentList(%d, %d, '%s', %d, %d)", nodeRecord->id,
                               *objectId, stub.interface_name, nodeRecord->domain_id, component->component_id),
                callers, &callerEntry) != 0)
            db->ShowLastError();
        CRect head;
        for (std::size_t i = 0; i < callers.size(); ++i) {
            auto* box = dynamic_cast<Class_ComponentEntity*>(m_pDocument->FindComponentEntity(callers[i]));
            if (!box) {
                box = add_component(callers[i], CPoint(x, y), TREE_INSTALLED_COMPONENT);
                if (!box) return;
                box->load_node_info();
            }
            const CRect rect = box->GetRect();
            grow_extent_below(rect);
            if (i == 0) {
                const int offset = 30 * m_lollipops[central];
                if (class_circle_stub_interface* circle =
                        add_lollipop(rect, centralBox, offset, stub, stub.object_id, component->name)) {
                    circle->CreateEntityWindow(m_pView);
                    head = circle->get_head_box();
                }
                if (central->GetRect().Height() < offset) {
                    central->SetSize(central->GetRect().Width(), offset + 20);
                    central->Invalidate();
                }
                ++m_lollipops[central];
            }
            connect(rect, head);
            y += rect.Height() + 50;
        }
    }
}

// --- Kind 9 ------------------------------------------------------------------------------------------------

void class_component_diagram_builder::draw_deployed_components(const TreeNodeData& systemDomain) {
    const auto* shown = static_cast<const class_domain_info*>(systemDomain.record);
    // The domain as it stands now: one that is gone, or that this account may no longer read, draws nothing.
    class_domain_info domain;
    if (!shown || !bind() || !read_system_domain(*shown, domain)) return;
    // The view learns the item last, but the elements refer to its copy from the start.
    m_pView->set_diagram_items(systemDomain, TreeNodeData());
    CMysqlQuery* db = CMysqlQuery::GetInstance();

    std::vector<class_component_info> column;
    db->SelectInstalledComponentList(db->FormatCall("call select_all_deploy_component_only_proxy(%d)", domain.id),
                                     column);
    std::vector<CUmlEntity*> components;
    std::vector<std::pair<int, int>> calls;
    int x = 50;
    while (true) {
        int y = 50, widest = 0;
        std::vector<class_component_info> next;
        for (const class_component_info& component : column) {
            // A component reached again moves to the later column and is not followed again.
            if (!m_pView->find_component_entity(component.component_id, CPoint(x, y))) {
                auto* box = add<Class_ComponentEntity>(&DiagramDocument::AddComponent);
                if (!box) return;
                box->SetPosition(x, y);
                box->SetItemInfo(item());
                components.push_back(box);
                box->set_component_info(component);
                box->load_node_info();
                box->set_reported_item_kind(TREE_INSTALLED_COMPONENT);
                widest = std::max(widest, box->GetRect().Width());
                std::vector<class_component_info> served;
                db->SelectInstalledComponentList(
                    db->FormatCall("call select_all_deploy_stub_component(%d, %d)", domain.id, component.component_id),
                    served);
                for (const class_component_info& server : served) {
                    calls.emplace_back(component.component_id, server.component_id);
                    next.push_back(server);
                }
            }
            y += 100;
            m_pView->grow_extent(x + 100, y + 200);
        }
        if (next.empty()) break;
        x += widest + 100;
        column = std::move(next);
    }

    std::vector<CUmlEntity*> lines;
    for (const auto& [caller, server] : calls) m_pView->add_component_line(caller, server, lines);
    m_pView->create_entity_windows(components, lines);
    m_pView->set_diagram_items(systemDomain, TreeNodeData());
}
