// <windows.h> for the Windows files of this program, included through here
// only, lean and without the min and max macros.  The program calls the W
// functions by their full names.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
