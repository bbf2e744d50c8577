# The system-domain tree: its pane, its command object and the texts and images of its items. The frame's
# window library includes this file and takes the sources in (the main frame creates the pane).
target_sources(tamo_frame PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CSystemDomainTreeView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CSystemDomainTreeViewClassCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CSystemDomainTreeViewCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CSystemDomainTreeViewFill.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CSystemDomainTreeViewTools.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CSystemDomainTreeViewWalks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CTreeSystemDomainControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SystemTreeItems.cpp)
target_include_directories(tamo_frame PUBLIC ${CMAKE_CURRENT_LIST_DIR})
# The dialogs the command object opens.
target_link_libraries(tamo_frame PUBLIC tamo_system_dialogs)
