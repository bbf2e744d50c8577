# The system tree's tool commands in the whole editor, offscreen with the platform's test driver against a copy
# of the sample design: diagrams, exporters (the built ones too), code generation and the dialogs.
if(TARGET tamo_frame AND TARGET tamo_platform_testing AND TARGET tamo_codegen_test_support)
  tamo_add_gtest(system_tools_tests DATABASE
    SOURCES
      ../frame/FrameTestDatabase.cpp
      ../frame/EditorTestSupport.cpp
      SystemToolsTestSupport.cpp
      SystemToolsTest.cpp
    LIBS tamo_frame tamo_platform_testing tamo_codegen_test_support)
  target_include_directories(system_tools_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/../frame
    ${CMAKE_CURRENT_SOURCE_DIR}/../codegen)
  target_compile_definitions(system_tools_tests PRIVATE TAMO_TOOLS_DIR="${TAMO_TOOLS_DIR}")
  foreach(exporter quorrin skarrow)
    if(TARGET ${exporter})
      add_dependencies(system_tools_tests ${exporter})
    endif()
  endforeach()
endif()
