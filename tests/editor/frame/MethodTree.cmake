# The method tree's tests: its rules, dialogs, command object and pane, offscreen with the platform's test driver
# against the sample design of the test run's server.
if(TARGET tamo_frame AND TARGET tamo_platform_testing)
  tamo_add_gtest(frame_methodtree_tests DATABASE
    SOURCES
      DataTreeTestSupport.cpp
      MethodTreeTestSupport.cpp
      MethodRulesTest.cpp
      MethodDialogsTest.cpp
      MethodDomainControlTest.cpp
      MethodDomainTreeViewTest.cpp
    LIBS tamo_frame tamo_platform_testing)
endif()
