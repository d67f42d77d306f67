#include "mesh/HouseMesh.h"

#include "mesh/GeometryRecorder.h"
#include "model/HouseFrame.h"

HouseMesh captureDrawing(const std::function<void()>& draw) {
    GeometryRecorder recorder;
    {
        ScopedDrawTarget capture(recorder);
        draw();
    }
    return recorder.take();
}

CaptureOffset captureOffset(const Model& model) {
    // drawModel centres the plate on the origin; the capture moves that back by the house's.
    return {-kBasePlateOffset - model.basePlate.arguments[0] / 2.0,
            -kBasePlateOffset - model.basePlate.arguments[1] / 2.0};
}

HouseMesh captureHouse(const Model& model) {
    HouseMesh mesh = captureDrawing([&model] {
        // The assembly centres the house on the origin; move it back so that the base
        // plate's corner is the origin of the house frame.
        drawTarget().translate(-kBasePlateOffset, 0, -kBasePlateOffset);
        drawModel(model);
    });
    mesh.modelColours = model.colours;
    return mesh;
}
