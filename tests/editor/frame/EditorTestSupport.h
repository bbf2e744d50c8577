#pragma once

// The editor's application in the frame's window tests: one application object per test process, in a
// private working folder (its settings file), run offscreen with the platform's test driver against the
// sample design of the test run's server.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CMainFrame.h"
#include "CTamoZELK_MDIApp.h"
#include "TestDatabase.h"
#include "TestDriver.h"

namespace frame_test {

// The application object of the test process (created on first use, in a private working folder).
CTamoZELK_MDIApp& EditorApp();

// A file in the artifact folder of the test program's own folder (the test works in a private one).
std::string ArtifactFile(const std::string& name);

// The text of a help topic as the help data holds it.
std::string HelpTopicText(int topic);

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The next showing of the login dialog types the values and presses "연결" (OK).
    void AnswerLogin(const std::string& user, const std::string& password,
                     const std::string& databasePassword = "");
    // The next showing of the login dialog is cancelled.
    void AnswerLoginCancel();
    // Starts the editor logged in as the account: InitInstance and the main frame; fails the test otherwise.
    CMainFrame* StartEditor(const std::string& user = "admin", const std::string& password = "admin");
    CMainFrame* MainFrame() const;

    // A new application account made by admin (each test that changes an account's state uses its own).
    void NewAccount(const std::string& user, const std::string& password);

    // The texts of the message boxes shown so far.
    std::vector<std::string> BoxTexts() const;
    // The text the help window shows; empty without a help window.
    std::string ShownHelpText() const;

    tamo::testing::ConnectionValues m_server;
    tamo::platform::TestDriver driver;
};

}  // namespace frame_test
