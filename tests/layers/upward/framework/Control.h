#pragma once
// A control that reaches up into its form: the layers test must fail on it.
#include "framework/Form.h"
