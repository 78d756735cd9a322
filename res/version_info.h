#pragma once
// The program's name and version, shared by the version record and the code.
#define MORVANE_TITLE "Morvane"
#define MORVANE_TITLE_W L"Morvane"
#define MORVANE_EXE_NAME "Morvane.exe"
#define MORVANE_VERSION_TEXT "1.00"
#define MORVANE_VERSION_NUMBERS 1, 0, 0, 0
