// A font object that reports exactly the facts it was made with. The
// platform's font objects report the font the system realised (another
// face when the one asked for is missing, sizes rounded to pixels), so the
// tests of the bytes Write stores hand the options one of these.
#pragma once

#include <ocidl.h>
#include <olectl.h>

#include "com/ComPtr.h"
#include "prefstore_client.h"

morvex::com::Ptr<IFontDisp> MakeFakeFont(const FontFacts& facts);
