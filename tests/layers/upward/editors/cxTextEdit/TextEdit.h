#pragma once
// An edit control that reaches up into the program: the layers test must fail on it.
#include "app/Program.h"
