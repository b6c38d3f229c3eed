// OK and Cancel across the settings pages: the first page that refuses its values stops the rest and the save.
#include "settings/ApplyPages.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/fakes/MemoryRegistry.h"

namespace qiv {
namespace {

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

// A page that writes one value into the settings when it saves, unless it is told to refuse.
class FakePage final : public PageActions {
 public:
  FakePage(Settings& settings, std::int32_t Settings::*field, std::int32_t value, bool hasWindow, bool accepts)
      : settings_(settings), field_(field), value_(value), hasWindow_(hasWindow), accepts_(accepts) {}

  bool HasPageWindow() const override { return hasWindow_; }
  bool SavePage() override {
    ++saves;
    if (!accepts_) return false;
    settings_.*field_ = value_;
    return true;
  }
  void RevertPage() override { ++reverts; }

  int saves = 0;
  int reverts = 0;

 private:
  Settings& settings_;
  std::int32_t Settings::*field_;
  std::int32_t value_;
  bool hasWindow_;
  bool accepts_;
};

class ApplyPagesTest : public testing::Test {
 protected:
  std::optional<std::uint32_t> StoredDword(const char* name) const {
    const std::optional<RegistryValue> value = registry_.Value(kUser, Settings::kRegistryPath, name);
    if (!value || value->data.size() != 4) return std::nullopt;
    return value->data[0] | value->data[1] << 8 | value->data[2] << 16 |
           static_cast<std::uint32_t>(value->data[3]) << 24;
  }

  MemoryRegistry registry_;
  Settings settings_{registry_, Settings::Rect{0, 0, 1024, 768}, 18};
};

TEST_F(ApplyPagesTest, AllPagesAcceptedSavesToTheRegistry) {
  FakePage general(settings_, &Settings::AlwaysOnTop, 0, true, true);
  FakePage advanced(settings_, &Settings::SmartDispatch, 0, true, true);
  EXPECT_TRUE(ApplyPages({&general, &advanced}, settings_));
  EXPECT_EQ(StoredDword("AlwaysOnTop"), 0u);
  EXPECT_EQ(StoredDword("SmartDispatch"), 0u);
}

TEST_F(ApplyPagesTest, StopsAtTheFirstRefusingPageWithEarlierPagesWrittenAndNothingSaved) {
  FakePage general(settings_, &Settings::AlwaysOnTop, 0, true, true);
  FakePage screens(settings_, &Settings::DoubleWidth, 0, true, false);
  FakePage advanced(settings_, &Settings::SmartDispatch, 0, true, true);
  EXPECT_FALSE(ApplyPages({&general, &screens, &advanced}, settings_));
  EXPECT_EQ(settings_.AlwaysOnTop, 0) << "the page before the refusing one has written its value";
  EXPECT_EQ(advanced.saves, 0) << "no page after the refusing one is asked";
  EXPECT_EQ(settings_.SmartDispatch, 1);
  EXPECT_EQ(StoredDword("AlwaysOnTop"), 1u) << "nothing reaches the registry";
}

TEST_F(ApplyPagesTest, PagesWithoutAWindowAreLeftOutOfOkButAllAreReverted) {
  FakePage general(settings_, &Settings::AlwaysOnTop, 0, true, true);
  FakePage keyboard(settings_, &Settings::DoubleWidth, 0, false, false);
  EXPECT_TRUE(ApplyPages({&general, &keyboard}, settings_)) << "a page never opened cannot refuse";
  EXPECT_EQ(keyboard.saves, 0);
  RevertPages({&general, &keyboard});
  EXPECT_EQ(general.reverts, 1);
  EXPECT_EQ(keyboard.reverts, 1);
}

}  // namespace
}  // namespace qiv
