# The properties pane's tests: what each item kind shows (no server), and the pane in the running editor
# offscreen with the platform's test driver against a sample design of its own.
tamo_add_gtest(frame_properties_core_tests
  SOURCES PropertyGroupsTest.cpp
  LIBS tamo_frame_core)

if(TARGET tamo_frame AND TARGET tamo_platform_testing)
  tamo_add_gtest(frame_properties_tests DATABASE
    SOURCES
      FrameTestDatabase.cpp
      EditorTestSupport.cpp
      PropertiesPaneTest.cpp
    LIBS tamo_frame tamo_platform_testing)
endif()
