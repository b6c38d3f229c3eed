// The panel's lock: what each answer of the lock dialog does to the lock and its password.
#include "panel/LockState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qiv {
namespace {

constexpr bool kOk = true;
constexpr bool kCancel = false;

struct Answer {
  bool confirmed;
  const char* password;
  LockOutcome outcome;
  bool lockedAfter;
};

struct LockCase {
  const char* name;
  std::vector<Answer> answers;
};

class LockCommand : public ::testing::TestWithParam<LockCase> {};

TEST_P(LockCommand, AppliesEachAnswerInTurn) {
  LockState lock;
  int step = 0;
  for (const Answer& answer : GetParam().answers) {
    EXPECT_EQ(lock.ApplyDialogResult(answer.confirmed, answer.password), answer.outcome) << "answer " << step;
    EXPECT_EQ(lock.IsLocked(), answer.lockedAfter) << "answer " << step;
    ++step;
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, LockCommand,
                         ::testing::Values(LockCase{"RightPasswordUnlocks",
                                                    {{kOk, "secret", LockOutcome::Locked, true},
                                                     {kOk, "secret", LockOutcome::Unlocked, false}}},
                                           LockCase{"CaseMatters",
                                                    {{kOk, "secret", LockOutcome::Locked, true},
                                                     {kOk, "SECRET", LockOutcome::WrongPassword, true},
                                                     {kOk, "secret", LockOutcome::Unlocked, false}}},
                                           LockCase{"LockingAgainTakesANewPassword",
                                                    {{kOk, "first", LockOutcome::Locked, true},
                                                     {kOk, "first", LockOutcome::Unlocked, false},
                                                     {kOk, "second", LockOutcome::Locked, true},
                                                     {kOk, "first", LockOutcome::WrongPassword, true},
                                                     {kOk, "second", LockOutcome::Unlocked, false}}},
                                           LockCase{"CancelChangesNothing",
                                                    {{kCancel, "ignored", LockOutcome::Unchanged, false},
                                                     {kOk, "secret", LockOutcome::Locked, true},
                                                     {kCancel, "secret", LockOutcome::Unchanged, true},
                                                     {kCancel, "other", LockOutcome::Unchanged, true},
                                                     {kOk, "secret", LockOutcome::Unlocked, false}}},
                                           LockCase{"WrongPasswordKeepsTheLockAndItsPassword",
                                                    {{kOk, "secret", LockOutcome::Locked, true},
                                                     {kOk, "secret ", LockOutcome::WrongPassword, true},
                                                     {kOk, "", LockOutcome::WrongPassword, true},
                                                     {kOk, "secret", LockOutcome::Unlocked, false}}},
                                           LockCase{"EmptyPasswordNeverLocks",
                                                    {{kOk, "", LockOutcome::Unchanged, false},
                                                     {kOk, "x", LockOutcome::Locked, true}}}),
                         [](const ::testing::TestParamInfo<LockCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace qiv
