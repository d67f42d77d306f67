#include "export/ModelExport.h"

#include <algorithm>
#include <cctype>

#include "export/GltfWriter.h"
#include "export/ObjWriter.h"

bool modelFormatOf(const std::string& path, ModelFormat* format) {
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return false;
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (extension == "glb")
        *format = ModelFormat::Glb;
    else if (extension == "gltf")
        *format = ModelFormat::Gltf;
    else if (extension == "obj")
        *format = ModelFormat::Obj;
    else
        return false;
    return true;
}

bool exportModel(const HouseMesh& mesh, const std::string& path, ModelFormat format,
                 double metresPerStud, std::string* error) {
    switch (format) {
        case ModelFormat::Glb:
        case ModelFormat::Gltf:
            return writeGltf(mesh, path, format == ModelFormat::Glb,
                             metresPerStud > 0 ? metresPerStud : kMetresPerStud, error);
        case ModelFormat::Obj:
            return writeObj(mesh, path, metresPerStud > 0 ? metresPerStud : 1.0, metresPerStud > 0,
                            error);
    }
    return false;
}

bool encodeGlb(const HouseMesh& mesh, double metresPerStud, std::string* bytes,
               std::string* error) {
    return encodeGltf(mesh, true, metresPerStud > 0 ? metresPerStud : kMetresPerStud, bytes, error);
}
