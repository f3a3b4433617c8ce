#pragma once
// The masked edit's part of the road a key takes while a mask is active: caret keys and typed
// characters go to the mode's rules; whatever they leave non-zero goes on to the text edit.
#include "editors/cxMaskEdit/cxMaskEditModes.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace velkaro {

// Virtual-key codes, kept here so that the rules need no system header.
constexpr std::uint16_t kVkBack = 8;
constexpr std::uint16_t kVkTab = 9;
constexpr std::uint16_t kVkEnd = 35;
constexpr std::uint16_t kVkHome = 36;
constexpr std::uint16_t kVkLeft = 37;
constexpr std::uint16_t kVkUp = 38;
constexpr std::uint16_t kVkRight = 39;
constexpr std::uint16_t kVkDown = 40;
constexpr std::uint16_t kVkDelete = 46;

// Sets the key to 0 when the mask consumed it.
void MaskEditKeyDown(TcxMaskEditCustomMode& mode, std::uint16_t& key, TShiftState shift);
// Sets the character to #0 when the mask consumed it; answers whether the text edit's character
// handling takes it next (the clipboard characters, and free typing).
bool MaskEditKeyPress(TcxMaskEditCustomMode& mode, wchar_t& c);
// A paste or a replacement of the selection overwrites as many characters as the text has;
// replaceSelection is the text edit's own replacement.
void MaskEditReplaceSelection(TcxMaskEditCustomMode& mode, const std::wstring& text,
                              const std::function<void(const std::wstring&)>& replaceSelection);

// How many characters of a paste a masked edit takes; textRoom is the text edit's. A paste
// overwrites from the caret and may run past the mask, where validation refuses it; an
// expression has no positions, and takes what a text edit takes.
std::size_t MaskEditPasteRoom(const TcxMaskEditCustomMode& mode, std::size_t caret,
                              std::size_t textRoom);

} // namespace velkaro
