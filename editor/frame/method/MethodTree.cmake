# The method-domain tree's pane, command object and dialogs (editor/frame/method) and the method copy dialogs,
# added to the frame's window library (its rules without windows, MethodRules, stand in the frame's core library,
# which the properties pane shares).
target_sources(tamo_frame PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CInterfaceMemberViewDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CMethodDomainTreeView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CNewInterfaceDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CNewMethodDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CTreeMethodDomainControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/class_copy_method_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/class_edit_overlap_method_dialog.cpp)
