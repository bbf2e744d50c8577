# Copying and moving in the system tree: the whole-domain copy against the server (with quorrin exporting a
# copy of the sample's Ship), the move and copy dialog, the component and node copy dialogs and the tree's
# commands that open them, offscreen with the platform's test driver.
if(TARGET tamo_frame AND TARGET tamo_platform_testing)
  tamo_add_gtest(system_copy_tests DATABASE
    SOURCES
      ../frame/DataTreeTestSupport.cpp
      SystemTreeTestSupport.cpp
      SystemCopyTestSupport.cpp
      SystemDomainCopyTest.cpp
      SystemCopyDialogsTest.cpp
    LIBS tamo_frame tamo_platform_testing exporters_test_support)
  target_include_directories(system_copy_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/../frame)
endif()
