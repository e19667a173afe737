// C types and typed declarations of the host API functions that the plug-in calls.
//
// These declarations are our own, written from what the plug-in needs of the host;
// they are a published contract (docs/host-api.md) for every host that loads the
// module. All functions use the C calling convention (cdecl on 32-bit Windows).
// Handles are opaque pointers owned by the host; the plug-in never frees them.
#pragma once

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define TSXAPI __cdecl
#else
#define TSXAPI
#endif

extern "C" {

// Any scene object: a node, polyhedron, group or channel null. One opaque type, so
// that a handle can be passed wherever the host accepts an object.
typedef struct tsxSOBJ_ tsxSOBJ;
typedef tsxSOBJ tsxGNODE;      // geometric node: has a name, location and script
typedef tsxSOBJ tsxMNODE;      // node that can be shown or hidden
typedef tsxSOBJ tsxPOLYHEDRON; // mesh with its own vertex array
typedef tsxSOBJ tsxGROUP;      // group of child nodes

typedef struct tsxFRAME_ tsxFRAME; // a keyframe, owned by the host once inserted

typedef struct tsxVec3f {
  float x, y, z;
} tsxVec3f;

typedef unsigned char tsxBOOL8; // 8-bit truth value: 1 is true
typedef void* tsxHWND;          // a native window handle (HWND on Windows)

typedef void(TSXAPI* tsxProc)(void); // generic type of the functions we never call

} // extern "C"

// Keyframe kinds that the plug-in passes to the host.
inline constexpr int kTsxFrameNullKey = 3;    // a channel null's location
inline constexpr int kTsxFrameVertexKey = 23; // one vertex of a mesh, 12 bytes
// Object type code of polyhedra (the channel nulls' cubes), in the low byte.
inline constexpr int kTsxTypePolyhedron = 201;

// The typed host functions: X(name, result type, parameter list).
// clang-format off
#define QM_HOST_API_TYPED(X) \
  X(tsxGetTsVersionNbrs, void, (short* version, short* revision)) \
  X(tsxGetMainViewHwnd, tsxHWND, (void)) \
  X(tsxSceneGetFirstNode, tsxGNODE*, (void)) \
  X(tsxGNodeGetNext, tsxGNODE*, (tsxGNODE* node)) \
  X(tsxIsGNode, tsxBOOL8, (tsxSOBJ* object)) \
  X(tsxGNodeGetFirstChild, tsxGNODE*, (tsxGNODE* group)) \
  X(tsxSobjGetType, int, (tsxSOBJ* object)) \
  X(tsxGetCurrentSelection, tsxSOBJ*, (void)) \
  X(tsxSelectSobj, void, (tsxSOBJ* object, int mode, int redraw)) \
  X(tsxGNodeGetName, int, (tsxGNODE* node, char* buffer, int bufferSize)) \
  X(tsxGNodeSetName, void, (tsxGNODE* node, const char* name)) \
  X(tsxGNodeGetLocation, void, (tsxGNODE* node, tsxVec3f* location)) \
  X(tsxGNodeSetLocation, void, (tsxGNODE* node, tsxVec3f* location)) \
  X(tsxGNodeScaleUniform, void, (tsxGNODE* node, float factor, int space)) \
  X(tsxPolyhGetNbrVxs, int, (tsxPOLYHEDRON* polyhedron)) \
  X(tsxPolyhGetVxArray, tsxVec3f*, (tsxPOLYHEDRON* polyhedron)) \
  X(tsxCreateCube, tsxPOLYHEDRON*, (int kind, float sizeX, float sizeY, float sizeZ)) \
  X(tsxGroupAtCurrobj, tsxGROUP*, (tsxSOBJ* object)) \
  X(tsxGNodeCopy, void, (tsxGNODE* node, tsxGNODE** copy)) \
  X(tsxSceneAddObject, void, (tsxSOBJ* object, int redraw)) \
  X(tsxSobjDelete, void, (tsxSOBJ* object)) \
  X(tsxSobjCreateScript, void, (tsxSOBJ* object)) \
  X(tsxAnimSetActiveTime, void, (float time)) \
  X(tsxSobjSetFrame, void, (tsxSOBJ* object, int kind)) \
  X(tsxSobjUnsetFrame, void, (tsxSOBJ* object, int kind)) \
  X(tsxFrameCreate, void, (tsxFRAME** frame, int kind)) \
  X(tsxFrameSetData, void, (tsxFRAME* frame, const void* data, int size)) \
  X(tsxSobjInsertFrame, void, (tsxSOBJ* object, tsxFRAME* frame, int index, float time)) \
  X(tsxSobjGetPrevTime, float, (tsxSOBJ* object, int kind, float time)) \
  X(tsxSobjTreeGetPrevTime, float, (tsxSOBJ* object, int kind, float time)) \
  X(tsxSobjTreeGetNextTime, float, (tsxSOBJ* object, int kind, float time)) \
  X(tsxSobjTreeGetMinMaxTime, void, (tsxSOBJ* object, float* first, float* last)) \
  X(tsxAnimGetBaseFramerate, float, (void)) \
  X(tsxAnimPlay, void, (void)) \
  X(tsxMNodeSetInvisible, void, (tsxMNODE* node)) \
  X(tsxMNodeSetVisible, void, (tsxMNODE* node)) \
  X(tsxSceneDraw, void, (void)) \
  X(tsxGNodeDraw, void, (tsxGNODE* node))
// clang-format on
