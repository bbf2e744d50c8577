# The data tree's tests: its dialogs, command object, pane and exporter launcher, offscreen with the platform's
# test driver against the sample design of the test run's server.
if(TARGET tamo_frame AND TARGET tamo_platform_testing)
  tamo_add_gtest(frame_datatree_tests DATABASE
    SOURCES
      DataTreeTestSupport.cpp
      DataDialogsTest.cpp
      DataDomainControlTest.cpp
      DataDomainTreeViewTest.cpp
      RunXmlExporterTest.cpp
    LIBS tamo_frame tamo_platform_testing)
  # The launcher's end-to-end test runs the data-domain exporter that the build puts into tools/.
  target_compile_definitions(frame_datatree_tests PRIVATE TAMO_BUILD_DIR="${CMAKE_BINARY_DIR}")
  if(TARGET pelvane)
    add_dependencies(frame_datatree_tests pelvane)
  endif()
endif()
