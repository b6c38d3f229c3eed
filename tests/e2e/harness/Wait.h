// Bounded polls: every wait in the end-to-end tests is on a condition, with a deadline.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace qiv::e2e {

constexpr unsigned kDefaultWaitMs = 5000;

// Polls condition every 10 ms until it holds or timeoutMs have passed.
bool PollUntil(const std::function<bool()>& condition, unsigned timeoutMs = kDefaultWaitMs);

// The same, as an assertion result that names what was awaited.
::testing::AssertionResult Eventually(const std::string& what, const std::function<bool()>& condition,
                                      unsigned timeoutMs = kDefaultWaitMs);

// Holds for the whole period: the condition is checked every 10 ms for periodMs.
::testing::AssertionResult Throughout(const std::string& what, const std::function<bool()>& condition,
                                      unsigned periodMs);

}  // namespace qiv::e2e
