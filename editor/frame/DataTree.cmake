# The data-domain tree's dialogs, command object and exporter launcher, added to the frame's window library
# (CDataDomainTreeView itself is in the frame's own list).
target_sources(tamo_frame PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CConstViewDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CDataFieldViewDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CNewDomainDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CNewMetadataDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CSearchDomainDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CTreeDataDomainControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CCopyDialogBase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CopyDialogSupport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataDialogControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DomainCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RunXmlExporter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/class_copy_data_dialog.cpp)
