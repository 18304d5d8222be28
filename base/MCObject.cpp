#include "base/MCObject.h"

#include <cstdlib>

#include "base/platform/MessageBox.h"

MCObject::~MCObject() = default;

void* MCObject::operator new(std::size_t size) noexcept { return MAlloc(size); }

void MCObject::operator delete(void* block) noexcept { MFree(block); }

void* MAlloc(std::size_t size) noexcept { return std::malloc(size == 0 ? 1 : size); }

void MFree(void* block) noexcept { std::free(block); }

namespace {
MMessageBoxHandler g_messageBoxHandler = nullptr;
}

int MMessageBox(const char* text, const char* caption, unsigned type) {
  MMessageBoxHandler handler = g_messageBoxHandler ? g_messageBoxHandler : PlatformMessageBox;
  return handler(text ? text : "", caption, type);
}

MMessageBoxHandler MSetMessageBoxHandler(MMessageBoxHandler handler) {
  MMessageBoxHandler previous = g_messageBoxHandler ? g_messageBoxHandler : PlatformMessageBox;
  g_messageBoxHandler = handler;
  return previous;
}
