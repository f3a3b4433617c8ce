#pragma once
// The core that reaches up into a kind: the layers test must fail on it.
#include "editors/cxTextEdit/TextEdit.h"
