// Read and Write of the options: moves every option value between an
// options object's state and the current user's options key,
// "Software\Kelbrin\Morvex\4.0\Solo\", whose name and value names come from
// the module's string table. Used by VelMorvexOpt.
//
// Neither reports failure: a key that cannot be opened, a missing or
// damaged value and a failed write each leave what they concern as it was.
#pragma once

#include "prefstore/Options.h"

namespace morvex::prefstore {

void ReadOptions(Options* options);
void WriteOptions(const Options& options);

}  // namespace morvex::prefstore
