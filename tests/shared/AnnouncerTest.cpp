#include <gtest/gtest.h>

#include "app/shared/Announcer.hpp"
#include "app/shared/WindowLayouts.hpp"

namespace zorvek::frontend {
namespace {

// Narration that only grows is told by its addition, before the data line; a CR LF is
// one line break.
TEST(Announcer, GrowingNarrationIsToldByItsAdditionBeforeTheDataLine) {
  Announcer a;
  a.Reset("Gran sala", "", "");
  a.Write(TextArea::TBGeneral, "Gran sala Modo combate activado ");
  a.Write(TextArea::TBDatos, "Pulse a\r\npara atacar");
  const Announcer::Announcement told = a.Take();
  ASSERT_TRUE(told.Spoken);
  EXPECT_EQ(*told.Spoken, " Modo combate activado \nPulse a\npara atacar");
}

TEST(Announcer, ACaptionLosesItsAcceleratorMarkAndKeepsADoubledAmpersand) {
  EXPECT_EQ(PlainCaption("&Comprar"), "Comprar");
  EXPECT_EQ(PlainCaption("Gnomos && Compa&ñía"), "Gnomos & Compañía");
}

}  // namespace
}  // namespace zorvek::frontend
