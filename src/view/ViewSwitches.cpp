#include "view/ViewSwitches.h"

#include "view/ViewCommands.h"

namespace korvo {

int g_nSnapMode = 0;
bool g_bTrackers = false;
int g_nGridCmd = kCmdGridDefault;
bool g_bSnapToGrid = false;
bool g_bZoomAboutPointer = false;

}  // namespace korvo
