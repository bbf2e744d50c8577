# The system tree's tests: the texts, images and menus of its items without a server; the pane and its command
# object offscreen with the platform's test driver against the sample design of the test run's server.
if(TARGET tamo_frame AND TARGET tamo_platform_testing)
  tamo_add_gtest(system_tree_items_tests
    SOURCES SystemTreeItemsTest.cpp
    LIBS tamo_frame)

  tamo_add_gtest(system_tree_tests DATABASE
    SOURCES
      ../frame/DataTreeTestSupport.cpp
      SystemTreeTestSupport.cpp
      SystemDomainTreeViewTest.cpp
      SystemTreeCommandsTest.cpp
      SystemTreeEditCommandsTest.cpp
      SystemTreeSharedDesignTest.cpp
      SystemDomainControlTest.cpp
    LIBS tamo_frame tamo_platform_testing)
  target_include_directories(system_tree_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/../frame)
endif()
