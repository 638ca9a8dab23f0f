#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/gdi/text/FontAnswerCache.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

// A configuration file, a font folder with one face and a place where a
// user's configuration could appear, all dated well in the past so that a
// change made by a test always gives a new modification time.
class FontAnswerCache : public ::testing::Test {
 protected:
  FontAnswerCache() {
    Reset();
    config_ = temp_.Path() / "etc/fonts.conf";
    inputs_.keys = {"fontconfig 21401", "HOME=/home/someone"};
    inputs_.paths = {config_, config_.parent_path(), Fonts(), UserConfig()};
    answers_[{"Tahoma", true, false}] = {true, (Fonts() / "face.ttf").string(), 0, true, false};
    answers_[{"Nirgendwo Sans", false, true}] = {false, "", 0, false, false};
    answers_[{"Variable", false, false}] = {true, (Fonts() / "face.ttf").string(), (3 << 16) | 2, false, false};
  }

  void Reset() {
    fs::remove_all(temp_.Path() / "home");
    fs::remove(Fonts() / "other.ttf");
    const fs::path config = temp_.Write("etc/fonts.conf", "<fontconfig/>");
    const fs::path face = temp_.Write("fonts/face.ttf", "face");
    const fs::file_time_type past = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    for (const fs::path& path : {config, face, Fonts(), config.parent_path()}) fs::last_write_time(path, past);
  }

  fs::path Fonts() const { return temp_.Path() / "fonts"; }
  fs::path UserConfig() const { return temp_.Path() / "home/.config/fontconfig/fonts.conf"; }
  fs::path CacheFile() const { return temp_.Path() / "cache/quillbrook/font-answers"; }

  test::TempDir temp_;
  fs::path config_;
  FontAnswerInputs inputs_;
  FontAnswers answers_;
};

TEST_F(FontAnswerCache, AnswersComeBackWhileNothingTheyWereDrawnFromChanged) {
  SaveFontAnswers(CacheFile(), inputs_, answers_);
  const std::optional<FontAnswers> loaded = LoadFontAnswers(CacheFile(), inputs_.keys);
  ASSERT_TRUE(loaded.has_value());
  EXPECT_EQ(*loaded, answers_);
}

TEST_F(FontAnswerCache, AnyChangeToWhatTheAnswersWereDrawnFromDiscardsThem) {
  struct Case {
    const char* what;
    std::function<void()> change;
  };
  const Case cases[] = {
      {"a configuration file edited", [&] { temp_.Write("etc/fonts.conf", "<fontconfig><dir>x</dir></fontconfig>"); }},
      {"a configuration file touched", [&] { fs::last_write_time(config_, fs::file_time_type::clock::now()); }},
      {"a configuration file removed", [&] { fs::remove(config_); }},
      {"a font installed", [&] { temp_.Write("fonts/other.ttf", "other"); }},
      {"a font removed", [&] { fs::remove(Fonts() / "face.ttf"); }},
      {"a user configuration added", [&] { temp_.Write("home/.config/fontconfig/fonts.conf", "<fontconfig/>"); }},
      {"the cache file damaged",
       [&] { temp_.Write("cache/quillbrook/font-answers", "quillbrook font answers 1\nanswer\t1\n"); }},
      {"the cache file from another format",
       [&] { temp_.Write("cache/quillbrook/font-answers", "quillbrook font answers 0\n"); }},
      {"the cache file gone", [&] { fs::remove(CacheFile()); }},
  };
  for (const Case& c : cases) {
    SaveFontAnswers(CacheFile(), inputs_, answers_);
    ASSERT_TRUE(LoadFontAnswers(CacheFile(), inputs_.keys).has_value()) << c.what;
    c.change();
    EXPECT_FALSE(LoadFontAnswers(CacheFile(), inputs_.keys).has_value()) << c.what;
    Reset();
  }
}

TEST_F(FontAnswerCache, OtherKeysDiscardTheAnswers) {
  SaveFontAnswers(CacheFile(), inputs_, answers_);
  EXPECT_FALSE(LoadFontAnswers(CacheFile(), {"fontconfig 21500", "HOME=/home/someone"}).has_value());
  EXPECT_FALSE(LoadFontAnswers(CacheFile(), {"fontconfig 21401"}).has_value());
  EXPECT_FALSE(
      LoadFontAnswers(CacheFile(), {"fontconfig 21401", "HOME=/home/someone", "FONTCONFIG_FILE=/x"}).has_value());
}

TEST_F(FontAnswerCache, WhatTheLineFormatCannotHoldIsNotWritten) {
  // A family with a tab is left out; the others are kept.
  FontAnswers withTab = answers_;
  withTab[{"Odd\tFamily", false, false}] = {true, "/f.ttf", 0, false, false};
  SaveFontAnswers(CacheFile(), inputs_, withTab);
  EXPECT_EQ(LoadFontAnswers(CacheFile(), inputs_.keys), answers_);

  // An input that cannot be written down could never be checked: nothing
  // is written at all, and the old file stays.
  FontAnswerInputs odd = inputs_;
  odd.paths.push_back(temp_.Path() / "line\nbreak");
  SaveFontAnswers(CacheFile(), odd, {});
  EXPECT_EQ(LoadFontAnswers(CacheFile(), inputs_.keys), answers_);
}

TEST(FontAnswerFileTest, LivesInTheUsersCacheFolder) {
  test::EnvGuard env;
  env.Set("XDG_CACHE_HOME", "/var/cache-of-someone");
  env.Set("HOME", "/home/someone");
  EXPECT_EQ(FontAnswerFile(), fs::path("/var/cache-of-someone/quillbrook/font-answers"));
  env.Set("XDG_CACHE_HOME", "relative/is/ignored");
  EXPECT_EQ(FontAnswerFile(), fs::path("/home/someone/.cache/quillbrook/font-answers"));
  env.Unset("XDG_CACHE_HOME");
  env.Unset("HOME");
  EXPECT_EQ(FontAnswerFile(), std::nullopt);
}

}  // namespace
}  // namespace qb
