#pragma once
// Resource identifiers, shared by tamrill.rc and the code (plain macros: the resource compiler
// reads this file too).

#define IDI_TAMRILL 1
#define IDB_ABOUT_BACKGROUND 101
