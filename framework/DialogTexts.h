#pragma once
// The fixed Turkish texts of the prompt and message dialogs.
namespace velkaro {

inline constexpr wchar_t kOkCaption[] = L"Tamam";
inline constexpr wchar_t kCancelCaption[] = L"Vazgeç";

} // namespace velkaro
