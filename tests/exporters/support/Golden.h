#pragma once

#include <gtest/gtest.h>

#include <string>

namespace tamo::exporters::testing {

// The text with every date and time ("2024-01-02 03:04:05") replaced by "YYYY-MM-DD hh:mm:ss": the sample
// design gets its dates when it is entered.
std::string WithoutTimes(const std::string& text);

// Compares a written document, without its times, with the golden file `name` as a whole. With
// TAMO_UPDATE_GOLDEN=1 in the environment the golden file is written instead.
::testing::AssertionResult MatchesGolden(const std::string& document, const std::string& name);

}  // namespace tamo::exporters::testing
