// Identifiers of the module's bitmaps. The pictures are drawn from the text
// descriptions in resources/bitmaps/ by tools/bitmaps/draw_bitmaps.py when
// the Windows resources are built.
#pragma once

// The About box's artwork, 300 x 200 pixels.
#define TANDREL_IDB_ABOUT 201
// Button faces, 16 x 16 pixels, and the one mask they share (black where a
// face is opaque, white where it is transparent).
#define TANDREL_IDB_SKYPEOUT_FACE 225
#define TANDREL_IDB_FACE_MASK 227
#define TANDREL_IDB_CHAT_FACE 228
#define TANDREL_IDB_CALL_FACE 229

#ifndef RC_INVOKED
namespace ids {

constexpr int kAboutBitmap = TANDREL_IDB_ABOUT;
constexpr int kSkypeOutFace = TANDREL_IDB_SKYPEOUT_FACE;
constexpr int kFaceMask = TANDREL_IDB_FACE_MASK;
constexpr int kChatFace = TANDREL_IDB_CHAT_FACE;
constexpr int kCallFace = TANDREL_IDB_CALL_FACE;

}  // namespace ids
#endif
