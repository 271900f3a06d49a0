// Resource IDs shared by the program's resource script and the views. Plain
// #defines, as the resource compiler reads this file too.
#pragma once

#define TOLVO_ICON_RESOURCE 100
