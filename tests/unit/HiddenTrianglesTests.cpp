// Hidden triangles: a brick on a plate, captured, against the rule that no eye outside the
// pieces sees a triangle inside another piece or one pressed against a piece's face.

#include <gtest/gtest.h>

#include <cmath>

#include "mesh/HiddenTriangles.h"
#include "model/Scene.h"

TEST(HiddenTriangles, AreTheStudsUnderAPieceAndTheFacesPressedOntoAnother) {
    // A 4 × 4 plate with a 2 × 2 brick on its middle cells (x, z 1 ... 3, from y 0.4 to 1.6).
    const HouseMesh mesh = captureDrawing([] {
        BrikVantaHouse brik;
        brik.drawSolidPlate(4, 4, brik.colorGreen);
        drawTarget().pushMatrix();
        drawTarget().translate(1, 0.4, 1);
        brik.drawSolidBrick(2, 2, brik.colorRed);
        drawTarget().popMatrix();
    });
    const std::vector<BodyBox> bodies{{0, 0, 0, 4, 0.4, 4}, {1, 0.4, 1, 3, 1.6, 3}};
    const std::vector<bool> hidden = findHiddenTriangles(mesh, bodies);
    ASSERT_EQ(hidden.size(), mesh.triangles.size());

    int hiddenCount = 0;
    for (size_t t = 0; t < mesh.triangles.size(); ++t) {
        const MeshTriangle& triangle = mesh.triangles[t];
        double centre[3] = {0, 0, 0};
        for (const MeshVertex& corner : triangle.corners)
            for (int axis = 0; axis < 3; ++axis) centre[axis] += corner.position[axis] / 3;
        const bool underTheBrick = centre[0] > 1 && centre[0] < 3 && centre[2] > 1 &&
                                   centre[2] < 3 && centre[1] > 0.4 + 1e-4 &&
                                   centre[1] < 0.6 + 1e-4;
        // Facing down onto the plate's top (stud bottoms, the brick's bottom) or the brick's.
        const bool facesDownOntoATop =
            triangle.corners[0].normal[1] < -0.99 &&
            (std::fabs(centre[1] - 0.4) < 1e-4 || std::fabs(centre[1] - 1.6) < 1e-4);
        const bool expected = underTheBrick || facesDownOntoATop;
        EXPECT_EQ(hidden[t], expected) << "triangle " << t << " centred at " << centre[0] << ", "
                                       << centre[1] << ", " << centre[2];
        hiddenCount += hidden[t];
    }
    // 4 studs wholly, the floors of the other 16 studs (10 triangles each), the brick's bottom.
    EXPECT_EQ(hiddenCount, 4 * 40 + 16 * 10 + 2);
}
