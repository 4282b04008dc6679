// The shared conveniences' own rules: what a settings file may hold, and the review's
// bounds.
#include <gtest/gtest.h>

#include <string>

#include "app/shared/ReviewBuffer.hpp"
#include "app/shared/Settings.hpp"

namespace {

using zorvek::frontend::ParseSettings;
using zorvek::frontend::Settings;

TEST(SettingsFile, WhatIsWrittenReadsBackAndOnlyLevelsFromNoneToAllAreAccepted) {
  const Settings s{.Music = 0,
                   .EffectsMuted = true,
                   .SpeechRate = 30,
                   .Voice = "Mónica",
                   .ReadCoordinates = false};
  EXPECT_EQ(ParseSettings(zorvek::frontend::SettingsText(s)).Values, s);
  EXPECT_FALSE(ParseSettings(zorvek::frontend::SettingsText(s)).Damaged);
  // Missing members keep their defaults; unknown ones are no damage.
  EXPECT_EQ(ParseSettings(R"({"effects": 40, "other": [1]})").Values.Effects, 40);
  EXPECT_EQ(ParseSettings(R"({"effects": 40})").Values.Music, 100);
  for (const char* damaged :
       {"", "[]", "null", "{", R"({"music": 101})", R"({"music": -1})", R"({"music": 50.5})",
        R"({"music": "50"})", R"({"speech": 1})", R"({"voice": 3})", "{\"voice\": \"\xff\"}",
        R"({"speechRate": 1e400})"}) {
    const auto parsed = ParseSettings(damaged);
    EXPECT_TRUE(parsed.Damaged) << damaged;
    EXPECT_EQ(parsed.Values, Settings{}) << damaged;
  }
}

TEST(ReviewBuffer, KeepsTheNewestFiveHundredTextsAndStopsAtBothEnds) {
  zorvek::frontend::ReviewBuffer review;
  EXPECT_EQ(review.Last(), "No hay textos que repasar.");
  review.Add(" \r\n");
  EXPECT_EQ(review.Size(), 0u);
  for (int i = 1; i <= 501; ++i) review.Add("texto " + std::to_string(i) + "\n");
  EXPECT_EQ(review.Size(), 500u);
  EXPECT_EQ(review.First(), "1 de 500: texto 2");
  EXPECT_EQ(review.Previous(), "Principio.");
  EXPECT_EQ(review.Next(), "2 de 500: texto 3");
  EXPECT_EQ(review.Last(), "500 de 500: texto 501");
  EXPECT_EQ(review.Next(), "Final.");
  EXPECT_EQ(review.Previous(), "499 de 500: texto 500");
  review.Add("texto 501");  // the same text again: no entry, the reading starts anew
  EXPECT_EQ(review.Size(), 500u);
  EXPECT_EQ(review.Previous(), "499 de 500: texto 500");
}

}  // namespace
