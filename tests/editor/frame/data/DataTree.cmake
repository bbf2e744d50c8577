# The data tree's tests: its dialogs, command object, pane and exporter launcher, offscreen with the platform's
# test driver against the sample design of the test run's server. The launcher serves every tree: its test and the
# test support shared with the other trees stay in tests/editor/frame.
if(TARGET tamo_frame AND TARGET tamo_platform_testing)
  tamo_add_gtest(frame_datatree_tests DATABASE
    SOURCES
      ${CMAKE_CURRENT_LIST_DIR}/../DataTreeTestSupport.cpp
      ${CMAKE_CURRENT_LIST_DIR}/CodeNameDialogsTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/DataDialogsTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/DataDomainControlTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/DataDomainTreeViewTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/DataTreeSharedDesignTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/../RunXmlExporterTest.cpp
    LIBS tamo_frame tamo_platform_testing)
  target_include_directories(frame_datatree_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
  # The launcher's end-to-end test runs the data-domain exporter that the build puts into tools/.
  target_compile_definitions(frame_datatree_tests PRIVATE TAMO_BUILD_DIR="${CMAKE_BINARY_DIR}")
  if(TARGET pelvane)
    add_dependencies(frame_datatree_tests pelvane)
  endif()
endif()
