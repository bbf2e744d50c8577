# The system dialogs' rules without windows.
if(TARGET tamo_system_core)
  tamo_add_gtest(system_core_tests
    SOURCES NodeAddressRulesTest.cpp ComponentNameRulesTest.cpp ConnectionSettingsTextTest.cpp
    LIBS tamo_system_core)
endif()

# The dialogs offscreen with the platform's test driver against the sample design of the test run's server
# (the data tree's test support: session, driver, administrator queries).
if(TARGET tamo_system_dialogs AND TARGET tamo_platform_testing)
  tamo_add_gtest(system_dialogs_tests DATABASE
    SOURCES
      ${CMAKE_SOURCE_DIR}/tests/editor/frame/DataTreeTestSupport.cpp
      SystemDialogsTestSupport.cpp
      NodeDialogsTest.cpp
      ComponentDialogsTest.cpp
      DeploymentAndPortDialogsTest.cpp
      ConnectionSettingsDialogTest.cpp
      NetworkLinkDialogTest.cpp
      SystemDialogsScreenshotTest.cpp
    LIBS tamo_system_dialogs tamo_platform_testing)
  target_include_directories(system_dialogs_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/editor/frame)
endif()
