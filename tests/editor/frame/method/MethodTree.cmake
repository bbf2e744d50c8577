# The method tree's tests: its rules, dialogs, command object and pane, offscreen with the platform's test driver
# against the sample design of the test run's server. The test support shared with the other trees stays in
# tests/editor/frame.
if(TARGET tamo_frame AND TARGET tamo_platform_testing)
  tamo_add_gtest(frame_methodtree_tests DATABASE
    SOURCES
      ${CMAKE_CURRENT_LIST_DIR}/../DataTreeTestSupport.cpp
      ${CMAKE_CURRENT_LIST_DIR}/MethodTreeTestSupport.cpp
      ${CMAKE_CURRENT_LIST_DIR}/MethodRulesTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/MethodDialogsTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/MethodDomainControlTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/MethodDomainTreeViewTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/MethodTreeSharedDesignTest.cpp
    LIBS tamo_frame tamo_platform_testing)
  target_include_directories(frame_methodtree_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
endif()
