#pragma once
// The edit controls' message texts. The program keeps them in its string table and loads one
// when an error is raised; where no loader is installed (the portable tests) the built-in
// English texts serve.
#include "editors/cxEdit/cxEditStringIds.h"

#include <string>

namespace velkaro {

using TcxResourceStringLoader = std::wstring (*)(int id);

std::wstring cxGetResourceString(int id);
// Installs the loader (the Windows side: the string table); answers the previous one.
TcxResourceStringLoader SetResourceStringLoader(TcxResourceStringLoader loader);

} // namespace velkaro
