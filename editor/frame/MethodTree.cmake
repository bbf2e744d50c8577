# The method-domain tree's command object and dialogs (editor/frame/method) and the method copy dialogs, added to
# the frame's window library (CMethodDomainTreeView itself is in the frame's own list; its rules without windows,
# method/MethodRules, are in the frame's core library).
target_sources(tamo_frame PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/class_copy_method_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/class_edit_overlap_method_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/method/CInterfaceMemberViewDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/method/CNewInterfaceDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/method/CNewMethodDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/method/CTreeMethodDomainControl.cpp)
