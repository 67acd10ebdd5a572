#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "modelfile/GameModel.h"

namespace fw {

// A mission's custom robot file (.hxm): replacements for game robots, joints, polygon
// models and object textures, each entry naming the game table slot it replaces.
//
// The game reads the first four bytes as the Long 0x21584D48, which on disk are "HMX!".
inline constexpr char HXM_TAG[] = "HMX!";
inline constexpr int32_t HXM_VERSION = 1;
inline constexpr int HXM_ROBOT_INFO_SIZE = 480;
inline constexpr int HXM_JOINT_SIZE = 8;

struct HxmRobot {
    int32_t Number = 0;
    std::vector<uint8_t> Info;  // HXM_ROBOT_INFO_SIZE bytes, kept as they are
};
struct HxmJoint {
    int32_t Number = 0;
    std::vector<uint8_t> Position;  // HXM_JOINT_SIZE bytes
};
struct HxmModel {
    int32_t Number = 0;  // the game model it replaces
    GameModel Model;
};
struct HxmObjBitmap {
    int32_t Index = 0;  // into ObjBitmaps
    uint16_t Bitmap = 0;
};
struct HxmObjBitmapPtr {
    int32_t Index = 0;  // into ObjBitmapPtrs
    int16_t Value = 0;
};

struct HxmFile {
    int32_t Version = HXM_VERSION;
    std::vector<HxmRobot> Robots;
    std::vector<HxmJoint> Joints;
    std::vector<HxmModel> Models;
    std::vector<HxmObjBitmap> ObjBitmaps;
    std::vector<HxmObjBitmapPtr> ObjBitmapPtrs;
};

// Reads an HXM file from memory, never past its end. Returns "" or a message naming the
// table and offset; on failure `hxm` is left empty. Entry numbers are taken as they are:
// whether they fit the game's tables is the game's (and the exporter's) question.
std::string ParseHxmFile(std::span<const uint8_t> bytes, HxmFile& hxm);
std::string ReadHxmFile(const std::string& path, HxmFile& hxm);

// The file's bytes, in the order the game reads them.
std::vector<uint8_t> BuildHxmFile(const HxmFile& hxm);

// The entry that replaces game model `number`, or null.
const HxmModel* FindHxmModel(const HxmFile& hxm, int number);

}  // namespace fw
