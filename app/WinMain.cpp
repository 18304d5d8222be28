// MorvexSolo.exe: the resident dictionary. The command line is not read.
#include <windows.h>

#include "app/Startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return morvex::solo::RunMorvexSolo(morvex::solo::kPlatformSteps);
}
