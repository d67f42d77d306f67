// The titles of the forty layer maps: what each step of the build adds.
#include "model/maps/LayerMaps.h"

namespace {
// clang-format off
const char* const kTitles[kLayerMapCount] = {
    "pavement along the street edge, plates over z 27-31 and a row of flat tiles to z 32.",
    "path from the main door to the pavement, a plate in the doorway then one tile per row.",
    "main building, first course, door gap x 23-27; the mailbox post's foot; one small plate.",
    "flower bed before the main building; fence footing; the column's corner plate and a grille.",
    "wing, first course, door gap x 9-13 with its sill plate; a grille beside the left wall.",
    "fence footing continued; the stepping path of five 3 x 3 checkerboards to the pavement.",
    "main building, second course with its four corners; a side detail on the left wall; the "
    "first brick of the round column on the corner plate of map 4.",
    "flower bed before the wing; wing, second course, door gap x 9-13.",
    "plates on the second courses, light grey on the wing (with the jutting window sills), "
    "white on the main building; the column's second brick.",
    "third course of both buildings with the window openings (wing x 2 over z 5-9 and z 11 "
    "over x 4-8, main building x 30 over z 14-18); the column's third brick.",
    "main building, fourth course; angular bricks beside the door carry an upright tile and "
    "an upright black round plate on the front face; the column's fourth brick.",
    "wing, fourth course; an angular brick left of the door carries an upright yellow round "
    "plate; a corner brick at the front-left corner.",
    "fifth course of both buildings, with the openings of map 10; the column's fifth brick.",
    "the three windows and the two doors, each in the opening left for it.",
    "wing, sixth course closing over its openings; a light grey plate band round the main "
    "building, closing over its door.",
    "plates on the wing's wall tops; main building, sixth course with two inverted slopes "
    "under the upper window's opening; the column's sixth brick.",
    "main building, seventh course, the front open over x 23-27 for the upper window; the "
    "column's seventh brick.",
    "main building, eighth course; an inverted slope juts out of the left wall, and group 8 "
    "hangs a plate and a green round plate on the side of an angular brick; the column's last"
    " brick.",
    "main building, ninth course with side walls two studs thick; the upper front window.",
    "plates over the main building's back and front walls (closing over the upper window), "
    "the window's sill tile, two plates on the jutting slope, an inverted slope atop the "
    "column.",
    "wing roof bearers; white plates and side-wall bricks on the main building.",
    "main roof's first row at z 10-14 with gutters below; main wall plates; wing side walls.",
    "main roof's first row to z 22, gutters continued; wing roof's first row on both eaves.",
    "second rows of both roofs.",
    "gables and roof bearers of both buildings; round bricks in the main front gable.",
    "wing gables (the left one open behind its vent) and bearers; main gables and bearers.",
    "wing gable vent; third rows of both roofs; the main chimney's first brick.",
    "wing ridge bearers; main building's bricks under the ridge, the inner two black.",
    "fourth rows of both roofs; the main chimney's second brick in the left slope.",
    "wing roof's top row; main ridge bearers, chimney's third brick, main roof's fifth row.",
    "wing chimney with its cap; main roof's top row; the main chimney's fourth brick.",
    "main chimney's fifth brick and the main ridge: end, 4, 2, 4, end.",
    "main chimney cap of black round plates; mailbox post's back half; corner post base.",
    "mailbox post's front half; corner post's second brick; fence sections on the footing.",
    "hut floor, tree base plate, the bench's feet and front legs; the mailbox on its post.",
    "bench seat supports on the feet; hut walls, first course.",
    "bench plates; hut walls, second course; a flower on the tree's base plate.",
    "bench back posts, leg caps and seat (tiles on half-stud z); hut roof slopes.",
    "bench back top plate; hut ridge.",
    "the tree: group origin half a stud off the grid, trunk below it, crown above.",
};
// clang-format on
}  // namespace

const char* layerMapTitle(int mapNumber) {
    return mapNumber >= 1 && mapNumber <= kLayerMapCount ? kTitles[mapNumber - 1] : "";
}
