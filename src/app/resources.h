#pragma once

// Resource IDs, shared by the resource script and the code.
#define IDI_CLOSE_BUTTON 101
