#include "base/CCorr.h"

CCorr::CCorr() = default;

CCorr::CCorr(int32_t attributeId, int32_t index) : attrId(attributeId), tableIndex(index) {}

CCorr::~CCorr() = default;
