// glTF 2.0 (.gltf with the buffer embedded, or .glb) through TinyGLTF, written to memory and
// then to the file atomically.

#include <tiny_gltf.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <sstream>

#include "export/ExportMaterials.h"
#include "export/GltfWriter.h"
#include "io/AtomicFile.h"

namespace {
// The palette is sRGB-encoded; glTF's base colour factor is linear.
double linearFromSrgb(double value) {
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

tinygltf::Material materialOf(const ExportMaterial& source) {
    tinygltf::Material material;
    material.name = source.name;
    material.pbrMetallicRoughness.baseColorFactor = {
        linearFromSrgb(source.rgba[0]), linearFromSrgb(source.rgba[1]),
        linearFromSrgb(source.rgba[2]), source.rgba[3]};
    material.pbrMetallicRoughness.metallicFactor = 0.0;  // plastic
    material.pbrMetallicRoughness.roughnessFactor = 0.5;
    if (source.rgba[3] < 1.0f) material.alphaMode = "BLEND";
    return material;
}

// Appends floats to a byte buffer.
void append(std::vector<unsigned char>& bytes, const float* values, size_t count) {
    const auto* raw = reinterpret_cast<const unsigned char*>(values);
    bytes.insert(bytes.end(), raw, raw + count * sizeof(float));
}
}  // namespace

bool encodeGltf(const HouseMesh& mesh, bool binary, double scale, std::string* data,
                std::string* error) {
    const MaterialSorting sorting = sortIntoMaterials(mesh);
    const std::vector<std::string> names = placementNames(mesh);

    // Triangles per placement and material, in drawing order.
    std::vector<std::map<int, std::vector<int>>> groups(mesh.placements.size());
    for (size_t t = 0; t < mesh.triangles.size(); ++t) {
        const int placement = mesh.triangles[t].placement;
        if (placement >= 0)
            groups[size_t(placement)][sorting.triangleMaterial[t]].push_back(int(t));
    }

    tinygltf::Model model;
    model.asset.version = "2.0";
    model.asset.generator = "brik export";
    for (const ExportMaterial& material : sorting.materials)
        model.materials.push_back(materialOf(material));

    std::vector<unsigned char> positions, normals;
    tinygltf::Node house;
    house.name = "house";
    std::map<int, int> mapNodes;  // map number -> node index
    model.nodes.push_back(house);
    for (size_t p = 0; p < mesh.placements.size(); ++p) {
        tinygltf::Mesh placementMesh;
        placementMesh.name = names[p];
        for (const auto& [material, triangles] : groups[p]) {
            tinygltf::Accessor position, normal;
            position.bufferView = 0;
            normal.bufferView = 1;
            position.byteOffset = positions.size();
            normal.byteOffset = normals.size();
            position.componentType = normal.componentType = TINYGLTF_COMPONENT_TYPE_FLOAT;
            position.type = normal.type = TINYGLTF_TYPE_VEC3;
            position.count = normal.count = triangles.size() * 3;
            position.minValues = {1e30, 1e30, 1e30};
            position.maxValues = {-1e30, -1e30, -1e30};
            for (const int t : triangles)
                for (const MeshVertex& corner : mesh.triangles[size_t(t)].corners) {
                    float point[3];
                    for (int i = 0; i < 3; ++i) {
                        point[i] = float((corner.position[i] - kHouseCentre[i]) * scale);
                        position.minValues[size_t(i)] =
                            std::min(position.minValues[size_t(i)], double(point[i]));
                        position.maxValues[size_t(i)] =
                            std::max(position.maxValues[size_t(i)], double(point[i]));
                    }
                    append(positions, point, 3);
                    append(normals, corner.normal, 3);
                }
            tinygltf::Primitive primitive;
            primitive.mode = TINYGLTF_MODE_TRIANGLES;
            primitive.material = material;
            primitive.attributes["POSITION"] = int(model.accessors.size());
            model.accessors.push_back(position);
            primitive.attributes["NORMAL"] = int(model.accessors.size());
            model.accessors.push_back(normal);
            placementMesh.primitives.push_back(primitive);
        }
        if (placementMesh.primitives.empty()) continue;
        tinygltf::Node node;
        node.name = names[p];
        node.mesh = int(model.meshes.size());
        model.meshes.push_back(placementMesh);
        const int map = mesh.placements[p].map;
        int parent = 0;
        if (map != 0) {
            if (!mapNodes.count(map)) {
                tinygltf::Node mapNode;
                mapNode.name = mapName(map);
                mapNodes[map] = int(model.nodes.size());
                model.nodes[0].children.push_back(int(model.nodes.size()));
                model.nodes.push_back(mapNode);
            }
            parent = mapNodes[map];
        }
        model.nodes[size_t(parent)].children.push_back(int(model.nodes.size()));
        model.nodes.push_back(node);
    }

    tinygltf::Buffer buffer;
    buffer.data = positions;
    buffer.data.insert(buffer.data.end(), normals.begin(), normals.end());
    model.buffers.push_back(buffer);
    for (const size_t offset : {size_t(0), positions.size()}) {
        tinygltf::BufferView view;
        view.buffer = 0;
        view.byteOffset = offset;
        view.byteLength = offset == 0 ? positions.size() : normals.size();
        view.byteStride = 3 * sizeof(float);
        view.target = TINYGLTF_TARGET_ARRAY_BUFFER;
        model.bufferViews.push_back(view);
    }
    tinygltf::Scene scene;
    scene.name = "house";
    scene.nodes = {0};
    model.scenes.push_back(scene);
    model.defaultScene = 0;

    std::ostringstream stream;
    tinygltf::TinyGLTF writer;
    if (!writer.WriteGltfSceneToStream(&model, stream, false, binary)) {
        *error = "the glTF data could not be serialised";
        return false;
    }
    *data = stream.str();
    return true;
}

bool writeGltf(const HouseMesh& mesh, const std::string& path, bool binary, double scale,
               std::string* error) {
    std::string data;
    if (!encodeGltf(mesh, binary, scale, &data, error)) {
        *error = path + ": " + *error;
        return false;
    }
    return writeFileAtomically(path, data.data(), data.size(), error);
}
