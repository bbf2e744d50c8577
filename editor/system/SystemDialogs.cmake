# The system dialogs: nodes and their IP rows, components and their classes and objects, deployments, ports,
# connection settings files and network links.

# Their rules without windows: address masks and patterns, names, the settings file's text.
add_library(tamo_system_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ComponentNameRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConnectionSettingsText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NodeAddressRules.cpp)
target_include_directories(tamo_system_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tamo_system_core PUBLIC tamo_session tamo_platform_core)

# The dialogs. The domain chooser and the combo helpers they share with the data tree are in the frame's window
# library (which the system tree in turn joins: CMake repeats the two on the link line).
if(TARGET tamo_platform)
  add_library(tamo_system_dialogs STATIC
    ${CMAKE_CURRENT_LIST_DIR}/CComponentInNode.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CNewComponentDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CNewComponentInterfaceDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CNewNodeDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CNewObjectId.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CNodeViewDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CheckOverlapIp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SystemDialogControls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/class_ini_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/class_network_link_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/class_nodeproxy_stubinfo_dlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/class_port_disign_dialog.cpp)
  target_link_libraries(tamo_system_dialogs PUBLIC tamo_system_core tamo_session tamo_platform tamo_res tamo_frame)
endif()
