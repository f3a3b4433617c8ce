#pragma once
// Horizontal placement of a text, shared by the framework's labels and the edit controls.
namespace velkaro {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

} // namespace velkaro
