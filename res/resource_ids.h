#pragma once
// Numbers of the program's own resources.
#define IDI_MORVANE 1
