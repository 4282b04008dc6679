#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "audio/SdlSound.hpp"

namespace zorvek::audio {
namespace {

namespace fs = std::filesystem;

TEST(AudioUnitsTest, PanKeepsThePowerConstantAndStopsAtHardLeftAndHardRight) {
  EXPECT_NEAR(PanGains(0).Left, 0.70711f, 1e-5);
  EXPECT_NEAR(PanGains(0).Right, 0.70711f, 1e-5);
  EXPECT_GT(PanGains(-58).Left, 2.5f * PanGains(-58).Right);
  EXPECT_GT(PanGains(67).Right, 2.5f * PanGains(67).Left);
  for (int side : {-100, -400, 100, 250}) {
    const StereoGains g = PanGains(side);
    EXPECT_FLOAT_EQ(side < 0 ? g.Left : g.Right, 1.0f) << side;
    EXPECT_NEAR(side < 0 ? g.Right : g.Left, 0.0f, 1e-6) << side;
  }
}

TEST(AudioUnitsTest, EachVolumeUnitBelowAHundredIsAThirdOfADecibelAndZeroIsSilent) {
  EXPECT_FLOAT_EQ(VolumeGain(100), 1.0f);
  EXPECT_FLOAT_EQ(VolumeGain(250), 1.0f);
  EXPECT_NEAR(20.0 * std::log10(VolumeGain(90)), -3.0, 0.01);
  EXPECT_NEAR(20.0 * std::log10(VolumeGain(1)), -29.7, 0.01);
  EXPECT_EQ(VolumeGain(0), 0.0f);
  EXPECT_EQ(VolumeGain(-400), 0.0f);
}

TEST(AudioUnitsTest, AFileIsFoundWhateverTheCaseOfItsFolderAndNameOrItsSeparators) {
  const fs::path root =
      fs::temp_directory_path() /
      ("zorvek-lookup-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  fs::create_directories(root / "Sonidos");
  std::ofstream(root / "Sonidos" / "Viento.wav") << "x";
  const std::string wanted = (root / "Sonidos" / "Viento.wav").string();
  EXPECT_EQ(FindFileIgnoringCase(root.string() + "/sonidos/VIENTO.wav"), wanted);
  EXPECT_EQ(FindFileIgnoringCase(root.string() + "/SONIDOS\\viento.WAV"), wanted);
  EXPECT_EQ(FindFileIgnoringCase(wanted), wanted);
  // What is not there comes back as asked.
  for (const std::string missing : {"/sonidos/Nada.wav", "/otro/Viento.wav"}) {
    EXPECT_EQ(FindFileIgnoringCase(root.string() + missing), root.string() + missing);
  }
  fs::remove_all(root);
}

}  // namespace
}  // namespace zorvek::audio
