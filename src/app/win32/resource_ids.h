// Resource IDs of the executable.
#pragma once

#define IDI_VELNOR 1
#define IDC_HAND_POINT 2
