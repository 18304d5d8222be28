// Resource ids of the dictionary system server, shared by its .rc and code:
// the registrar scripts and the string table (the engine's file and entry
// point names, the error texts, the registry key texts).
#pragma once

// Registrar scripts.
#define IDR_LEXICONHUB 101
#define IDR_VELDICTIONARY 102
#define IDR_VELDICTCOLLECTION 103
#define IDR_VELPROJECT 104
#define IDR_VELPRJCOLLECTION 105
#define IDR_VELREGMNGR 106

#define IDS_PROJNAME 100

// The engine's file name and its entry points.
#define IDS_ENGINE_FILE 231
#define IDS_MDINIT 232
#define IDS_MDEXIT 233
#define IDS_MDGETSUPPORTLANG 234
#define IDS_MDOPEN 235
#define IDS_MDCREATE 236
#define IDS_MDBUILD 237
#define IDS_MDEXTRACT 238
#define IDS_MDCLOSE 239
#define IDS_MDFIND 240
#define IDS_MDNEXT 241
#define IDS_MDPREV 242
#define IDS_MDADDWORD 243
#define IDS_MDDELETEWORD 244
#define IDS_MDEDITWORD 245
#define IDS_MDSETDICPROPERTY 246
#define IDS_MDGETDICPROPERTY 247

// Error texts; each error's HRESULT is 0x80040000 + its id.
#define IDS_ERR_ACCESS_MODE 512
#define IDS_ERR_DICT_VALUE 513
#define IDS_ERR_PROJECT_VALUE 514
#define IDS_ERR_PROJECT_NULL 515
#define IDS_ERR_NULL_POINTER 516
#define IDS_ERR_INIT 517
#define IDS_ERR_EXIT 518
#define IDS_ERR_INDEX 519
#define IDS_ERR_OPEN 520
#define IDS_ERR_CLOSE 521
#define IDS_ERR_FIND 522
#define IDS_ERR_NEXT 523
#define IDS_ERR_PREV 524
#define IDS_ERR_EDIT 525
#define IDS_ERR_REGISTRY 526

// Registry key texts and the default project's name.
#define IDS_THEME_NAME_KEY 562
#define IDS_DICTIONARY_KEY 563
#define IDS_DEFAULT_PROJECT 564
