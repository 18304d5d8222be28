// The search flags of the dictionary engine: the flag word of CDic::Find and
// MDFind, the stored search mode of a dictionary, and the find types that the
// dictionary system passes through unchanged. One definition for the engine,
// its entry points and the dictionary system's enumeration.
#pragma once

#include <cstdint>

// The search kinds; when several are set, the first of these in this order
// decides.
constexpr int32_t kMDFindExact = 0x1;
constexpr int32_t kMDFindNear = 0x2;
constexpr int32_t kMDFindFlexion = 0x4;
constexpr int32_t kMDFindPrefix = 0x8;
// The word only: no article is read or returned (alone: an exact search).
constexpr int32_t kMDFindWordOnly = 0x10;
// Articles in dictionary form, with their head word.
constexpr int32_t kMDFindDictForm = 0x200;
// Pass over articles that carry the vulgar label.
constexpr int32_t kMDFindNoVulgar = 0x400;
