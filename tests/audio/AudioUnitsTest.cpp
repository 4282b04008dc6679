#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "audio/SdlSound.hpp"

namespace zorvek::audio {
namespace {

namespace fs = std::filesystem;

double Db(double gain) { return 20.0 * std::log10(gain); }

TEST(AudioUnitsTest, HardLeftAndHardRightSilenceTheOtherSide) {
  EXPECT_FLOAT_EQ(PanGains(-100).Left, 1.0f);
  EXPECT_NEAR(PanGains(-100).Right, 0.0f, 1e-6);
  EXPECT_NEAR(PanGains(100).Left, 0.0f, 1e-6);
  EXPECT_FLOAT_EQ(PanGains(100).Right, 1.0f);
}

TEST(AudioUnitsTest, PanKeepsThePowerConstantSoACentredSoundIsNotQuieter) {
  for (int pan = -100; pan <= 100; pan += 7) {
    const StereoGains g = PanGains(pan);
    EXPECT_NEAR(g.Left * g.Left + g.Right * g.Right, 1.0, 1e-5) << pan;
  }
  EXPECT_NEAR(PanGains(0).Left, PanGains(0).Right, 1e-6);
  EXPECT_GT(PanGains(-58).Left, 2.5f * PanGains(-58).Right);
  EXPECT_GT(PanGains(67).Right, 2.5f * PanGains(67).Left);
}

TEST(AudioUnitsTest, PanPastTheEndsStaysAtTheEnds) {
  EXPECT_FLOAT_EQ(PanGains(-400).Left, PanGains(-100).Left);
  EXPECT_FLOAT_EQ(PanGains(250).Right, PanGains(100).Right);
}

TEST(AudioUnitsTest, EachVolumeUnitBelowAHundredIsAboutAThirdOfADecibel) {
  EXPECT_FLOAT_EQ(VolumeGain(100), 1.0f);
  EXPECT_NEAR(Db(VolumeGain(90)), -3.0, 0.01);
  EXPECT_NEAR(Db(VolumeGain(85)), -4.5, 0.01);
  EXPECT_NEAR(Db(VolumeGain(1)), -29.7, 0.01);
  EXPECT_GT(VolumeGain(95), VolumeGain(94));
}

TEST(AudioUnitsTest, VolumeZeroOrBelowIsSilentAndAboveAHundredIsFull) {
  EXPECT_EQ(VolumeGain(0), 0.0f);
  EXPECT_EQ(VolumeGain(-400), 0.0f);
  EXPECT_EQ(VolumeGain(250), 1.0f);
}

struct FileLookupTest : ::testing::Test {
  FileLookupTest() {
    root = fs::temp_directory_path() /
           ("zorvek-lookup-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(root / "Sonidos");
    std::ofstream(root / "Sonidos" / "Viento.wav") << "x";
  }
  ~FileLookupTest() override { fs::remove_all(root); }
  fs::path root;
};

TEST_F(FileLookupTest, AFileIsFoundWhateverTheCaseOfItsFolderAndName) {
  const std::string wanted = (root / "Sonidos" / "Viento.wav").string();
  EXPECT_EQ(FindFileIgnoringCase(root.string() + "/sonidos/VIENTO.wav"), wanted);
  EXPECT_EQ(FindFileIgnoringCase(root.string() + "/SONIDOS/viento.WAV"), wanted);
  EXPECT_EQ(FindFileIgnoringCase(wanted), wanted);
}

TEST_F(FileLookupTest, BackslashesAreTakenAsFolderSeparators) {
  EXPECT_EQ(FindFileIgnoringCase(root.string() + "/sonidos\\viento.wav"),
            (root / "Sonidos" / "Viento.wav").string());
}

TEST_F(FileLookupTest, AMissingFileComesBackAsAsked) {
  const std::string missing = root.string() + "/sonidos/Nada.wav";
  EXPECT_EQ(FindFileIgnoringCase(missing), missing);
  EXPECT_EQ(FindFileIgnoringCase(root.string() + "/otro/Viento.wav"),
            root.string() + "/otro/Viento.wav");
}

}  // namespace
}  // namespace zorvek::audio
