#include "render/SceneFit.h"

#include <vector>

#include "maths/ViewFit.h"
#include "mesh/HouseMesh.h"

VECTOR3D fittedSceneEye(const FrameState& frame) {
    if (!frame.scene || frame.windowWidth <= 0 || frame.windowHeight <= 0)
        return frame.cameraPosition;
    const HouseMesh drawn = captureDrawing([&frame] { frame.scene(0.0f); });
    std::vector<VECTOR3D> points;
    points.reserve(drawn.triangles.size() * 3);
    for (const MeshTriangle& triangle : drawn.triangles)
        for (const MeshVertex& corner : triangle.corners)
            points.emplace_back(corner.position[0], corner.position[1], corner.position[2]);
    if (points.empty()) return frame.cameraPosition;
    return fittedEye(points, frame.cameraTarget, frame.cameraPosition - frame.cameraTarget,
                     double(frame.windowWidth) / frame.windowHeight, fieldOfViewDegrees,
                     cameraNearPlane);
}
