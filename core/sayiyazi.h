#pragma once
// A non-negative whole amount written out in Turkish words.
#include <string>

namespace velkaro {

// Each word with a leading blank (" bir milyon iki yüz elli bin"); zero gives the empty text,
// a negative amount "Negatif değer".
std::wstring SayiYazi(long double tutar);

} // namespace velkaro
