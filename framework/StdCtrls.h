#pragma once
// The standard controls in one include.
#include "framework/Buttons.h"
#include "framework/Edit.h"
#include "framework/Image.h"
#include "framework/Label.h"
#include "framework/Panel.h"
#include "framework/RadioButton.h"
