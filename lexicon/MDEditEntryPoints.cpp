// The engine's editing entry points: each hands the request to the CDic the
// handle names and turns its result into a status.
#include "lexicon/MDHandle.h"

int MDAddWord(MD_HANDLE handle, const char* word, const char* article) {
  if (handle == nullptr) return MD_NO_HANDLE;
  return StatusOf(DicOf(handle)->AddWord(word, article));
}

int MDAddWords(MD_HANDLE handle, const char* words, const char* articles) {
  if (handle == nullptr) return MD_NO_HANDLE;
  return StatusOf(DicOf(handle)->AddWords(words, articles));
}

int MDEditWord(MD_HANDLE handle, const char* oldWord, const char* newWord, const char* article) {
  if (handle == nullptr) return MD_NO_HANDLE;
  return StatusOf(DicOf(handle)->EditWord(oldWord, newWord, article));
}

int MDDeleteWord(MD_HANDLE handle, const char* word) {
  if (handle == nullptr) return MD_NO_HANDLE;
  return StatusOf(DicOf(handle)->DeleteWord(word));
}

int MDDeleteWords(MD_HANDLE handle, const char* words) {
  if (handle == nullptr) return MD_NO_HANDLE;
  return StatusOf(DicOf(handle)->DeleteWords(words));
}
