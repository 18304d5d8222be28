// Resource ids of the flat button tests' icons (FlatButtonTestImages.rc).
#pragma once

#define IDI_TEST_HOT 301
#define IDI_TEST_COLD 302
