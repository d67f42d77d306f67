#pragma once

// The 3D building guide: 3d.html and the files beside it, which open from the file system
// with no server and no network. The page draws the exported glTF (the same triangles,
// materials and per-map nodes as brik export) with a WebGL library, one step at a time: the
// step's pieces in full colour, the earlier ones faded as in the printed guide, the later ones
// hidden, and beside the view the parts the step adds.
//
// Browsers refuse to fetch files or load module scripts from file:// pages, so the model
// travels as a classic script (model.js: the glTF with its buffer inline) and the library as
// one bundled classic script.

#include <string>
#include <vector>

#include "mesh/HouseMesh.h"
#include "parts/PartsList.h"

struct GuideFile {
    std::string name;   // beside index.html
    std::string bytes;  // the whole content
};

// The files of the 3D guide for `mesh`, whose layer maps 1...stepParts.size() are the steps;
// stepParts[k - 1] is what step k adds and `allParts` the whole model's list (shown before
// step 1, with the model complete). False with one line in `why` when the model cannot be
// serialised.
// Whether `name` is one of the files guide3DFiles writes.
bool isGuide3DFileName(const std::string& name);

bool guide3DFiles(const HouseMesh& mesh, const PartsList& allParts,
                  const std::vector<PartsList>& stepParts, std::vector<GuideFile>* files,
                  std::string* why);
