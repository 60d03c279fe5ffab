#pragma once
// Resource identifiers of the program, shared by the .rc file and the code.

#define IDI_ORAVIN 1
#define IDI_SEARCH 101
#define IDI_WEB 102
#define IDI_FOLDER 103
#define IDI_OPTIONS 104
#define IDI_ABOUT 105
#define IDI_MENU 106
