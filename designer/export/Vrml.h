#pragma once
// The furniture as a VRML 1.0 world: one separator per piece with its colour,
// its points and its faces, coordinates in millimetres. The world is
// right-handed, the furniture's front towards +z: x to the right, y up, as
// the furniture is seen from the front.
#include "model/Mobila.h"

#include <string>

namespace zv {

std::string FurnitureToVrml(const Furniture& f);
// Writes the world through a temporary file; returns an error text, empty on success.
std::string WriteVrmlFile(const Furniture& f, const std::string& path);

} // namespace zv
