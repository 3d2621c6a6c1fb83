// Private window messages of the skin engine, shared by the manager, the frame painter, the menus
// and the control painters.
#pragma once

#include <windows.h>

constexpr UINT SKM_REFRESHSKIN = 0x3401;    // to a toolkit form: the skin changed, paint it anew
constexpr UINT SKM_REPAINTFRAME = 0x3502;   // repaint the skinned frame
constexpr UINT SKM_FINISHATTACH = 0x3503;   // posted right after a frame painter is made
constexpr UINT SKM_SETACTIVE = 0x3506;      // wParam > 0: painting on, 0: off
constexpr UINT SKM_CLOSETAB = 0x3507;       // a page's close mark was clicked
constexpr UINT SKM_CUSTOMACTION = 0x3514;   // a caption button of the program's own was clicked
constexpr UINT SKM_QUERYBUTTON = 0x3515;    // may a caption button of the program's own show?
constexpr UINT SKM_REDRAWMDI = 0x3516;      // redraw the MDI frame
constexpr UINT SKM_RESKINSCROLL = 0x3517;   // wParam: control whose scroll-bar painter is remade
constexpr UINT SKM_OPENMENUAT = 0x3518;     // lParam: screen point of a menu band item to open
constexpr UINT SKM_ISSKINNED = 0x3523;      // a skinned window answers 1

// The handshake a skinned frame offers to other code built on this engine: it sends itself
// SkinHandshakeNotify, and answers SkinHandshakePaint (paint the frame into the DC in wParam) and
// SkinHandshakeQuery, all tagged with SkinHandshakeTag in lParam. SkinHandshakeNotify has the
// value of the toolkit's reflected WM_NOTIFY, so it must never reach a toolkit handler.
constexpr UINT SkinHandshakePaint = 0xBC4B;
constexpr UINT SkinHandshakeQuery = 0xBC4D;
constexpr UINT SkinHandshakeNotify = 0xBC4E;
constexpr LPARAM SkinHandshakeTag = 0x41A2;

inline bool IsSkinHandshake(UINT msg, LPARAM lParam) {
  return (msg == SkinHandshakePaint || msg == SkinHandshakeQuery || msg == SkinHandshakeNotify) &&
         lParam == SkinHandshakeTag;
}
