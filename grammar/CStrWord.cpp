#include "grammar/CStrWord.h"

CStrWord::CStrWord() = default;

CStrWord::~CStrWord() = default;
