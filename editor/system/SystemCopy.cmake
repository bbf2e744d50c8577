# Copying and moving in the system tree.

# The copy of a whole system domain with everything in it and the transaction that every copy runs in, without
# windows.
add_library(tamo_system_copy STATIC
  ${CMAKE_CURRENT_LIST_DIR}/CopyTransaction.cpp
  ${CMAKE_CURRENT_LIST_DIR}/class_copy_system_domain_data.cpp)
target_include_directories(tamo_system_copy PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tamo_system_copy PUBLIC tamo_session)

# The move and copy dialog of a system domain and the component and node copy dialogs join the system dialogs
# (they share the copy dialogs' combo and list helpers of the frame's window library).
if(TARGET tamo_system_dialogs)
  target_sources(tamo_system_dialogs PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/class_copy_component_dlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/class_copy_node_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/class_copy_system_domain_dialog.cpp)
  target_link_libraries(tamo_system_dialogs PUBLIC tamo_system_copy)
endif()
