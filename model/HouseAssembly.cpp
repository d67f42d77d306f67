// The house object: its palette, and the assembly of base plate and layer maps.

#include "model/BrikVantaHouse.h"
#include "model/HouseFrame.h"
#include "model/DrawTarget.h"
#include "model/Model.h"
#include "model/Palette.h"
#include "model/maps/LayerMaps.h"

BrikVantaHouse::BrikVantaHouse()
    : colorWhite(paletteRgb(PaletteColour::White)),
      colorTan(paletteRgb(PaletteColour::Tan)),
      colorRed(paletteRgb(PaletteColour::Red)),
      colorYellow(paletteRgb(PaletteColour::Yellow)),
      colorBlack(paletteRgb(PaletteColour::Black)),
      colorGreen(paletteRgb(PaletteColour::Green)),
      colorLime(paletteRgb(PaletteColour::Lime)),
      colorBrown(paletteRgb(PaletteColour::Brown)),
      colorLightGrey(paletteRgb(PaletteColour::LightGrey)),
      colorDarkGrey(paletteRgb(PaletteColour::DarkGrey)) {}

void BrikVantaHouse::drawSolidBrikVantaHouse() { drawModel(houseModel(), *this); }

void BrikVantaHouse::drawSolidMap(int mapNumber) {
    drawPlacements(*this, layerMap(mapNumber), mapNumber);
}

void BrikVantaHouse::drawSolidMap1() { drawSolidMap(1); }
void BrikVantaHouse::drawSolidMap2() { drawSolidMap(2); }
void BrikVantaHouse::drawSolidMap3() { drawSolidMap(3); }
void BrikVantaHouse::drawSolidMap4() { drawSolidMap(4); }
void BrikVantaHouse::drawSolidMap5() { drawSolidMap(5); }
void BrikVantaHouse::drawSolidMap6() { drawSolidMap(6); }
void BrikVantaHouse::drawSolidMap7() { drawSolidMap(7); }
void BrikVantaHouse::drawSolidMap8() { drawSolidMap(8); }
void BrikVantaHouse::drawSolidMap9() { drawSolidMap(9); }
void BrikVantaHouse::drawSolidMap10() { drawSolidMap(10); }
void BrikVantaHouse::drawSolidMap11() { drawSolidMap(11); }
void BrikVantaHouse::drawSolidMap12() { drawSolidMap(12); }
void BrikVantaHouse::drawSolidMap13() { drawSolidMap(13); }
void BrikVantaHouse::drawSolidMap14() { drawSolidMap(14); }
void BrikVantaHouse::drawSolidMap15() { drawSolidMap(15); }
void BrikVantaHouse::drawSolidMap16() { drawSolidMap(16); }
void BrikVantaHouse::drawSolidMap17() { drawSolidMap(17); }
void BrikVantaHouse::drawSolidMap18() { drawSolidMap(18); }
void BrikVantaHouse::drawSolidMap19() { drawSolidMap(19); }
void BrikVantaHouse::drawSolidMap20() { drawSolidMap(20); }
void BrikVantaHouse::drawSolidMap21() { drawSolidMap(21); }
void BrikVantaHouse::drawSolidMap22() { drawSolidMap(22); }
void BrikVantaHouse::drawSolidMap23() { drawSolidMap(23); }
void BrikVantaHouse::drawSolidMap24() { drawSolidMap(24); }
void BrikVantaHouse::drawSolidMap25() { drawSolidMap(25); }
void BrikVantaHouse::drawSolidMap26() { drawSolidMap(26); }
void BrikVantaHouse::drawSolidMap27() { drawSolidMap(27); }
void BrikVantaHouse::drawSolidMap28() { drawSolidMap(28); }
void BrikVantaHouse::drawSolidMap29() { drawSolidMap(29); }
void BrikVantaHouse::drawSolidMap30() { drawSolidMap(30); }
void BrikVantaHouse::drawSolidMap31() { drawSolidMap(31); }
void BrikVantaHouse::drawSolidMap32() { drawSolidMap(32); }
void BrikVantaHouse::drawSolidMap33() { drawSolidMap(33); }
void BrikVantaHouse::drawSolidMap34() { drawSolidMap(34); }
void BrikVantaHouse::drawSolidMap35() { drawSolidMap(35); }
void BrikVantaHouse::drawSolidMap36() { drawSolidMap(36); }
void BrikVantaHouse::drawSolidMap37() { drawSolidMap(37); }
void BrikVantaHouse::drawSolidMap38() { drawSolidMap(38); }
void BrikVantaHouse::drawSolidMap39() { drawSolidMap(39); }
void BrikVantaHouse::drawSolidMap40() { drawSolidMap(40); }
