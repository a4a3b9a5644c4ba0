// The standard controls over the system's BUTTON, EDIT, COMBOBOX and SCROLLBAR
// classes, for code that uses several of them; each has its own header.
#pragma once

#include "toolkit/BitBtn.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/GroupBox.h"
#include "toolkit/Memo.h"
#include "toolkit/RadioButton.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/ScrollBar.h"
