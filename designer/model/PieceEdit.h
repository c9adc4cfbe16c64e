#pragma once
// Edits of one piece as the current-piece window makes them: size and
// position along one axis, name, edge banding, board material, texture flags,
// and the contour model's file, face, turn and mirror. No widgets. Each
// function leaves the furniture alone when `piece` is not one of its pieces.
#include "BoxLimits.h"
#include "EditResult.h"
#include "Mobila.h"

#include <cstdint>
#include <string>

namespace zv {

enum class Axis { X = 0, Y = 1, Z = 2 };

// The size along the axis, the minimum corner kept; 0 changes nothing.
EditResult SetPieceSize(Furniture& f, int piece, Axis axis, double size);
// The minimum corner along the axis lands on `position`.
EditResult SetPiecePosition(Furniture& f, int piece, Axis axis, double position);

// Whether the size field of the axis (the position field with `position`)
// takes `value` for the piece: the value within the field's bounds, and the
// box as the scene would store it within the limit. False for no such piece.
bool PieceFieldAccepted(const Scene3D& s, int piece, Axis axis, bool position, double value);
// What the size and position fields say when they refuse a value; the other
// piece commands say the same of the box they would make.
inline constexpr const char* kPieceSizeRefused = "Dimensiunea piesei trebuie sa fie intre 0 si 1000000 mm.";
inline constexpr const char* kPiecePositionRefused = "Pozitia piesei trebuie sa fie intre -1000000 si 1000000 mm.";
// Names are cut as the undo cuts them.
EditResult RenamePiece(Furniture& f, int piece, const std::string& name);
EditResult SetPieceEdgeBand(Furniture& f, int piece, int code);
// Code and colour of the board; the texture file, or "" for none (index -1).
// A new texture file gets its atlas slot from the caller.
EditResult SetPieceMaterial(Furniture& f, int piece, const std::string& code, std::uint32_t color,
                            const std::string& textureFile);
EditResult SetPieceTextureRepeated(Furniture& f, int piece, bool on);
EditResult SetPieceTextureRotated(Furniture& f, int piece, bool on);

// A contour model from a file. A piece without one starts on the face across
// its thinnest side, unturned and unmirrored; one that had a model keeps those.
EditResult SetPieceModelFile(Furniture& f, int piece, const std::string& file);
EditResult TurnPieceModel(Furniture& f, int piece);     // a quarter turn: 0, 1, 2, 3, 0
EditResult MirrorPieceModel(Furniture& f, int piece);   // 0, 1, 0
EditResult NextPieceModelFace(Furniture& f, int piece); // 0, 1, 2, 0
// The model taken off with its turn and mirror; the face stays.
EditResult RemovePieceModel(Furniture& f, int piece);

// The face across the piece's thinnest side (0 thin along Y, 1 along Z, 2 along X).
int ThinnestFace(const Scene3D& scene, int piece);

} // namespace zv
