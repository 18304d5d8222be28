// The creatable classes of the framework's test server, as the server's
// class table and its objects reach them.
#pragma once

#include <unknwn.h>
#include <windows.h>

HRESULT CreateTestThing(REFIID iid, void** out);
HRESULT CreateTestItem(REFIID iid, void** out);
HRESULT CreateTestItems(REFIID iid, void** out);
