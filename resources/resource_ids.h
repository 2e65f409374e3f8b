// Resource numbers shared by the resource script and the program.
#pragma once

#define IDI_APP 1
#define IDI_LOGO 2
