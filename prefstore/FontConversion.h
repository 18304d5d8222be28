// Converts between the font objects of OLE automation that the options
// hold and the font record the registry keeps (face names in the ANSI code
// page). Used by the defaults and by Read and Write of the options.
#pragma once

#include <ocidl.h>
#include <olectl.h>
#include <windows.h>

#include "com/ComPtr.h"
#include "prefstore/OptionRecords.h"

namespace morvex::prefstore {

// The record of `font`: a blank record when there is no font or it does
// not answer IFont. A face name over the record's limit is cut.
FontRecord RecordOfFont(IFontDisp* font);

// A new font object made from `record`; on failure `font` is left as it was.
HRESULT FontOfRecord(const FontRecord& record, com::Ptr<IFontDisp>* font);

}  // namespace morvex::prefstore
