// <windows.h> for the Windows files of this program, included through here
// only.  windows.h defines MessageBox and SetWindowText as macros (naming
// their A or W variants), which would rename Platform's methods of the same
// names in every file that sees both; the program calls the W functions by
// their full names, so the two macros are taken back once, here.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef MessageBox
#undef SetWindowText
