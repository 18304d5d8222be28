// Resource ids of the framework's test server, shared by its .rc and code.
#pragma once

#define IDR_TESTTHING 101
#define IDR_TESTITEMS 102

#define IDS_THING_BROKEN 512
#define IDS_THING_TIRED 513
// An id with no text in the string table.
#define IDS_THING_MISSING 600
