#pragma once
// How an edit shows its text: set on a text edit's properties, applied by its inner edit.
namespace velkaro {

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum TcxEditEchoMode { eemNormal, eemPassword };

} // namespace velkaro
