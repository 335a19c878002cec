#pragma once
// The core of the program's form model: text services, program-wide values, files.
#include "forms/files.h"
#include "forms/listfile.h"
#include "forms/text.h"
#include "forms/values.h"
