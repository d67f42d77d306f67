#include "instructions/Guide3D.h"

#include <nlohmann/json.hpp>

#include "export/ExportMaterials.h"
#include "export/GltfWriter.h"
#include "export/ModelExport.h"
#include "instructions/Guide3DAssets.h"
#include "instructions/PackedBytes.h"
#include "instructions/StepDrawTarget.h"
#include "model/HouseFrame.h"
#include "render/FrameConstants.h"
#include "render/FrameState.h"

namespace {
constexpr const char* kGuide3DModelFile = "model.js";  // the model and the steps

// A point of the viewer's world frame in the glTF's: both centre the base plate on the
// origin; the world has kHouseScale units per stud pitch, the glTF kMetresPerStud metres.
nlohmann::json gltfPoint(const VECTOR3D& world) {
    const double scale = kMetresPerStud / kHouseScale;
    return {world.x * scale, world.y * scale, world.z * scale};
}

nlohmann::json partsJson(const PartsList& list) {
    nlohmann::json parts = nlohmann::json::array();
    for (const Part& part : list.parts)
        parts.push_back({{"kind", partKindName(part.kind)},
                         {"size", part.size},
                         {"name", part.name},
                         {"colour", part.colourName},
                         {"colourName", colourWords(part.colourName)},
                         {"count", part.count},
                         {"rgb", part.colourHex}});
    return parts;
}

// model.js: window.brikGuide with the first frame's eye and light, the fading, the steps (the
// glTF node of each and its parts) and the model as a packed GLB.
std::string modelScript(const std::string& packedGlb, const PartsList& allParts,
                        const std::vector<PartsList>& stepParts) {
    nlohmann::json guide = {{"eye", gltfPoint(startCameraEye)},
                            {"light", gltfPoint(startLightPosition)},
                            {"fieldOfView", fieldOfViewDegrees},
                            {"fade", {{"towards", kFadeTowards}, {"weight", kFadeWeight}}},
                            {"parts", partsJson(allParts)},
                            {"steps", nlohmann::json::array()}};
    for (size_t step = 0; step < stepParts.size(); ++step)
        guide["steps"].push_back(
            {{"node", mapName(int(step) + 1)}, {"parts", partsJson(stepParts[step])}});
    return "// The 3D guide's model, written by brik instructions: what each step shows, and the\n"
           "// model as GLB, deflated and in base64.\nwindow.brikGuide = " +
           guide.dump() + ";\nwindow.brikGuide.model = \"" + packedGlb + "\";\n";
}
}  // namespace

bool isGuide3DFileName(const std::string& name) {
    if (name == kGuide3DModelFile) return true;
    for (size_t i = 0; i < kGuide3DAssetsCount; ++i)
        if (name == kGuide3DAssets[i].name) return true;
    return false;
}

bool guide3DFiles(const HouseMesh& mesh, const PartsList& allParts,
                  const std::vector<PartsList>& stepParts, std::vector<GuideFile>* files,
                  std::string* why) {
    std::string glb, packedGlb, reason;
    if (!encodeGltf(mesh, true, kMetresPerStud, &glb, &reason) ||
        !deflatedBase64(glb, &packedGlb)) {
        *why = std::string(kGuide3DModelFile) + ": the model could not be serialised";
        return false;
    }
    files->clear();
    for (size_t i = 0; i < kGuide3DAssetsCount; ++i) {
        const EmbeddedFile& asset = kGuide3DAssets[i];
        files->push_back(
            {asset.name, std::string(reinterpret_cast<const char*>(asset.bytes), asset.size)});
    }
    files->push_back({kGuide3DModelFile, modelScript(packedGlb, allParts, stepParts)});
    return true;
}
