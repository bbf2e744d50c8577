# The data-domain tree's pane, command object and dialogs (editor/frame/data), added to the frame's window library
# (its rules without windows, EnumConstantRules, are in the frame's core library).
target_sources(tamo_frame PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CConstViewDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CDataDomainTreeView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CDataFieldViewDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CNewMetadataDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CTreeDataDomainControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/class_copy_data_dialog.cpp)
