#include "view/ViewSwitches.h"

#include "view/ViewCommands.h"

namespace korvo {

int g_nSnapMode = 0;
int g_nSnapHit = 0;
bool g_bTrackers = false;
int g_nGridCmd = kCmdGridDefault;

}  // namespace korvo
