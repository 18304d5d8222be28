// The rich-edit library ("RichEd20.dll", which registers "RichEdit20A"),
// loaded when the first control that needs it creates its window, never
// while the DLL is being loaded (no LoadLibrary under the loader lock).
// Once loaded it stays for the life of the process: rich edits of any
// control may outlive the one that loaded it.
//
// Used by the viewer and the tip before they create their rich-edit panes.
#pragma once

namespace morvex::controls {

// True when the library is loaded (now or before). A failure is tried
// again at the next call.
bool LoadRichEditLibrary();

}  // namespace morvex::controls
